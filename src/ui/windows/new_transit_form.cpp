#include "ui/windows/new_transit_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>
#include <exception>
#include <system_error>

#include "archive/archive.h"
#include "archive/person_entry.h"
#include "atlas/place_atlas.h"
#include "chart/date_time.h"
#include "chart/time_zone.h"
#include "chart/transit_chart.h"
#include "core/text_encoding.h"
#include "output/file_name_check.h"
#include "output/transit_file_name.h"
#include "output/transit_file_write.h"
#include "ui/help/new_transit_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/platform.h"
#include "ui/platform/system_zone.h"
#include "ui/widgets/date_field.h"
#include "ui/widgets/entry_field.h"
#include "ui/widgets/place_search.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::ui {
NewTransitForm::NewTransitForm(Platform& platform, std::filesystem::path transitFolder,
                               QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      transitFolder_(std::move(transitFolder)),
      makeRecord_(chart::computeTransitRecord) {
  setObjectName(QStringLiteral("NewTransitForm"));
  setWindowTitle(QStringLiteral("Neue Transit-Datei"));
  setFont(captionFont(10, true));
  createControls();
  birthSearch_ = new PlaceSearch(
      {birthPlaceEdit_, birthLatitudeEdit_, birthLongitudeEdit_, birthZoneEdit_, birthCountryEdit_},
      birthPlaceMatches_, this);
  transitSearch_ = new PlaceSearch(
      {transitPlaceEdit_, transitLatitudeEdit_, transitLongitudeEdit_, transitZoneEdit_},
      transitPlaceMatches_, this);
  connect(birthSearch_, &PlaceSearch::placeChosen, this, [this] { focusNextChild(); });
  connect(transitSearch_, &PlaceSearch::placeChosen, this, [this] {
    transitFollowsBirth_ = false;
    focusNextChild();
  });
  for (QLineEdit* birth :
       {birthPlaceEdit_, birthLatitudeEdit_, birthLongitudeEdit_, birthZoneEdit_}) {
    connect(birth, &QLineEdit::textChanged, this, &NewTransitForm::followBirthPlace);
  }
  for (QLineEdit* transit :
       {transitPlaceEdit_, transitLatitudeEdit_, transitLongitudeEdit_, transitZoneEdit_}) {
    connect(transit, &QLineEdit::textEdited, this, [this] { transitFollowsBirth_ = false; });
  }
  for (QLineEdit* typed : {transitDateEdit_, transitTimeEdit_}) {
    connect(typed, &QLineEdit::textEdited, this, [this] { presentMoment_.reset(); });
  }
  connect(transitZoneEdit_, &QLineEdit::textChanged, this, &NewTransitForm::showPresentMoment);
  connect(saveButton_, &QPushButton::clicked, this, &NewTransitForm::saveClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void NewTransitForm::createControls() {
  const QString atlasHint = atlas::atlasAvailable() ? QStringLiteral("Ort suchen, z. B. Köln")
                                                    : QStringLiteral("Ortsname");
  auto* person = new QGroupBox(QStringLiteral("Geburt"), this);
  auto* birth = new QGridLayout(person);
  nameEdit_ = entryField(person, "Name");
  firstNameEdit_ = entryField(person, "Vorname");
  birthDateEdit_ = entryField(person, "Geburtsdatum", QStringLiteral("TT.MM.JJJJ"));
  birthDateEdit_->setToolTip(dateEntryHint());
  birthTimeEdit_ = entryField(person, "Geburtszeit", QStringLiteral("HH:MM"));
  birthPlaceEdit_ = entryField(person, "Geburtsort", atlasHint);
  birthPlaceMatches_ = PlaceSearch::matchList(person, "GeburtsortTreffer");
  birthLatitudeEdit_ = entryField(person, "Geburtsbreite", QStringLiteral("z. B. 50°56' N"));
  birthLongitudeEdit_ = entryField(person, "Geburtslaenge", QStringLiteral("z. B. 06°57' O"));
  birthZoneEdit_ = entryField(person, "Geburtszeitzone", QStringLiteral("z. B. Europe/Berlin"));
  birthCountryEdit_ = entryField(person, "Geburtsland", QStringLiteral("z. B. D, A, CH"));
  addFieldRow(*birth, 0, 0, QStringLiteral("Name"), nameEdit_, 3);
  addFieldRow(*birth, 1, 0, QStringLiteral("Vorname"), firstNameEdit_, 3);
  addFieldRow(*birth, 2, 0, QStringLiteral("Geburtsdatum"), birthDateEdit_);
  addFieldRow(*birth, 2, 2, QStringLiteral("Geburtszeit"), birthTimeEdit_);
  addFieldRow(*birth, 3, 0, QStringLiteral("Geburtsort"), birthPlaceEdit_, 3);
  birth->addWidget(birthPlaceMatches_, 4, 1, 1, 3);
  addFieldRow(*birth, 5, 0, QStringLiteral("Breite"), birthLatitudeEdit_);
  addFieldRow(*birth, 5, 2, QStringLiteral("Länge"), birthLongitudeEdit_);
  addFieldRow(*birth, 6, 0, QStringLiteral("Zeitzone"), birthZoneEdit_);
  addFieldRow(*birth, 6, 2, QStringLiteral("Land"), birthCountryEdit_);

  auto* moment = new QGroupBox(QStringLiteral("Transit"), this);
  auto* transit = new QGridLayout(moment);
  transitPlaceEdit_ = entryField(moment, "Ort", atlasHint);
  transitPlaceMatches_ = PlaceSearch::matchList(moment, "OrtTreffer");
  transitDateEdit_ = entryField(moment, "Datum", QStringLiteral("TT.MM.JJJJ"));
  transitDateEdit_->setToolTip(dateEntryHint());
  transitTimeEdit_ = entryField(moment, "Zeit", QStringLiteral("HH:MM"));
  transitZoneEdit_ = entryField(moment, "Zeitzone", QStringLiteral("z. B. Europe/Berlin"));
  transitLatitudeEdit_ = entryField(moment, "Breite", QStringLiteral("z. B. 50°56' N"));
  transitLongitudeEdit_ = entryField(moment, "Laenge", QStringLiteral("z. B. 06°57' O"));
  addFieldRow(*transit, 0, 0, QStringLiteral("Ort"), transitPlaceEdit_, 3);
  transit->addWidget(transitPlaceMatches_, 1, 1, 1, 3);
  addFieldRow(*transit, 2, 0, QStringLiteral("Datum"), transitDateEdit_);
  addFieldRow(*transit, 2, 2, QStringLiteral("Zeit"), transitTimeEdit_);
  addFieldRow(*transit, 3, 0, QStringLiteral("Zeitzone"), transitZoneEdit_);
  addFieldRow(*transit, 4, 0, QStringLiteral("Breite"), transitLatitudeEdit_);
  addFieldRow(*transit, 4, 2, QStringLiteral("Länge"), transitLongitudeEdit_);

  saveButton_ = new QPushButton(QStringLiteral("Speichern"), this);
  saveButton_->setObjectName(QStringLiteral("Speichern"));
  cancelButton_ = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancelButton_->setObjectName(QStringLiteral("Abbrechen"));
  // Enter in a field never saves by accident.
  for (QPushButton* button : {saveButton_, cancelButton_}) button->setAutoDefault(false);
  storeInArchiveBox_ = new QCheckBox(QStringLiteral("Im Personenarchiv speichern"), this);
  storeInArchiveBox_->setObjectName(QStringLiteral("StoreInArchive"));
  storeInArchiveBox_->setChecked(true);
  storeInArchiveBox_->hide();  // until there is an archive
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(
      addWindowHelp(*this, QStringLiteral("Neue Transit-Datei"), newTransitHelp(transitFolder_)));
  buttons->addWidget(storeInArchiveBox_);
  buttons->addStretch();
  buttons->addWidget(saveButton_);
  buttons->addWidget(cancelButton_);

  auto* all = new QVBoxLayout(this);
  all->addWidget(person);
  all->addWidget(moment);
  all->addLayout(buttons);
  setMinimumWidth(560);
}

void NewTransitForm::openEntry() {
  for (QLineEdit* cleared :
       {nameEdit_, firstNameEdit_, birthDateEdit_, birthTimeEdit_, birthPlaceEdit_,
        birthLatitudeEdit_, birthLongitudeEdit_, birthZoneEdit_, birthCountryEdit_,
        transitPlaceEdit_, transitLatitudeEdit_, transitLongitudeEdit_}) {
    cleared->clear();
  }
  for (PlaceSearch* search : {birthSearch_, transitSearch_}) search->clear();
  transitFollowsBirth_ = true;
  // The minute shown is the moment: the seconds would be lost in the field.
  presentMoment_ = std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now());
  transitZoneEdit_->setText(toQString(systemZone().name()));
  showPresentMoment();
  setModal(true);
  show();
  activateWindow();
  focusField(*nameEdit_);
}

void NewTransitForm::useArchive(std::filesystem::path archiveFile) {
  archiveFile_ = std::move(archiveFile);
  storeInArchiveBox_->show();
}

void NewTransitForm::openForPerson(const chart::ChartEntry& birth, const std::string& birthPlace) {
  openEntry();
  nameEdit_->setText(toQString(birth.name));
  firstNameEdit_->setText(toQString(birth.firstName));
  birthDateEdit_->setText(toQString(birth.birthDate));
  birthTimeEdit_->setText(toQString(birth.birthTime));
  birthZoneEdit_->setText(toQString(birth.birthZone));
  birthPlaceEdit_->setText(toQString(birthPlace));
  birthLatitudeEdit_->setText(toQString(birth.birthLatitude));
  birthLongitudeEdit_->setText(toQString(birth.birthLongitude));
  useLastTransitPlace();
  saveButton_->setFocus(Qt::OtherFocusReason);
}

// The transit place the last file was made for, with the present moment of
// its zone; without one the transit place stays the birth place.
void NewTransitForm::useLastTransitPlace() {
  if (archiveFile_.empty()) return;
  auto opened = archive::Archive::open(archiveFile_, archive::Archive::Access::read);
  if (rejection(opened)) return;
  const auto last = std::get<archive::Archive>(opened).lastTransitPlace();
  if (rejection(last) || !std::get<std::optional<archive::TransitPlace>>(last)) return;
  const archive::TransitPlace& place = *std::get<std::optional<archive::TransitPlace>>(last);
  const auto zone = chart::TimeZone::parse(place.zone);
  if (rejection(zone)) return;
  transitFollowsBirth_ = false;
  transitPlaceEdit_->setText(toQString(place.place));
  transitLatitudeEdit_->setText(toQString(place.latitude));
  transitLongitudeEdit_->setText(toQString(place.longitude));
  transitZoneEdit_->setText(toQString(place.zone));
  const chart::LocalTime now = std::get<chart::TimeZone>(zone).toLocal(
      std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
  transitDateEdit_->setText(toQString(chart::dateText(now.date)));
  transitTimeEdit_->setText(toQString(chart::minuteText(now.time)));
}

// After a file is written: the person into the archive (unless the box is
// cleared, or it is there already) and the transit place for the next time.
// A failure of the archive is reported; the file is written all the same.
void NewTransitForm::storeInArchive() {
  if (archiveFile_.empty()) return;
  auto opened = archive::Archive::open(archiveFile_);
  if (const Rejection* refused = rejection(opened)) {
    if (storeInArchiveBox_->isChecked()) platform_.showError(this, refused->message);
    return;
  }
  archive::Archive& archive = std::get<archive::Archive>(opened);
  archive.rememberTransitPlace({toUtf8(transitPlaceEdit_->text().trimmed()),
                                toUtf8(transitLatitudeEdit_->text().trimmed()),
                                toUtf8(transitLongitudeEdit_->text().trimmed()),
                                toUtf8(transitZoneEdit_->text().trimmed())});
  if (!storeInArchiveBox_->isChecked()) return;
  const chart::ChartEntry typed = entry();
  archive::PersonEntry person;
  person.name = typed.name;
  person.firstName = typed.firstName;
  person.birthDate = typed.birthDate;
  person.birthTime = typed.birthTime;
  person.zone = typed.birthZone;
  person.place = toUtf8(birthPlaceEdit_->text());
  // As typed, or as the atlas filled it in with the place.
  person.country = toUtf8(birthCountryEdit_->text().trimmed());
  person.latitude = typed.birthLatitude;
  person.longitude = typed.birthLongitude;
  const auto checked = archive::checkPersonEntry(person);
  const auto stored = rejection(checked) ? Checked<archive::Stored>(*rejection(checked))
                                         : archive.store(std::get<archive::Person>(checked));
  if (const Rejection* refused = rejection(stored)) {
    platform_.showError(this,
                        "Die Transit-Datei ist geschrieben, die Person aber nicht im "
                        "Personenarchiv gespeichert:\r" +
                            refused->message);
  }
}

// The transit place is the birth place, with its zone, until the user
// gives the transit its own.
void NewTransitForm::followBirthPlace() {
  if (!transitFollowsBirth_) return;
  transitPlaceEdit_->setText(birthPlaceEdit_->text());
  transitLatitudeEdit_->setText(birthLatitudeEdit_->text());
  transitLongitudeEdit_->setText(birthLongitudeEdit_->text());
  transitZoneEdit_->setText(birthZoneEdit_->text());
}

// The present moment, as long as the user has not typed a date or a time,
// on the clock of the zone the field names (the fields stay as they are
// while it names none).
void NewTransitForm::showPresentMoment() {
  if (!presentMoment_) return;
  const auto zone = chart::TimeZone::parse(toUtf8(transitZoneEdit_->text()));
  if (rejection(zone)) return;
  const chart::LocalTime now = std::get<chart::TimeZone>(zone).toLocal(*presentMoment_);
  transitDateEdit_->setText(toQString(chart::dateText(now.date)));
  transitTimeEdit_->setText(toQString(chart::minuteText(now.time)));
}

chart::ChartEntry NewTransitForm::entry() const {
  const auto text = [](const QLineEdit* field) { return toUtf8(field->text()); };
  return {text(nameEdit_),
          text(firstNameEdit_),
          text(birthDateEdit_),
          text(birthTimeEdit_),
          text(birthZoneEdit_),
          text(birthLatitudeEdit_),
          text(birthLongitudeEdit_),
          text(transitPlaceEdit_),
          text(transitDateEdit_),
          text(transitTimeEdit_),
          text(transitZoneEdit_),
          text(transitLatitudeEdit_),
          text(transitLongitudeEdit_)};
}

QLineEdit* NewTransitForm::field(chart::ChartField which) const {
  using F = chart::ChartField;
  switch (which) {
    case F::name:
      return nameEdit_;
    case F::firstName:
      return firstNameEdit_;
    case F::birthDate:
      return birthDateEdit_;
    case F::birthTime:
      return birthTimeEdit_;
    case F::birthZone:
      return birthZoneEdit_;
    case F::birthLatitude:
      return birthLatitudeEdit_;
    case F::birthLongitude:
      return birthLongitudeEdit_;
    case F::place:
      return transitPlaceEdit_;
    case F::transitDate:
      return transitDateEdit_;
    case F::transitTime:
      return transitTimeEdit_;
    case F::transitZone:
      return transitZoneEdit_;
    case F::transitLatitude:
      return transitLatitudeEdit_;
    case F::transitLongitude:
      return transitLongitudeEdit_;
  }
  return nameEdit_;
}

void NewTransitForm::saveClicked() {
  const auto checked = chart::checkChartEntry(entry());
  if (const auto* refusal = std::get_if<chart::ChartRefusal>(&checked)) {
    platform_.showError(this, refusal->message);
    focusField(*field(refusal->field));
    return;
  }
  writeFile(std::get<chart::ChartRequest>(checked));
}

// transitFileName() with the transit date, in the transit folder; an
// existing file is replaced only when the user agrees.
bool NewTransitForm::writeFile(const chart::ChartRequest& request) {
  const chart::Date& day = request.transitLocal.date;
  const std::string name =
      transitFileName(request.name, request.firstName, day.day, day.month, day.year);
  const auto refused = fileNameRefusal(name);
  if (const auto refusal = refused ? refused : transitFileNameLengthRefusal(name)) {
    platform_.showError(this, *refusal);
    focusField(*nameEdit_);
    return false;
  }
  std::error_code error;
  std::filesystem::create_directories(transitFolder_, error);
  const std::filesystem::path target = transitFolder_ / pathFromUtf8(name);
  const std::string shown = toUtf8(pathText(target));
  if (std::filesystem::exists(target, error) &&
      !platform_.askYesNo(this,
                          "Die Datei " + shown + " gibt es schon.\rSoll sie ersetzt werden?")) {
    return false;
  }
  const std::optional<TransitRecord> record = computedRecord(request);
  if (!record) return false;
  if (const auto failure = writeTransitFile(target, *record)) {
    platform_.showError(this, *failure);
    return false;
  }
  storeInArchive();
  const bool load = platform_.askYesNo(
      this, "Die Transit-Datei " + shown + " ist gespeichert.\rSoll sie jetzt geladen werden?");
  accept();
  emit made(toQString(utf8FromPath(target)), load);
  return true;
}

// The record, or nothing after the message of a computation that failed
// (which it should not): the window stays open with everything entered.
std::optional<TransitRecord> NewTransitForm::computedRecord(const chart::ChartRequest& request) {
  try {
    return makeRecord_(request);
  } catch (const std::exception& error) {
    platform_.showError(
        this, "Die Transit-Datei lässt sich nicht berechnen: " + std::string(error.what()));
    return std::nullopt;
  }
}

}  // namespace kelvaro::ui
