#include "ui/widgets/person_list_model.h"

#include <QBrush>
#include <algorithm>
#include <cstdio>
#include <numeric>

#include "ui/widgets/text_view.h"

namespace kelvaro::ui {
namespace {

// What a column sorts by: its folded text (the date as YYYY-MM-DD), then
// name, first name and birth date.
std::string sortKey(const archive::Person& person, const archive::SearchKey& folded, int column) {
  const chart::Date& date = person.birthDate;
  char day[16];
  std::snprintf(day, sizeof day, "%04d-%02d-%02d", date.year, date.month, date.day);
  std::string_view primary = folded.name();
  if (column == PersonListModel::firstName) primary = folded.firstName();
  if (column == PersonListModel::birthDate) primary = day;
  if (column == PersonListModel::place) primary = folded.place();
  std::string key;
  key.reserve(primary.size() + folded.name().size() + folded.firstName().size() + 16);
  key.append(primary).append(1, '\x01').append(folded.name()).append(1, '\x01');
  key.append(folded.firstName()).append(1, '\x01').append(day);
  return key;
}

}  // namespace

PersonListModel::PersonListModel(QObject* parent) : QAbstractTableModel(parent) {}

void PersonListModel::setPersons(std::vector<archive::Person> persons) {
  beginResetModel();
  persons_ = std::move(persons);
  keys_.clear();
  keys_.reserve(persons_.size());
  for (const archive::Person& person : persons_) keys_.emplace_back(person);
  sorted_.resize(persons_.size());
  std::iota(sorted_.begin(), sorted_.end(), std::size_t{0});
  endResetModel();
  sort(sortColumn_, sortOrder_);
}

void PersonListModel::setSearchText(const QString& text) {
  std::string folded = archive::foldedText(toUtf8(text.trimmed()));
  if (folded == foldedSearch_) return;
  beginResetModel();
  foldedSearch_ = std::move(folded);
  pickShown();
  endResetModel();
}

void PersonListModel::pickShown() {
  shown_.clear();
  for (const std::size_t index : sorted_) {
    if (keys_[index].matches(foldedSearch_)) shown_.push_back(index);
  }
}

void PersonListModel::sort(int column, Qt::SortOrder order) {
  beginResetModel();
  sortColumn_ = column;
  sortOrder_ = order;
  std::vector<std::string> keys;
  keys.reserve(persons_.size());
  for (std::size_t i = 0; i < persons_.size(); ++i) {
    keys.push_back(sortKey(persons_[i], keys_[i], column));
  }
  std::stable_sort(sorted_.begin(), sorted_.end(), [&](std::size_t a, std::size_t b) {
    return order == Qt::AscendingOrder ? keys[a] < keys[b] : keys[b] < keys[a];
  });
  pickShown();
  endResetModel();
}

const archive::Person& PersonListModel::person(int row) const {
  return persons_[shown_[static_cast<std::size_t>(row)]];
}

int PersonListModel::rowOf(archive::PersonId id) const {
  for (std::size_t row = 0; row < shown_.size(); ++row) {
    if (persons_[shown_[row]].id == id) return static_cast<int>(row);
  }
  return -1;
}

std::vector<archive::Person> PersonListModel::shownPersons() const {
  std::vector<archive::Person> shown;
  shown.reserve(shown_.size());
  for (const std::size_t index : shown_) shown.push_back(persons_[index]);
  return shown;
}

int PersonListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int PersonListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant PersonListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const archive::Person& shown = person(index.row());
  const bool unchecked = archive::placeUnchecked(shown);
  if (role == Qt::ForegroundRole && unchecked && index.column() == place) {
    return QBrush(Qt::darkRed);
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case name:
      return toQString(shown.name);
    case firstName:
      return toQString(shown.firstName);
    case birthDate:
      return toQString(archive::birthDateText(shown));
    case place:
      return toQString(shown.place + (unchecked ? " (Ort prüfen)" : ""));
    default:
      return {};
  }
}

QVariant PersonListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case name:
      return QStringLiteral("Name");
    case firstName:
      return QStringLiteral("Vorname");
    case birthDate:
      return QStringLiteral("Geburtsdatum");
    case place:
      return QStringLiteral("Ort");
    default:
      return {};
  }
}

}  // namespace kelvaro::ui
