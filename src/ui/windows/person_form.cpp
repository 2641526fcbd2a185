#include "ui/windows/person_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/aaf_import.h"
#include "archive/person_entry.h"
#include "atlas/place_atlas.h"
#include "chart/chart_entry.h"
#include "ui/help/person_form_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/platform.h"
#include "ui/widgets/date_field.h"
#include "ui/widgets/entry_field.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::ui {
namespace {

// The kinds a person can be given, as the box offers them ("f" is how AAF
// files of other programs write "weiblich").
constexpr std::pair<const char*, const char*> kKinds[] = {
    {"", "unbekannt"},     {"m", "m – männlich"}, {"w", "w – weiblich"},     {"f", "f – weiblich"},
    {"e", "e – Ereignis"}, {"l", "l – Land"},     {"o", "o – Organisation"},
};
constexpr int kOfferedKinds = static_cast<int>(std::size(kKinds));

}  // namespace

archive::PersonEntry entryOf(const archive::Person& person) {
  archive::PersonEntry entry;
  entry.name = person.name;
  entry.firstName = person.firstName;
  entry.kind = person.kind;
  entry.birthDate = archive::birthDateText(person);
  entry.birthTime = archive::birthTimeText(person);
  entry.zone = person.zone;
  entry.place = person.place;
  entry.country = person.country;
  if (person.latitude) entry.latitude = chart::latitudeEntryText(*person.latitude);
  if (person.longitude) entry.longitude = chart::longitudeEntryText(*person.longitude);
  entry.source = person.source;
  entry.via = person.via;
  entry.notes = person.notes;
  return entry;
}

PersonForm::PersonForm(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
  setObjectName(QStringLiteral("PersonForm"));
  setFont(captionFont(10));
  createControls();
  connect(saveButton_, &QPushButton::clicked, this, &PersonForm::save);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(placeField_, &QLineEdit::returnPressed, this, &PersonForm::takePlaceFromAtlas);
}

// Tab goes through the fields as they stand, top to bottom, then to the
// buttons from left to right.
void PersonForm::orderTabs(const QFormLayout& fields, const std::vector<QWidget*>& buttons) {
  std::vector<QWidget*> chain;
  for (int row = 0; row < fields.rowCount(); ++row) {
    if (QLayoutItem* item = fields.itemAt(row, QFormLayout::FieldRole)) {
      chain.push_back(item->widget());
    }
  }
  chain.insert(chain.end(), buttons.begin(), buttons.end());
  for (std::size_t k = 1; k < chain.size(); ++k) setTabOrder(chain[k - 1], chain[k]);
}

void PersonForm::createControls() {
  nameField_ = entryField(this, "PersonName");
  firstNameField_ = entryField(this, "PersonFirstName");
  kindBox_ = new QComboBox(this);
  kindBox_->setObjectName(QStringLiteral("PersonKind"));
  for (const auto& [code, caption] : kKinds) {
    kindBox_->addItem(QString::fromUtf8(caption), QString::fromLatin1(code));
  }
  birthDateField_ = entryField(this, "PersonBirthDate", QStringLiteral("TT.MM.JJJJ"));
  birthDateField_->setToolTip(dateEntryHint());
  birthTimeField_ = entryField(this, "PersonBirthTime", QStringLiteral("hh:mm (leer: unbekannt)"));
  zoneField_ = entryField(this, "PersonZone", QStringLiteral("Europe/Berlin"));
  placeField_ = entryField(this, "PersonPlace",
                           atlas::atlasAvailable() ? QStringLiteral("Ort, Enter sucht im Ortsatlas")
                                                   : QStringLiteral("Ort"));
  countryField_ = entryField(this, "PersonCountry", QStringLiteral("z. B. D, A, CH"));
  countryNameLabel_ = new QLabel(this);
  countryNameLabel_->setObjectName(QStringLiteral("PersonCountryName"));
  // The name belongs to the code the atlas filled in, not to one typed.
  connect(countryField_, &QLineEdit::textEdited, countryNameLabel_, &QLabel::clear);
  latitudeField_ = entryField(this, "PersonLatitude", QStringLiteral("50°56' N"));
  longitudeField_ = entryField(this, "PersonLongitude", QStringLiteral("06°57' O"));
  sourceField_ = entryField(this, "PersonSource");
  viaField_ = entryField(this, "PersonVia");
  notesField_ = new QPlainTextEdit(this);
  notesField_->setObjectName(QStringLiteral("PersonNotes"));
  notesField_->setTabChangesFocus(true);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("&Name"), nameField_);
  fields->addRow(QStringLiteral("&Vorname"), firstNameField_);
  fields->addRow(QStringLiteral("&Art"), kindBox_);
  fields->addRow(QStringLiteral("&Geburtsdatum"), birthDateField_);
  fields->addRow(QStringLiteral("Geburts&zeit"), birthTimeField_);
  fields->addRow(QStringLiteral("&Ort"), placeField_);
  auto* country = new QHBoxLayout;
  country->addWidget(countryField_);
  country->addWidget(countryNameLabel_, 1);
  auto* countryCaption = new QLabel(QStringLiteral("&Land"), this);
  countryCaption->setBuddy(countryField_);
  fields->addRow(countryCaption, country);
  fields->addRow(QStringLiteral("&Breite"), latitudeField_);
  fields->addRow(QStringLiteral("Län&ge"), longitudeField_);
  fields->addRow(QStringLiteral("Zeit&zone"), zoneField_);
  fields->addRow(QStringLiteral("&Quelle"), sourceField_);
  fields->addRow(QStringLiteral("Ü&ber"), viaField_);
  fields->addRow(QStringLiteral("No&tizen"), notesField_);

  saveButton_ = new QPushButton(QStringLiteral("Speichern"), this);
  saveButton_->setObjectName(QStringLiteral("PersonSave"));
  cancelButton_ = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancelButton_->setObjectName(QStringLiteral("PersonCancel"));
  for (QPushButton* button : {saveButton_, cancelButton_}) button->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  // F1 and the "Hilfe" button open the help.
  QPushButton* help = addWindowHelp(*this, QStringLiteral("Person"), personFormHelp());
  buttons->addWidget(help);
  buttons->addStretch();
  buttons->addWidget(saveButton_);
  buttons->addWidget(cancelButton_);
  orderTabs(*fields, {help, saveButton_, cancelButton_});

  auto* all = new QVBoxLayout(this);
  all->addLayout(fields);
  all->addLayout(buttons);
  setMinimumWidth(460);
}

void PersonForm::openNew(Store store) {
  edited_ = {};
  setWindowTitle(QStringLiteral("Neue Person"));
  showEntry(archive::PersonEntry{}, std::move(store));
}

void PersonForm::openFor(const archive::Person& person, Store store) {
  edited_ = person;
  setWindowTitle(QStringLiteral("Person ändern"));
  showEntry(entryOf(person), std::move(store));
}

void PersonForm::showEntry(const archive::PersonEntry& entry, Store store) {
  store_ = std::move(store);
  nameField_->setText(toQString(entry.name));
  firstNameField_->setText(toQString(entry.firstName));
  showKind(toQString(entry.kind));
  birthDateField_->setText(toQString(entry.birthDate));
  birthTimeField_->setText(toQString(entry.birthTime));
  zoneField_->setText(toQString(entry.zone));
  placeField_->setText(toQString(entry.place));
  countryField_->setText(toQString(entry.country));
  countryNameLabel_->clear();
  latitudeField_->setText(toQString(entry.latitude));
  longitudeField_->setText(toQString(entry.longitude));
  sourceField_->setText(toQString(entry.source));
  viaField_->setText(toQString(entry.via));
  notesField_->setPlainText(toQString(entry.notes));
  setModal(true);
  show();
  activateWindow();
  focusField(*nameField_);
}

// A kind the box does not offer (read from another program's AAF file)
// gets an entry of its own, so that the person keeps it when saved.
void PersonForm::showKind(const QString& kind) {
  while (kindBox_->count() > kOfferedKinds) kindBox_->removeItem(kOfferedKinds);
  int shown = kindBox_->findData(kind);
  if (shown < 0) {
    kindBox_->addItem(kind + QStringLiteral(" – so gespeichert"), kind);
    shown = kOfferedKinds;
  }
  kindBox_->setCurrentIndex(shown);
}

archive::PersonEntry PersonForm::entry() const {
  archive::PersonEntry typed;
  typed.name = toUtf8(nameField_->text());
  typed.firstName = toUtf8(firstNameField_->text());
  typed.kind = toUtf8(kindBox_->currentData().toString());
  typed.birthDate = toUtf8(birthDateField_->text());
  typed.birthTime = toUtf8(birthTimeField_->text());
  typed.zone = toUtf8(zoneField_->text());
  typed.place = toUtf8(placeField_->text());
  typed.country = toUtf8(countryField_->text());
  typed.latitude = toUtf8(latitudeField_->text());
  typed.longitude = toUtf8(longitudeField_->text());
  typed.source = toUtf8(sourceField_->text());
  typed.via = toUtf8(viaField_->text());
  typed.notes = toUtf8(notesField_->toPlainText());
  return typed;
}

// The field a refusal names by its first word ("Breite: …").
QWidget* PersonForm::fieldOfMessage(const std::string& message) const {
  const std::pair<const char*, QWidget*> labels[] = {
      {"Name:", nameField_},
      {"Vorname:", firstNameField_},
      {"Art:", kindBox_},
      {"Geburtsdatum:", birthDateField_},
      {"Geburtszeit:", birthTimeField_},
      {"Zeitzone:", zoneField_},
      {"Ort:", placeField_},
      {"Land:", countryField_},
      {"Breite:", latitudeField_},
      {"Länge:", longitudeField_},
      {"Quelle:", sourceField_},
      {"Über:", viaField_},
      {"Notizen:", notesField_},
  };
  for (const auto& [label, widget] : labels) {
    if (message.starts_with(label)) return widget;
  }
  return nameField_;
}

void PersonForm::save() {
  archive::PersonEntry typed = entry();
  // A kept kind is not checked: it is the stored one, unchanged.
  const bool keptKind = kindBox_->currentIndex() >= kOfferedKinds;
  if (keptKind) typed.kind.clear();
  const auto checked = archive::checkPersonEntry(typed);
  if (const Rejection* refused = rejection(checked)) {
    platform_.showError(this, refused->message);
    QWidget* wrong = fieldOfMessage(refused->message);
    if (auto* line = qobject_cast<QLineEdit*>(wrong)) {
      focusField(*line);
    } else {
      wrong->setFocus(Qt::OtherFocusReason);
    }
    return;
  }
  archive::Person person = std::get<archive::Person>(checked);
  if (keptKind) person.kind = toUtf8(kindBox_->currentData().toString());
  person.id = edited_.id;
  person.created = edited_.created;
  if (store_ && store_(person)) accept();
}

// Enter in the place field: the atlas's first place of that name (in the
// country "Land" names, if it names one), where the build has an atlas; the
// country, the coordinates and the zone follow it.
void PersonForm::takePlaceFromAtlas() {
  const std::string typed = toUtf8(placeField_->text().trimmed());
  if (!atlas::atlasAvailable() || typed.empty()) return;
  const std::string country = toUtf8(countryField_->text().trimmed());
  const auto places = archive::atlasPlacesIn(typed, country, 1);
  if (places.empty()) {
    platform_.showError(this, "Ort: \"" + typed + "\" steht nicht im Ortsatlas" +
                                  (country.empty() ? "" : " (Land " + country + ")") + ".");
    return;
  }
  const atlas::AtlasPlace& place = places.front();
  placeField_->setText(toQString(place.name));
  countryField_->setText(toQString(archive::aafCountryCode(place)));
  countryNameLabel_->setText(toQString(place.country));
  latitudeField_->setText(toQString(chart::latitudeEntryText(place.latitude)));
  longitudeField_->setText(toQString(chart::longitudeEntryText(place.longitude)));
  zoneField_->setText(toQString(place.zone));
  focusNextChild();
}

}  // namespace kelvaro::ui
