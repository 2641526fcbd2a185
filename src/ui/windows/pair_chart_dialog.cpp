#include "ui/windows/pair_chart_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <chrono>
#include <system_error>

#include "archive/archive.h"
#include "archive/person_birth.h"
#include "archive/person_pair.h"
#include "atlas/place_atlas.h"
#include "chart/date_time.h"
#include "chart/time_zone.h"
#include "core/pair_texts.h"
#include "core/text_encoding.h"
#include "output/file_name_check.h"
#include "output/transit_file_name.h"
#include "output/transit_file_write.h"
#include "ui/help/pair_chart_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/platform.h"
#include "ui/platform/system_zone.h"
#include "ui/widgets/entry_field.h"
#include "ui/widgets/place_search.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::ui {
namespace {

QRadioButton* kindButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QRadioButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// A's birth place as the transit place.
archive::TransitPlace birthPlaceOf(const archive::Person& person) {
  const chart::ChartEntry birth = archive::birthEntry(person);
  return {person.place, birth.birthLatitude, birth.birthLongitude, birth.birthZone};
}

}  // namespace

PairChartDialog::PairChartDialog(Platform& platform, std::filesystem::path transitFolder,
                                 std::filesystem::path archiveFile, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      transitFolder_(std::move(transitFolder)),
      archiveFile_(std::move(archiveFile)) {
  setObjectName(QStringLiteral("PairChartDialog"));
  setWindowTitle(QStringLiteral("Vergleich"));
  setFont(captionFont(10, true));
  createControls();
  connect(swapButton_, &QPushButton::clicked, this, &PairChartDialog::swapPersons);
  connect(davisonButton_, &QRadioButton::toggled, storeDavisonBox_, &QCheckBox::setEnabled);
  for (QLineEdit* place : {place_, latitude_, longitude_, zone_}) {
    connect(place, &QLineEdit::textEdited, this, [this] { transitFollowsA_ = false; });
  }
  placeSearch_ = new PlaceSearch({place_, latitude_, longitude_, zone_}, placeMatches_, this);
  connect(placeSearch_, &PlaceSearch::placeChosen, this, [this] {
    transitFollowsA_ = false;
    focusNextChild();
  });
  connect(saveButton_, &QPushButton::clicked, this, &PairChartDialog::save);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void PairChartDialog::createControls() {
  auto* persons = new QGroupBox(QStringLiteral("Personen"), this);
  auto* who = new QGridLayout(persons);
  personA_ = new QLabel(persons);
  personA_->setObjectName(QStringLiteral("PersonA"));
  personB_ = new QLabel(persons);
  personB_->setObjectName(QStringLiteral("PersonB"));
  swapButton_ = new QPushButton(QStringLiteral("Tauschen"), persons);
  swapButton_->setObjectName(QStringLiteral("Tauschen"));
  who->addWidget(new QLabel(QStringLiteral("A:")), 0, 0);
  who->addWidget(personA_, 0, 1);
  who->addWidget(new QLabel(QStringLiteral("B:")), 1, 0);
  who->addWidget(personB_, 1, 1);
  who->addWidget(swapButton_, 0, 2, 2, 1);
  who->setColumnStretch(1, 1);

  auto* kinds = new QGroupBox(QStringLiteral("Art"), this);
  auto* kindRow = new QHBoxLayout(kinds);
  comparisonButton_ = kindButton(kinds, "Vergleich", QStringLiteral("&Vergleich"));
  compositeButton_ = kindButton(kinds, "Composit", QStringLiteral("&Composit"));
  davisonButton_ = kindButton(kinds, "Davison", QStringLiteral("&Davison"));
  auto* group = new QButtonGroup(this);
  for (QRadioButton* button : {comparisonButton_, compositeButton_, davisonButton_}) {
    group->addButton(button);
    kindRow->addWidget(button);
  }
  kindRow->addStretch();
  comparisonButton_->setChecked(true);

  auto* moment = new QGroupBox(QStringLiteral("Datum und Transit"), this);
  auto* transit = new QGridLayout(moment);
  place_ = entryField(moment, "Ort",
                      atlas::atlasAvailable() ? QStringLiteral("Ort suchen, z. B. Köln")
                                              : QStringLiteral("Ortsname"));
  placeMatches_ = PlaceSearch::matchList(moment, "OrtTreffer");
  date_ = entryField(moment, "Datum", QStringLiteral("TT.MM.JJJJ"));
  time_ = entryField(moment, "Zeit", QStringLiteral("HH:MM"));
  zone_ = entryField(moment, "Zeitzone", QStringLiteral("z. B. Europe/Berlin"));
  latitude_ = entryField(moment, "Breite", QStringLiteral("z. B. 50°56' N"));
  longitude_ = entryField(moment, "Laenge", QStringLiteral("z. B. 06°57' O"));
  addFieldRow(*transit, 0, 0, QStringLiteral("Datum"), date_);
  addFieldRow(*transit, 0, 2, QStringLiteral("Zeit"), time_);
  addFieldRow(*transit, 1, 0, QStringLiteral("Ort"), place_, 3);
  transit->addWidget(placeMatches_, 2, 1, 1, 3);
  addFieldRow(*transit, 3, 0, QStringLiteral("Zeitzone"), zone_);
  addFieldRow(*transit, 4, 0, QStringLiteral("Breite"), latitude_);
  addFieldRow(*transit, 4, 2, QStringLiteral("Länge"), longitude_);

  storeDavisonBox_ = new QCheckBox(QStringLiteral("Davison als Person im Archiv speichern"), this);
  storeDavisonBox_->setObjectName(QStringLiteral("DavisonSpeichern"));
  storeDavisonBox_->setEnabled(false);
  saveButton_ = new QPushButton(QStringLiteral("Speichern"), this);
  saveButton_->setObjectName(QStringLiteral("Speichern"));
  cancelButton_ = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancelButton_->setObjectName(QStringLiteral("Abbrechen"));
  for (QPushButton* button : {saveButton_, cancelButton_, swapButton_}) {
    button->setAutoDefault(false);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addWindowHelp(*this, QStringLiteral("Vergleich"), pairChartHelp()));
  buttons->addWidget(storeDavisonBox_);
  buttons->addStretch();
  buttons->addWidget(saveButton_);
  buttons->addWidget(cancelButton_);

  auto* all = new QVBoxLayout(this);
  all->addWidget(persons);
  all->addWidget(kinds);
  all->addWidget(moment);
  all->addLayout(buttons);
  setMinimumWidth(560);
}

void PairChartDialog::openFor(const archive::Person& first, const archive::Person& second) {
  first_ = first;
  second_ = second;
  showPersons();
  prefillTransit();
  setModal(true);
  show();
  activateWindow();
  saveButton_->setFocus(Qt::OtherFocusReason);
}

void PairChartDialog::showPersons() {
  const auto shown = [](const archive::Person& person) {
    return toQString(archive::displayName(person) + ", " + archive::birthDateText(person) +
                     (person.place.empty() ? "" : ", " + person.place));
  };
  personA_->setText(shown(*first_));
  personB_->setText(shown(*second_));
}

void PairChartDialog::swapPersons() {
  std::swap(first_, second_);
  showPersons();
  if (transitFollowsA_) showTransitPlace(birthPlaceOf(*first_));
}

// Now, in the zone of the transit place used last (as a new transit file of
// a person has it); without one at A's birth place, which follows A when the
// persons are swapped until the user types a place.
void PairChartDialog::prefillTransit() {
  std::optional<archive::TransitPlace> place;
  auto opened = archive::Archive::open(archiveFile_, archive::Archive::Access::read);
  if (!rejection(opened)) {
    const auto last = std::get<archive::Archive>(opened).lastTransitPlace();
    if (!rejection(last)) place = std::get<std::optional<archive::TransitPlace>>(last);
  }
  transitFollowsA_ = !place || rejection(chart::TimeZone::parse(place->zone));
  showTransitPlace(transitFollowsA_ ? birthPlaceOf(*first_) : *place);
  const auto zone = chart::TimeZone::parse(toUtf8(zone_->text()));
  const chart::TimeZone shown = rejection(zone) ? systemZone() : std::get<chart::TimeZone>(zone);
  const chart::LocalTime now =
      shown.toLocal(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
  date_->setText(toQString(chart::dateText(now.date)));
  time_->setText(toQString(chart::minuteText(now.time)));
}

void PairChartDialog::showTransitPlace(const archive::TransitPlace& place) {
  placeSearch_->clear();
  place_->setText(toQString(place.place));
  latitude_->setText(toQString(place.latitude));
  longitude_->setText(toQString(place.longitude));
  zone_->setText(toQString(place.zone));
}

chart::PairKind PairChartDialog::chosenKind() const {
  if (compositeButton_->isChecked()) return chart::PairKind::composite;
  if (davisonButton_->isChecked()) return chart::PairKind::davison;
  return chart::PairKind::comparison;
}

void PairChartDialog::save() {
  auto entries = archive::pairEntries(*first_, *second_);
  if (const Rejection* refused = rejection(entries)) {
    platform_.showError(this, refused->message);
    return;
  }
  archive::PairEntries& pair = std::get<archive::PairEntries>(entries);
  pair.first.place = toUtf8(place_->text().trimmed());
  pair.first.transitDate = toUtf8(date_->text().trimmed());
  pair.first.transitTime = toUtf8(time_->text().trimmed());
  pair.first.transitZone = toUtf8(zone_->text().trimmed());
  pair.first.transitLatitude = toUtf8(latitude_->text().trimmed());
  pair.first.transitLongitude = toUtf8(longitude_->text().trimmed());
  const auto made = chart::computePairChart(chosenKind(), pair.first, pair.second);
  if (const Rejection* refused = rejection(made)) {
    platform_.showError(this, refused->message);
    return;
  }
  for (const std::string& note : pair.notes) platform_.showInformation(this, note);
  writeFile(std::get<chart::PairChart>(made), pair.first, pair.second);
}

// The file in the transit folder under a name of both; an existing file is
// replaced only when the user agrees.
bool PairChartDialog::writeFile(const chart::PairChart& chart, const chart::ChartEntry& first,
                                const chart::ChartEntry& second) {
  const auto [name, firstName] = chart::pairFileNameParts(chosenKind(), first, second);
  const auto day = chart::checkDate("Transitdatum", first.transitDate);
  const chart::Date& date = std::get<chart::Date>(day);  // checked with the chart
  const std::string fileName = transitFileName(name, firstName, date.day, date.month, date.year);
  const auto refused = fileNameRefusal(fileName);
  if (const auto refusal = refused ? refused : transitFileNameLengthRefusal(fileName)) {
    platform_.showError(this, *refusal);
    return false;
  }
  std::error_code error;
  std::filesystem::create_directories(transitFolder_, error);
  const std::filesystem::path target = transitFolder_ / pathFromUtf8(fileName);
  const std::string shown = toUtf8(pathText(target));
  if (std::filesystem::exists(target, error) &&
      !platform_.askYesNo(this,
                          "Die Datei " + shown + " gibt es schon.\rSoll sie ersetzt werden?")) {
    return false;
  }
  if (const auto failure = writeTransitFile(target, chart.record)) {
    platform_.showError(this, *failure);
    return false;
  }
  rememberInArchive(chart);
  const bool load = platform_.askYesNo(
      this, "Die Transit-Datei " + shown + " ist gespeichert.\rSoll sie jetzt geladen werden?");
  accept();
  emit made(toQString(utf8FromPath(target)), load);
  return true;
}

// The transit place for the next time and, where asked for, the Davison
// chart as a person. A failure of the archive is reported; the file is
// written all the same.
void PairChartDialog::rememberInArchive(const chart::PairChart& chart) {
  auto opened = archive::Archive::open(archiveFile_);
  const bool storeDavison = davisonButton_->isChecked() && storeDavisonBox_->isChecked();
  if (const Rejection* refused = rejection(opened)) {
    if (storeDavison) platform_.showError(this, refused->message);
    return;
  }
  archive::Archive& archive = std::get<archive::Archive>(opened);
  archive.rememberTransitPlace(
      {toUtf8(place_->text().trimmed()), toUtf8(latitude_->text().trimmed()),
       toUtf8(longitude_->text().trimmed()), toUtf8(zone_->text().trimmed())});
  if (!storeDavison) return;
  const auto person = archive::davisonPerson(chart.davison, *first_, *second_);
  const auto stored = rejection(person) ? Checked<archive::Stored>(*rejection(person))
                                        : archive.store(std::get<archive::Person>(person));
  if (const Rejection* refused = rejection(stored)) {
    platform_.showError(this,
                        "Die Transit-Datei ist geschrieben, das Davison-Horoskop aber nicht im "
                        "Personenarchiv gespeichert:\r" +
                            refused->message);
  }
}

}  // namespace kelvaro::ui
