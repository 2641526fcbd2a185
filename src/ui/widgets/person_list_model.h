#pragma once

#include <string>
#include <vector>

#include <QAbstractTableModel>

#include "archive/person.h"
#include "archive/person_search.h"

namespace kelvaro::ui {

// The persons of the persons window: name, first name, birth date and place,
// sorted by a column and filtered by a search text. Sorting orders all
// persons once; a search keeps that order and only picks, so that every
// keystroke costs one pass over the folded names.
class PersonListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { name, firstName, birthDate, place, kColumns };

  explicit PersonListModel(QObject* parent = nullptr);

  void setPersons(std::vector<archive::Person> persons);
  // Shows the persons whose name, first name or place contain `text`
  // (case and umlauts folded); empty: everyone.
  void setSearchText(const QString& text);

  const archive::Person& person(int row) const;
  // The row of the person with this number, or -1 when it is not shown.
  int rowOf(archive::PersonId id) const;
  // The persons shown, in their order.
  std::vector<archive::Person> shownPersons() const;
  int personCount() const { return static_cast<int>(persons_.size()); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  void pickShown();

  std::vector<archive::Person> persons_;
  std::vector<archive::SearchKey> keys_;
  std::vector<std::size_t> sorted_;  // every person, in the order of the sort column
  std::vector<std::size_t> shown_;   // those the search finds, in that order
  std::string foldedSearch_;
  int sortColumn_ = name;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace kelvaro::ui
