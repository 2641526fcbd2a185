#pragma once

#include <functional>
#include <vector>

#include <QDialog>

class QLabel;

#include "archive/person.h"
#include "archive/person_entry.h"

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kelvaro::ui {

class Platform;

// The window "Person" of the persons window: the fields of one person, new
// ("Neu") or to change ("Ändern"). Shown modally without blocking; "Speichern"
// checks the fields (a refusal names the field and puts the focus there) and
// hands the person to the store function, which the window closes on.
class PersonForm : public QDialog {
  Q_OBJECT

 public:
  // Stores the checked person (id and times of the person being changed
  // kept); false when that failed and the window should stay open.
  using Store = std::function<bool(const archive::Person& person)>;

  PersonForm(Platform& platform, QWidget* parent);

  void openNew(Store store);
  void openFor(const archive::Person& person, Store store);

 private:
  void createControls();
  void orderTabs(const QFormLayout& fields, const std::vector<QWidget*>& buttons);
  void showKind(const QString& kind);
  void showEntry(const archive::PersonEntry& entry, Store store);
  void save();
  archive::PersonEntry entry() const;
  void takePlaceFromAtlas();
  QWidget* fieldOfMessage(const std::string& message) const;

  Platform& platform_;
  Store store_;
  archive::Person edited_;  // number and times of the person being changed

  QLineEdit* nameField_;
  QLineEdit* firstNameField_;
  QComboBox* kindBox_;
  QLineEdit* birthDateField_;
  QLineEdit* birthTimeField_;
  QLineEdit* zoneField_;
  QLineEdit* placeField_;
  QLineEdit* countryField_;
  QLabel* countryNameLabel_;  // the German name of the atlas place's country
  QLineEdit* latitudeField_;
  QLineEdit* longitudeField_;
  QLineEdit* sourceField_;
  QLineEdit* viaField_;
  QPlainTextEdit* notesField_;
  QPushButton* saveButton_;
  QPushButton* cancelButton_;
};

// The fields of a stored person as the window shows them.
archive::PersonEntry entryOf(const archive::Person& person);

}  // namespace kelvaro::ui
