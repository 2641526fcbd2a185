#include "ui/windows/calendar_window.h"

#include <algorithm>
#include <chrono>
#include <exception>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/orb_entry.h"
#include "output/csv_text.h"
#include "output/file_replace.h"
#include "output/save.h"
#include "print/print.h"
#include "timing/calendar_entry.h"
#include "timing/ical_export.h"
#include "timing/timeline_table.h"
#include "ui/help/calendar_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/platform.h"
#include "ui/platform/printer_setup.h"
#include "ui/platform/timeline_choices.h"
#include "ui/widgets/date_field.h"
#include "ui/widgets/dial_size_box.h"
#include "ui/widgets/entry_field.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/named_controls.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_keys.h"
#include "ui/widgets/window_style.h"
#include "ui/windows/ephemeris_window.h"

namespace kelvaro::ui {
namespace {

constexpr int kProgressSteps = 1000;
constexpr int kProgressDelayMs = 250;  // shorter computations show no progress bar
constexpr int kBodyColumns = 5;
constexpr int kFactorColumns = 6;

QLabel* hint(const QString& text, const char* name) {
  auto* label = named(new QLabel(text), name);
  label->setFont(captionFont(8, false, true));
  return label;
}

// A check box per factor in a grid, ticked as `ticked` says.
template <std::size_t N, typename Ticked>
void fillFactorGrid(QGroupBox& group, std::array<QCheckBox*, N>& boxes,
                    const std::array<int, N>& factors, int columns, const QString& prefix,
                    Ticked ticked) {
  auto* grid = new QGridLayout(&group);
  for (std::size_t i = 0; i < N; ++i) {
    const int number = factors[i];
    boxes[i] = new QCheckBox(toQString(factorName(number)));
    boxes[i]->setObjectName(prefix + toQString(factorName(number)));
    boxes[i]->setChecked(ticked(number));
    grid->addWidget(boxes[i], static_cast<int>(i) / columns, static_cast<int>(i) % columns);
  }
}

std::array<int, factor::kLastInTables> directedFactors() {
  std::array<int, factor::kLastInTables> factors{};
  for (int i = 0; i < factor::kLastInTables; ++i) factors[static_cast<std::size_t>(i)] = i + 1;
  return factors;
}

// "TTMMJJJJ"
std::string compactDate(const chart::Date& day) {
  std::string text = chart::dateText(day);
  text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
  return text;
}

}  // namespace

CalendarWindow::CalendarWindow(Platform& platform, QWidget* parent, ResultHandler onResult,
                               std::filesystem::path resultFolder)
    : QDialog(parent),
      platform_(platform),
      onResult_(std::move(onResult)),
      computation_(timing::transitCalendar),
      resultFolder_(std::move(resultFolder)) {
  setObjectName(QStringLiteral("CalendarWindow"));
  setWindowTitle(QStringLiteral("Transit-Kalender"));
  setFont(captionFont(9, true));
  // The window paints all of its area itself, at any size: maximised, what
  // lies beside its controls is its own background, never what the screen
  // showed before.
  setAutoFillBackground(true);
  createControls();
  connect(computeButton_, &QPushButton::clicked, this, &CalendarWindow::computeClicked);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(printButton_, &QPushButton::clicked, this, &CalendarWindow::printClicked);
  connect(pdfButton_, &QPushButton::clicked, this, &CalendarWindow::pdfClicked);
  connect(saveButton_, &QPushButton::clicked, this, &CalendarWindow::saveClicked);
  connect(csvButton_, &QPushButton::clicked, this, &CalendarWindow::csvClicked);
  connect(exportButton_, &QPushButton::clicked, this, &CalendarWindow::exportClicked);
  connect(ephemerisButton_, &QPushButton::clicked, this, &CalendarWindow::ephemerisClicked);
  for (QCheckBox* kind : {solarArcBox_, progressedBox_, transitBox_}) {
    connect(kind, &QCheckBox::toggled, this, &CalendarWindow::showKinds);
  }
}

void CalendarWindow::createControls() {
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(
      addWindowHelp(*this, QStringLiteral("Transit-Kalender und Zeitleiste"), calendarHelp()));
  buttons->addStretch(1);
  computeButton_ = named(new QPushButton(QStringLiteral("Berechnen")), "ComputeButton");
  computeButton_->setDefault(true);
  closeButton_ = named(new QPushButton(QStringLiteral("Schließen")), "CloseButton");
  buttons->addWidget(computeButton_);
  buttons->addWidget(closeButton_);

  auto* entries = new QVBoxLayout;
  entries->addLayout(createKindRow());
  entries->addLayout(createRangeGrid());
  entries->addWidget(createBodyGroup());
  entries->addWidget(createFactorGroup());
  entries->addWidget(createPointGroup());
  entries->addLayout(createFilterGrid());
  entries->addStretch(1);
  entries->addLayout(buttons);

  auto* all = new QHBoxLayout(this);
  all->addLayout(entries);
  all->addWidget(createResultArea(), 1);
}

QLayout* CalendarWindow::createKindRow() {
  solarArcBox_ = named(new QCheckBox(QStringLiteral("S  Solarbogen")), "SolarArcBox");
  progressedBox_ = named(new QCheckBox(QStringLiteral("P  Progression")), "ProgressedBox");
  transitBox_ = named(new QCheckBox(QStringLiteral("T  Transite")), "TransitBox");
  transitBox_->setChecked(true);
  auto* row = new QHBoxLayout;
  for (QCheckBox* kind : {solarArcBox_, progressedBox_, transitBox_}) row->addWidget(kind);
  row->addStretch(1);
  return row;
}

QLayout* CalendarWindow::createRangeGrid() {
  fromLabel_ = named(new QLabel(QStringLiteral("Von")), "FromLabel");
  fromDateEdit_ =
      named(new DateField(timing::kFirstCalendarYear, timing::kLastCalendarYear), "FromDate");
  toLabel_ = named(new QLabel(QStringLiteral("Bis")), "ToLabel");
  toDateEdit_ =
      named(new DateField(timing::kFirstCalendarYear, timing::kLastCalendarYear), "ToDate");
  const QDate today = QDate::currentDate();
  fromDateEdit_->setDate(today);
  toDateEdit_->setDate(today.addMonths(3));
  zoneLabel_ = named(new QLabel(QStringLiteral("Zeitzone")), "ZoneLabel");
  zoneEdit_ = named(new QLineEdit(QStringLiteral("Europe/Berlin")), "ZoneEdit");
  fromLabel_->setBuddy(fromDateEdit_);
  toLabel_->setBuddy(toDateEdit_);
  zoneLabel_->setBuddy(zoneEdit_);

  auto* grid = new QGridLayout;
  grid->addWidget(fromLabel_, 0, 0);
  grid->addWidget(fromDateEdit_, 0, 1);
  grid->addWidget(toLabel_, 0, 2);
  grid->addWidget(toDateEdit_, 0, 3);
  grid->addWidget(zoneLabel_, 1, 0);
  grid->addWidget(zoneEdit_, 1, 1, 1, 3);
  grid->setColumnStretch(4, 1);
  return grid;
}

QGroupBox* CalendarWindow::createBodyGroup() {
  bodyGroup_ = named(new QGroupBox(QStringLiteral("Transit-Körper (T)")), "BodyGroup");
  const std::vector<int> ticked = timing::defaultCalendarBodies();
  fillFactorGrid(*bodyGroup_, bodyBoxes_, timing::kCalendarBodies, kBodyColumns,
                 QStringLiteral("BodyBox"), [&ticked](int body) {
                   return std::find(ticked.begin(), ticked.end(), body) != ticked.end();
                 });
  return bodyGroup_;
}

QGroupBox* CalendarWindow::createFactorGroup() {
  factorGroup_ = named(new QGroupBox(QStringLiteral("Faktoren (S und P)")), "FactorGroup");
  fillFactorGrid(*factorGroup_, factorBoxes_, directedFactors(), kFactorColumns,
                 QStringLiteral("FactorBox"), [](int) { return true; });
  return factorGroup_;
}

QGroupBox* CalendarWindow::createPointGroup() {
  pointGroup_ = named(new QGroupBox(QStringLiteral("Punkte")), "PointGroup");
  factorsButton_ = named(new QRadioButton(QStringLiteral("Faktoren")), "FactorsOnlyButton");
  midpointsButton_ = named(new QRadioButton(QStringLiteral("Halbsummen")), "MidpointsOnlyButton");
  bothButton_ = named(new QRadioButton(QStringLiteral("beide")), "BothButton");
  bothButton_->setChecked(true);
  auto* row = new QHBoxLayout(pointGroup_);
  for (QRadioButton* choice : {factorsButton_, midpointsButton_, bothButton_}) {
    row->addWidget(choice);
  }
  row->addStretch(1);
  return pointGroup_;
}

QLayout* CalendarWindow::createFilterGrid() {
  withLabel_ = named(new QLabel(QStringLiteral("mit Faktoren")), "WithLabel");
  withEdit_ = named(new QLineEdit, "WithEdit");
  withHint_ = hint(QStringLiteral("z. B. MC,SO; leer: alle"), "WithHint");
  orbLabel_ = named(new QLabel(QStringLiteral("Orbis (S und P)")), "OrbLabel");
  orbEdit_ = named(new QLineEdit, "OrbEdit");
  orbHint_ = hint(QStringLiteral("z. B. 1:12; leer: ohne"), "OrbHint");
  dialLabel_ = named(new QLabel(QStringLiteral("Scheibe")), "DialSizeLabel");
  dialBox_ = new DialSizeBox(QStringLiteral("calendar"));
  dialHint_ = hint(QStringLiteral("Vorgabe 22,5°"), "DialSizeHint");
  dialLabel_->setBuddy(dialBox_);
  withLabel_->setBuddy(withEdit_);
  orbLabel_->setBuddy(orbEdit_);
  auto* grid = new QGridLayout;
  grid->addWidget(withLabel_, 0, 0);
  grid->addWidget(withEdit_, 0, 1);
  grid->addWidget(withHint_, 0, 2);
  grid->addWidget(orbLabel_, 1, 0);
  grid->addWidget(orbEdit_, 1, 1);
  grid->addWidget(orbHint_, 1, 2);
  grid->addWidget(dialLabel_, 2, 0);
  grid->addWidget(dialBox_, 2, 1);
  grid->addWidget(dialHint_, 2, 2);
  grid->setColumnStretch(2, 1);
  return grid;
}

QWidget* CalendarWindow::createResultArea() {
  resultArea_ = named(new QWidget, "TimelineArea");
  headingLabel_ = named(new QLabel, "TimelineHeading");
  noteLabel_ = named(new QLabel, "TimelineNote");
  noteLabel_->setWordWrap(true);
  noteLabel_->hide();
  resultView_ = named(new LineView, "TimelineList");
  resultView_->setFont(fixedPitchFont(9, true));
  resultView_->setMinimumWidth(560);
  printButton_ = named(new QPushButton(QStringLiteral("Drucken")), "PrintButton");
  pdfButton_ = named(new QPushButton(QStringLiteral("Als PDF speichern")), "PdfButton");
  saveButton_ = named(new QPushButton(QStringLiteral("Speichern")), "SaveButton");
  addPrintAndSaveKeys(*this, *printButton_, *saveButton_);
  csvButton_ = named(new QPushButton(QStringLiteral("Als CSV speichern …")), "CsvButton");
  exportButton_ = named(new QPushButton(QStringLiteral("iCal exportieren …")), "ExportButton");
  icsEveryLineBox_ = named(new QCheckBox(QStringLiteral("iCal: jede Zeile")), "IcsEveryLineBox");
  icsEveryLineBox_->setToolTip(QStringLiteral(
      "Ohne Haken schreibt „iCal exportieren …“ S und P ohne MO und T von JU bis PL, damit ein "
      "Jahr im Kalender lesbar bleibt; mit Haken jede Zeile der Liste."));
  ephemerisButton_ =
      named(new QPushButton(QStringLiteral("Grafische Ephemeride")), "EphemerisButton");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : resultButtons()) {
    button->setEnabled(false);
    buttons->addWidget(button);
    if (button == exportButton_) buttons->addWidget(icsEveryLineBox_);
  }
  buttons->addStretch(1);
  auto* column = new QVBoxLayout(resultArea_);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(noteLabel_);
  column->addWidget(headingLabel_);
  column->addWidget(resultView_, 1);
  column->addLayout(buttons);
  return resultArea_;
}

// A transit file has T only; S, P and what belongs to them are for persons.
void CalendarWindow::showKinds() {
  const bool forPerson = person_.has_value();
  solarArcBox_->setEnabled(forPerson);
  progressedBox_->setEnabled(forPerson);
  const QString why = forPerson ? QString()
                                : QStringLiteral(
                                      "S und P brauchen die Geburt einer Person: "
                                      "„Zeitleiste …“ im Personenarchiv.");
  solarArcBox_->setToolTip(why);
  progressedBox_->setToolTip(why);
  const bool directions = solarArcBox_->isChecked() || progressedBox_->isChecked();
  bodyGroup_->setEnabled(transitBox_->isChecked());
  factorGroup_->setVisible(forPerson);
  factorGroup_->setEnabled(directions);
  for (QWidget* orb : std::initializer_list<QWidget*>{orbLabel_, orbEdit_, orbHint_}) {
    orb->setVisible(forPerson);
    orb->setEnabled(directions);
  }
  resultArea_->setVisible(forPerson);
}

void CalendarWindow::openFor(const TransitRecord& record) {
  record_ = record;
  person_.reset();
  setWindowTitle(QStringLiteral("Transit-Kalender"));
  dialBox_->useChoiceOf(QStringLiteral("calendar"));
  solarArcBox_->setChecked(false);
  progressedBox_->setChecked(false);
  transitBox_->setChecked(true);
  showKinds();
  setModal(true);
  show();
  activateWindow();
  computeButton_->setFocus(Qt::OtherFocusReason);
}

void CalendarWindow::openFor(const chart::BirthData& person, const std::string& note) {
  noteLabel_->setText(toQString(note));
  noteLabel_->setVisible(!note.empty());
  const bool samePerson = person_ && person_->name == person.name &&
                          person_->firstName == person.firstName &&
                          person_->moment == person.moment;
  person_ = person;
  record_.reset();
  dialBox_->useChoiceOf(QStringLiteral("timeline"));
  std::string title = person.name;
  if (!person.firstName.empty()) title += ", " + person.firstName;
  setWindowTitle(QStringLiteral("Zeitleiste – ") + toQString(title));
  if (!samePerson) {
    showTimelineChoices(rememberedTimelineChoices().value_or(TimelineChoices{}));
    timeline_.reset();
    resultView_->clear();
    headingLabel_->clear();
    for (QPushButton* button : resultButtons()) button->setEnabled(false);
  }
  showKinds();
  setModal(true);
  show();
  activateWindow();
  computeButton_->setFocus(Qt::OtherFocusReason);
}

// The choices of the last timeline, or those of a first one: S, P and T,
// the usual bodies, both kinds of points, no orb, and the zone of the
// user's own clock (where the program does not know it, the birth's).
void CalendarWindow::showTimelineChoices(const TimelineChoices& choices) {
  solarArcBox_->setChecked(choices.movers[0]);
  progressedBox_->setChecked(choices.movers[1]);
  transitBox_->setChecked(choices.movers[2]);
  for (std::size_t i = 0; i < bodyBoxes_.size(); ++i) {
    bodyBoxes_[i]->setChecked(std::find(choices.bodies.begin(), choices.bodies.end(),
                                        timing::kCalendarBodies[i]) != choices.bodies.end());
  }
  factorsButton_->setChecked(choices.points == timing::CalendarPoints::factors);
  midpointsButton_->setChecked(choices.points == timing::CalendarPoints::midpoints);
  bothButton_->setChecked(choices.points == timing::CalendarPoints::all);
  const std::string zone =
      !choices.zone.empty() ? choices.zone : userZoneName().value_or(person_->zone.name());
  zoneEdit_->setText(toQString(zone));
  orbEdit_->setText(toQString(choices.orb));
}

TimelineChoices CalendarWindow::timelineChoices() const {
  TimelineChoices choices;
  choices.movers = {solarArcBox_->isChecked(), progressedBox_->isChecked(),
                    transitBox_->isChecked()};
  choices.bodies.clear();
  for (std::size_t i = 0; i < bodyBoxes_.size(); ++i) {
    if (bodyBoxes_[i]->isChecked()) choices.bodies.push_back(timing::kCalendarBodies[i]);
  }
  choices.points = factorsButton_->isChecked()     ? timing::CalendarPoints::factors
                   : midpointsButton_->isChecked() ? timing::CalendarPoints::midpoints
                                                   : timing::CalendarPoints::all;
  choices.zone = toUtf8(zoneEdit_->text().trimmed());
  choices.orb = toUtf8(orbEdit_->text().trimmed());
  return choices;
}

std::optional<timing::CalendarRequest> CalendarWindow::checkedRequest() {
  timing::CalendarEntry entry;
  entry.from = chart::dateText(dayOf(*fromDateEdit_));
  entry.to = chart::dateText(dayOf(*toDateEdit_));
  entry.zone = toUtf8(zoneEdit_->text());
  entry.movers = {solarArcBox_->isEnabled() && solarArcBox_->isChecked(),
                  progressedBox_->isEnabled() && progressedBox_->isChecked(),
                  transitBox_->isChecked()};
  for (std::size_t i = 0; i < bodyBoxes_.size(); ++i) {
    if (bodyBoxes_[i]->isChecked()) entry.bodies.push_back(timing::kCalendarBodies[i]);
  }
  for (std::size_t i = 0; i < factorBoxes_.size(); ++i) {
    if (factorBoxes_[i]->isChecked()) entry.factors.push_back(static_cast<int>(i) + 1);
  }
  entry.points = factorsButton_->isChecked()     ? timing::CalendarPoints::factors
                 : midpointsButton_->isChecked() ? timing::CalendarPoints::midpoints
                                                 : timing::CalendarPoints::all;
  entry.with = toUtf8(withEdit_->text());
  entry.dial = dialBox_->dialSize();
  const QString orb = orbEdit_->text().trimmed();
  if (person_ && !orb.isEmpty()) {
    entry.orb = parseOrbText(toUtf8(orb));
    if (!entry.orb) {
      platform_.showError(this, orbTextRefusal(toUtf8(orb)));
      focusField(*orbEdit_);
      return std::nullopt;
    }
  }
  auto checked = timing::checkCalendarEntry(entry);
  if (const auto* refusal = std::get_if<timing::CalendarRefusal>(&checked)) {
    platform_.showError(this, refusal->message);
    focusRefused(refusal->field);
    return std::nullopt;
  }
  return std::get<timing::CalendarRequest>(std::move(checked));
}

void CalendarWindow::focusRefused(timing::CalendarField field) {
  using F = timing::CalendarField;
  switch (field) {
    case F::from:
      fromDateEdit_->setFocus(Qt::OtherFocusReason);
      return;
    case F::to:
      toDateEdit_->setFocus(Qt::OtherFocusReason);
      return;
    case F::zone:
      focusField(*zoneEdit_);
      return;
    case F::movers:
      transitBox_->setFocus(Qt::OtherFocusReason);
      return;
    case F::bodies:
      bodyBoxes_.front()->setFocus(Qt::OtherFocusReason);
      return;
    case F::factors:
      factorBoxes_.front()->setFocus(Qt::OtherFocusReason);
      return;
    case F::with:
      focusField(*withEdit_);
      return;
  }
}

// The computation runs here, on the window thread; the progress bar lets the
// events through while it runs, and its own modality keeps every other
// window from being used meanwhile. Nothing changes when it is cancelled or
// fails.
void CalendarWindow::computeClicked() {
  if (!record_ && !person_) return;
  const auto request = checkedRequest();
  if (!request) return;
  QProgressDialog progress(QStringLiteral("Die Zeilen werden berechnet …"),
                           QStringLiteral("Abbrechen"), 0, kProgressSteps, this);
  progress.setObjectName(QStringLiteral("CalendarProgress"));
  progress.setWindowTitle(windowTitle());
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(kProgressDelayMs);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setValue(0);
  const timing::CalendarProgress shown = [&progress](double done) {
    progress.setValue(static_cast<int>(done * kProgressSteps));
    return !progress.wasCanceled();
  };
  try {
    if (record_) {
      const auto result = computation_(*record_, *request, shown);
      if (!result) return;  // cancelled: the list stays as it was, the window open
      accept();
      onResult_(*result);
      return;
    }
    auto computed = timing::timeline(*person_, *request, shown);
    if (!computed) return;
    timeline_ = std::move(computed);
    rememberTimelineChoices(timelineChoices());
  } catch (const std::exception& failure) {
    progress.close();
    platform_.showError(this, std::string(record_ ? "Der Transit-Kalender" : "Die Zeitleiste") +
                                  " lässt sich nicht berechnen: " + failure.what());
    return;
  }
  shownRequest_ = request;
  headingLabel_->setText(toQString(timeline_->result.heading));
  resultView_->setLines(timeline_->result.lines);
  resultView_->showFromTop();
  for (QPushButton* button : resultButtons()) button->setEnabled(true);
}

// The header of the printed and saved timeline: "Müller,Anna, Zeitleiste,
// 01.01.2026, 31.12.2030".
TransitRecord CalendarWindow::headerRecord() const {
  TransitRecord header;
  header.texts[0] = person_->name;
  header.texts[1] = person_->firstName;
  header.texts[2] = "Zeitleiste";
  header.texts[3] = chart::dateText(shownRequest_->from);
  header.texts[4] = chart::dateText(shownRequest_->to);
  return header;
}

// "Müller-Anna-Zeitleiste-01012026-31122030.txt"
std::string CalendarWindow::proposedName(const char* extension) const {
  std::string name = person_->name;
  if (!person_->firstName.empty()) name += "-" + person_->firstName;
  return name + "-Zeitleiste-" + compactDate(shownRequest_->from) + "-" +
         compactDate(shownRequest_->to) + "." + extension;
}

void CalendarWindow::printClicked() {
  if (!timeline_) return;
  const TransitRecord header = headerRecord();
  QPrinter printer;
  presetPageOrientation(printer, header, timeline_->result.lines);
  if (!setUpPrinterOrOfferPdf(platform_, this, printer, [this] { pdfClicked(); })) return;
  if (const auto failure = printResultList(printer, header, timeline_->result.lines)) {
    platform_.showError(this, *failure);
  }
}

// "Als PDF speichern": the pages "Drucken" prints, into a PDF file.
void CalendarWindow::pdfClicked() {
  if (!timeline_) return;
  const auto chosen = platform_.chooseSaveFile(this, "Als PDF speichern", resultFolder_,
                                               proposedName("pdf"), {"PDF-Dokument (*.pdf)"});
  if (!chosen) return;
  const TransitRecord header = headerRecord();
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(toQString(*chosen));
  presetPageOrientation(printer, header, timeline_->result.lines);
  if (const auto failure = printResultList(printer, header, timeline_->result.lines)) {
    platform_.showError(this, *failure);
    return;
  }
  platform_.showInformation(this, "Gespeichert unter\r" + *chosen);
}

// The save dialog in the result folder with a proposed name; it asks before
// it replaces a file, and the file is replaced only by a complete new one.
bool CalendarWindow::writeChosenFile(const std::string& title, const char* extension,
                                     const std::string& fileType, const std::string& bytes,
                                     const std::string& report) {
  const auto chosen =
      platform_.chooseSaveFile(this, title, resultFolder_, proposedName(extension), {fileType});
  if (!chosen) return false;
  const std::filesystem::path target = pathFromUtf8(*chosen);
  if (const std::error_code error = replaceFileContents(target, bytes)) {
    platform_.showError(
        this, "Die Datei " + *chosen + " lässt sich nicht speichern: " + systemErrorText(error));
    return false;
  }
  platform_.showInformation(this, report + "Gespeichert unter\r" + *chosen);
  return true;
}

void CalendarWindow::saveClicked() {
  if (!timeline_) return;
  writeChosenFile("Speichern", "txt", "Textdatei (*.txt)",
                  resultFileText(headerRecord(), timeline_->result.lines));
}

// The lines as a table for spreadsheets, made from the hits.
void CalendarWindow::csvClicked() {
  if (!timeline_) return;
  const TextTable table = timing::timelineTable(*timeline_, *shownRequest_);
  writeChosenFile("Als CSV speichern", "csv", "CSV-Tabelle (*.csv)", csvText(table));
}

void CalendarWindow::exportClicked() {
  if (!timeline_) return;
  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  const timing::IcalFilter filter{.everyHit = icsEveryLineBox_->isChecked()};
  const timing::IcalCalendar calendar = timing::icalendarOf(*person_, *timeline_, now, filter);
  writeChosenFile("iCal exportieren", "ics", "iCalendar-Datei (*.ics)", calendar.text,
                  timing::icalendarReport(calendar, filter) + "\r");
}

// The ephemeris of the timeline shown; its marks choose lines of the list.
void CalendarWindow::ephemerisClicked() {
  if (!timeline_) return;
  if (!ephemerisWindow_) {
    ephemerisWindow_ = new EphemerisWindow(platform_, this, resultFolder_);
    connect(ephemerisWindow_, &EphemerisWindow::lineChosen, this, &CalendarWindow::selectLine);
  }
  ephemerisWindow_->showTimeline(*person_, "", *shownRequest_, *timeline_);
}

void CalendarWindow::selectLine(std::size_t line) {
  if (line >= resultView_->lines().size()) return;
  const auto length = toQString(resultView_->lines()[line]).size();
  resultView_->select({line, 0}, {line, length});
  resultView_->ensureVisible({line, 0});
}

}  // namespace kelvaro::ui
