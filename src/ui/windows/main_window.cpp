#include "ui/windows/main_window.h"

#include <system_error>
#include <utility>
#include <variant>

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include "archive/archive.h"
#include "archive/archive_move.h"
#include "archive/pair_persons.h"
#include "archive/person_birth.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "core/version.h"
#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/position_check.h"
#include "loading/transit_file.h"
#include "output/csv_text.h"
#include "output/file_replace.h"
#include "output/page_file.h"
#include "output/result_file.h"
#include "output/save.h"
#include "print/print.h"
#include "ui/help/intro_text.h"
#include "ui/help/main_window_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/pdf_save.h"
#include "ui/platform/platform.h"
#include "ui/platform/printer_setup.h"
#include "ui/platform/save_question.h"
#include "ui/widgets/clickable_label.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_keys.h"
#include "ui/windows/calendar_window.h"
#include "ui/windows/content_overview_window.h"
#include "ui/windows/dial_window.h"
#include "ui/windows/new_transit_form.h"
#include "ui/windows/orb_dialog.h"
#include "ui/windows/pair_chart_dialog.h"
#include "ui/windows/persons_window.h"
#include "ui/windows/picture_table_window.h"

namespace kelvaro::ui {
namespace {

constexpr std::string_view kNoFileMessage =
    "Ohne eine ausgewählte Datei hat das Programm keine Aufgaben-Gundlage.        \r";

std::string folderMissingMessage(const std::filesystem::path& folder) {
  return "Verzeichnis " + toUtf8(pathText(folder)) + " nicht gefunden";
}

}  // namespace

MainWindow::MainWindow(Platform& platform, ProgramFolders folders)
    : platform_(platform),
      folders_(std::move(folders)),
      keywords_(folders_.program / kKeywordsFileName) {
  setObjectName(QStringLiteral("TForm1"));
  createControls();
  connectControls();
  connectSearchOptions();
  startUp();
}

void MainWindow::useWindows(OrbDialog& orbEntry, HelpWindow& help,
                            ContentOverviewWindow& contentOverview) {
  orbDialog_ = &orbEntry;
  panelHelp_ = &help;
  contentOverview_ = &contentOverview;
  connect(contentOverview_, &ContentOverviewWindow::printClicked, this,
          [this] { printLines(contentOverview_, ResultText(contentOverview_->lines())); });
  connect(contentOverview_, &ContentOverviewWindow::saveClicked, this,
          [this] { saveLines(contentOverview_, ResultText(contentOverview_->lines())); });
  connect(contentOverview_, &ContentOverviewWindow::savePdfClicked, this,
          [this] { savePdfOf(contentOverview_, ResultText(contentOverview_->lines())); });
}

void MainWindow::connectControls() {
  connect(continueButton_, &QPushButton::clicked, this, &MainWindow::continueClicked);
  connect(newTransitButton_, &QPushButton::clicked, this, &MainWindow::newTransitClicked);
  for (QPushButton* persons : {introPersonsButton_, personsButton_}) {
    connect(persons, &QPushButton::clicked, this, &MainWindow::personsClicked);
  }
  connect(dialButton_, &QPushButton::clicked, this, &MainWindow::dialClicked);
  connect(calendarButton_, &QPushButton::clicked, this, &MainWindow::calendarClicked);
  connect(restartButton_, &QPushButton::clicked, this, &MainWindow::restartClicked);
  connect(printButton_, &QPushButton::clicked, this, &MainWindow::printListClicked);
  connect(saveButton_, &QPushButton::clicked, this, &MainWindow::saveListClicked);
  connect(savePdfButton_, &QPushButton::clicked, this, &MainWindow::savePdfOfListClicked);
  connect(saveCsvButton_, &QPushButton::clicked, this, &MainWindow::saveCsvOfListClicked);
  connect(tableButton_, &QPushButton::clicked, this, &MainWindow::tableClicked);
  connect(orbLabel_, &ClickableLabel::clicked, this, &MainWindow::orbLabelClicked);
  addPrintAndSaveKeys(*this, *printButton_, *saveButton_);
  addHelpKey(*this, QStringLiteral("Kelvaro"), mainWindowHelp());
}

// ---- Start and end -------------------------------------------------------

void MainWindow::startUp() {
  setWindowTitle(QStringLiteral("Kelvaro ") + QString::fromUtf8(kVersion));
  options_->hideEntryControls();
  setCommandButtonsEnabled(false);
  resize(1025, 752);
  if (const QScreen* shown = screen()) {
    move(shown->availableGeometry().center() - rect().center());
  }
  show();
  fitToScreen();
  fitAgainWhenFramed(*this, [this] { fitToScreen(); });

  std::error_code error;
  savedWorkingFolder_ = std::filesystem::current_path(error);
  std::filesystem::current_path(folders_.program, error);
  if (error) {
    platform_.showError(this, folderMissingMessage(folders_.program));
    quit();
    return;
  }

  activateWindow();
  continueButton_->setFocus(Qt::OtherFocusReason);
  resultList_->clear();
  showListTables(std::nullopt, {});
  introText_->appendPlainText(toQString(greetingLine()));
  for (const std::string& line :
       introNewsLines(toUtf8(pathText(folders_.transit)), toUtf8(pathText(folders_.program)))) {
    introText_->appendPlainText(toQString(line));
  }
  showFromTop(*introText_);
}

// The orderly end after a fatal condition: back to the folder of the start.
void MainWindow::quit() {
  std::error_code ignored;
  std::filesystem::current_path(savedWorkingFolder_, ignored);
  hide();
  endProgram();
}

void MainWindow::endProgram() {
  state_ = State::ended;
  emit ended();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (state_ != State::ended) {
    std::error_code ignored;
    std::filesystem::current_path(rootFolder(), ignored);
    endProgram();
  }
  QWidget::closeEvent(event);
}

// Enter starts "Weiter" while the introduction is shown, wherever the focus is.
void MainWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && continueButton_->isVisible()) {
    continueButton_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

// ---- The road of one load ------------------------------------------------

void MainWindow::continueClicked() { startLoad(); }

// File, record, orb entry; the content overview and the axis overview follow
// when the modal windows before them close.
void MainWindow::startLoad() {
  resize(1024, 750);
  fitToScreen();
  introPanel_->hide();
  continueButton_->hide();
  personsButton_->show();
  resultList_->clear();
  showListTables(std::nullopt, {});
  state_ = State::loading;
  if (!chooseAndLoad()) return;
  topBar_->setText(toQString(headerLine(*session_.record)));
  openOrbEntry([this] { showContentOverview(); });
}

// A file that cannot be opened at all leads back to the dialog, so the user
// can pick another, and so does the answer No to loading a file that holds
// no transit data; a cancelled dialog or a file without a usable record
// ends the program.
bool MainWindow::chooseAndLoad() {
  for (;;) {
    const std::optional<std::string> chosen =
        madeFile_ ? std::exchange(madeFile_, std::nullopt)
                  : platform_.chooseFile(this, folders_.transit, {});
    if (!chosen) {
      platform_.showInformation(this, std::string(kNoFileMessage));
      quit();
      return false;
    }
    LoadResult loaded = loadTransitFile(*chosen);
    if (auto* record = std::get_if<TransitRecord>(&loaded)) {
      if (hasPositionsOutsideCircle(*record) &&
          !platform_.askYesNo(this, outsidePositionsQuestion(*chosen))) {
        continue;
      }
      session_.load(std::move(*record));
      return true;
    }
    const LoadFailure& failure = std::get<LoadFailure>(loaded);
    platform_.showError(this, failure.message);
    if (failure.kind == LoadFailure::Kind::unreadable) {
      quit();
      return false;
    }
  }
}

// The window of a new transit file; a file made there and to be loaded
// takes the usual road, as if chosen in the file dialog.
void MainWindow::newTransitClicked() { newTransitForm().openEntry(); }

NewTransitForm& MainWindow::newTransitForm() {
  if (!newTransitForm_) {
    newTransitForm_ = new NewTransitForm(platform_, folders_.transit, this);
    newTransitForm_->useArchive(archiveFile());
    connect(newTransitForm_, &NewTransitForm::made, this, &MainWindow::loadMadeFile);
  }
  return *newTransitForm_;
}

// The window of a chart of two persons; its file takes the same road.
PairChartDialog& MainWindow::pairChartDialog() {
  if (!pairChartDialog_) {
    pairChartDialog_ = new PairChartDialog(platform_, folders_.transit, archiveFile(), this);
    connect(pairChartDialog_, &PairChartDialog::made, this, &MainWindow::loadMadeFile);
  }
  return *pairChartDialog_;
}

const std::filesystem::path& MainWindow::archiveFile() {
  if (!archiveFile_) {
    const archive::ArchiveChoice chosen = archive::archiveAfterMove(
        archive::archiveFileIn(folders_.program), archive::archiveFileIn(folders_.data));
    if (!chosen.note.empty()) platform_.showInformation(this, chosen.note);
    archiveFile_ = chosen.file;
  }
  return *archiveFile_;
}

// The persons archive; its "Transit-Datei …" opens the window of a new
// transit file with the person's birth data, its "Zeitleiste …" the calendar
// window for the person's timeline.
void MainWindow::personsClicked() {
  if (!persons_) {
    persons_ = new PersonsWindow(platform_, archiveFile(), folders_.program, this);
    connect(persons_, &PersonsWindow::transitFileRequested, this,
            [this](const archive::Person& person) {
              newTransitForm().openForPerson(archive::birthEntry(person), person.place);
            });
    connect(persons_, &PersonsWindow::timelineRequested, this, &MainWindow::openTimeline);
    connect(persons_, &PersonsWindow::pairChartRequested, this,
            [this](const archive::Person& first, const archive::Person& second) {
              pairChartDialog().openFor(first, second);
            });
  }
  persons_->openWindow();
}

// A person whose place is unchecked has no timeline; the message says why.
void MainWindow::openTimeline(const archive::Person& person) {
  const auto birth = archive::birthDataOf(person);
  if (const Rejection* refused = rejection(birth)) {
    platform_.showError(persons_, refused->message);
    return;
  }
  const std::string note =
      archive::birthTimeUnknown(person) ? archive::noonNote(person, "die Zeitleiste") : "";
  calendarWindow().openFor(std::get<chart::BirthData>(birth), note);
}

CalendarWindow& MainWindow::calendarWindow() {
  if (!calendar_) {
    calendar_ = new CalendarWindow(
        platform_, this,
        [this](const SearchResult& result) {
          options_->hideEntryControls();
          showResult(result, ListPlace::top);
        },
        savedWorkingFolder_);
  }
  return *calendar_;
}

void MainWindow::loadMadeFile(const QString& path, bool load) {
  if (!load) return;
  madeFile_ = toUtf8(path);
  startLoad();
}

void MainWindow::openOrbEntry(std::function<void()> afterwards) {
  connect(
      orbDialog_, &QDialog::finished, this,
      [this, afterwards = std::move(afterwards)] {
        session_.orb = orbDialog_->orb();
        orbLabel_->setText(toQString(orbLabelText(session_.orb)));
        if (dial_ && dial_->isVisible()) dial_->setOrb(session_.orb);
        if (afterwards) afterwards();
      },
      Qt::SingleShotConnection);
  orbDialog_->openEntry(session_.orb);
}

void MainWindow::showContentOverview() {
  connect(contentOverview_, &QDialog::finished, this, &MainWindow::showAxisOverview,
          Qt::SingleShotConnection);
  contentOverview_->showOverview(vier_summen(*session_.record, session_.orb));
}

void MainWindow::showAxisOverview() {
  AxisOverview overview = axisOverview(*session_.record, session_.orb);
  const std::array<QLabel*, kAxisLabelCount> labels = axisLabels();
  for (std::size_t i = 0; i < labels.size(); ++i) labels[i]->setText(toQString(overview.labels[i]));
  setListHeading(overview.heading);
  resultList_->setLines(std::move(overview.lines));
  showListTables(std::nullopt, {});
  resultList_->showFromTop();
  platform_.showInformation(this, std::string(kSearchesReadyMessage));
  setCommandButtonsEnabled(true);
  state_ = State::ready;
}

// ---- Command buttons -----------------------------------------------------

void MainWindow::restartClicked() {
  const QString blank = QStringLiteral(" ");
  setListHeading(" ");
  options_->clear();
  for (QLabel* axis : axisLabels()) axis->setText(blank);
  setCommandButtonsEnabled(false);
  if (dial_) dial_->close();
  resultList_->clear();
  showListTables(std::nullopt, {});
  offerStart();
}

// The choice of the start once more: "Weiter" to a file, or a new transit
// file. The introduction stays as it was.
void MainWindow::offerStart() {
  state_ = State::initial;
  introPanel_->show();
  continueButton_->show();
  activateWindow();
  continueButton_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::printListClicked() { printLines(this, resultList_->lines()); }

void MainWindow::saveListClicked() { saveLines(this, resultList_->lines()); }

void MainWindow::savePdfOfListClicked() { savePdfOf(this, resultList_->lines()); }

void MainWindow::saveCsvOfListClicked() {
  if (!session_.record || !listTable_) return;
  const auto chosen =
      platform_.chooseSaveFile(this, "Als CSV speichern", savedWorkingFolder_,
                               tableFileName(*session_.record), {"CSV-Tabelle (*.csv)"});
  if (!chosen) return;
  if (const std::error_code error =
          replaceFileContents(pathFromUtf8(*chosen), csvText(*listTable_))) {
    platform_.showError(
        this, "Die Datei " + *chosen + " lässt sich nicht speichern: " + systemErrorText(error));
    return;
  }
  platform_.showInformation(this, "Gespeichert unter\r" + *chosen);
}

void MainWindow::tableClicked() {
  if (!session_.record || listPictures_.empty()) return;
  if (!pictureTable_) pictureTable_ = new PictureTableWindow(platform_, keywords_, this);
  PictureTableSource source;
  source.record = *session_.record;
  source.heading = listHeading_.toStdString();
  source.pictures = listPictures_;
  source.orb = session_.orb;
  source.persons = archive::chartPersonsIn(*session_.record, archiveFile()).lines;
  pictureTable_->showTable(std::move(source), savedWorkingFolder_);
}

void MainWindow::panelHelpClicked() { panelHelp_->showHelp(); }

void MainWindow::dialClicked() {
  if (!session_.record) return;
  if (!dial_) dial_ = new DialWindow(platform_, keywords_, this);
  // Only a chart of two persons asks the archive for their births.
  std::vector<std::string> persons;
  if (archive::namesTwoPersons(*session_.record)) {
    persons = archive::pairPersonsIn(*session_.record, archiveFile()).lines;
  }
  dial_->showDial(*session_.record, session_.orb, savedWorkingFolder_, std::move(persons),
                  archive::chartPersonsIn(*session_.record, archiveFile()).lines);
}

// The calendar's lines go into the result list like those of any search;
// until they come (a closed calendar brings none) everything stays as it is.
void MainWindow::calendarClicked() {
  if (!session_.record) return;
  calendarWindow().openFor(*session_.record);
}

// The orb can be changed at any time once a file is loaded; what is already
// shown stays as it is. Before the first load the label is empty, and a
// click on it opens nothing: the load asks for the orb anyway.
void MainWindow::orbLabelClicked() {
  if (!session_.record || state_ == State::ended || orbDialog_->isVisible()) return;
  openOrbEntry({});
}

void MainWindow::printLines(QWidget* parent, const ResultText& lines) {
  if (!session_.record) return;
  QPrinter printer;
  presetPageOrientation(printer, *session_.record, lines);
  if (!setUpPrinterOrOfferPdf(platform_, parent, printer,
                              [this, parent, &lines] { savePdfOf(parent, lines); })) {
    return;
  }
  if (const auto failure = printResultList(printer, *session_.record, lines)) {
    platform_.showError(parent, *failure);
  }
}

// The pages the print gives, in the orientation it would be preset to, as a
// PDF file beside the saved result lists.
void MainWindow::savePdfOf(QWidget* parent, const ResultText& lines) {
  if (!session_.record) return;
  const QPageLayout layout = printoutPageLayout(
      pageOrientationFor(printoutPageLayout(), kPrintoutResolution, *session_.record, lines));
  Printout printout = resultListPrintout(*session_.record, lines);
  savePdf(platform_, parent, savedWorkingFolder_,
          printoutFileName(*session_.record, PageFormat::pdf), printout, layout);
}

// Result files go into the folder that was current at the start, which also
// stays the working folder afterwards.
void MainWindow::saveLines(QWidget* parent, const ResultText& lines) {
  if (!session_.record) return;
  std::error_code ignored;  // a missing folder is reported by the save itself
  std::filesystem::current_path(savedWorkingFolder_, ignored);
  const ExistingFile existing = askAboutExistingFile(platform_, parent, savedWorkingFolder_,
                                                     resultFileName(*session_.record));
  const Checked<SavedFile> saved =
      saveResultList(savedWorkingFolder_, *session_.record, lines, existing);
  if (const Rejection* failure = rejection(saved)) {
    platform_.showError(parent, failure->message);
  } else {
    platform_.showInformation(parent, std::get<SavedFile>(saved).information);
  }
}

// Where the screen's available area cannot hold the window with its frame,
// the window shrinks to that area and its content follows the height. It
// scrolls only where the area is narrower than the design or lower than the
// content's smallest height; a scroll bar for one direction takes its room
// from the other. Larger screens change nothing.
void MainWindow::fitToScreen() {
  fitOnScreen(*this, [this](QSize room) {
    const QSize smallest = scrollArea_->widget()->minimumSize();
    QSize fitted = size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_);
    if (smallest.height() > room.height()) fitted.rwidth() += bar;
    if (smallest.width() > room.width()) fitted.rheight() += bar;
    return fitted;
  });
}

// ---- Groups of controls --------------------------------------------------

std::vector<QPushButton*> MainWindow::commandButtons() const {
  std::vector<QPushButton*> buttons = options_->optionButtons();
  buttons.insert(buttons.end(), {restartButton_, printButton_, saveButton_, dialButton_,
                                 calendarButton_, savePdfButton_});
  return buttons;
}

// Left to right, in the order of the overview's axis labels.
std::array<QLabel*, kAxisLabelCount> MainWindow::axisLabels() const { return axisLabels_; }

void MainWindow::setCommandButtonsEnabled(bool enabled) {
  for (QPushButton* command : commandButtons()) command->setEnabled(enabled);
}

// ---- What the search options hand out ----------------------------------

void MainWindow::connectSearchOptions() {
  connect(options_, &SearchOptions::resultReady, this, &MainWindow::showResult);
  connect(options_, &SearchOptions::linesReady, this, &MainWindow::showLines);
  connect(options_, &SearchOptions::listCleared, resultList_, &LineView::clear);
  connect(options_, &SearchOptions::magicSquareOpened, this, &MainWindow::openMagicSquare);
  connect(options_, &SearchOptions::magicSquareChanged, this, &MainWindow::showMagicSquare);
  connect(options_, &SearchOptions::entryAreaCleared, this, &MainWindow::closeMagicSquare);
  connect(options_, &SearchOptions::panelHelpClicked, this, &MainWindow::panelHelpClicked);
}

void MainWindow::setListHeading(const std::string& heading) {
  listHeading_ = toQString(heading);
  listHeadingLabel_->setText(listHeading_);
}

void MainWindow::showResult(const SearchResult& result, ListPlace place) {
  setListHeading(result.heading);
  resultList_->setLines(result.lines);
  showListTables(result.table, resultPictures(result));
  if (place == ListPlace::lastLine) {
    resultList_->showLastLine();
  } else {
    resultList_->showFromTop();
  }
}

void MainWindow::showLines(const ResultText& lines) {
  resultList_->setLines(lines);
  showListTables(std::nullopt, {});
  resultList_->showFromTop();
}

void MainWindow::openMagicSquare() {
  magicSquareView_->show();
  printButton_->hide();
  saveButton_->hide();
}

void MainWindow::showMagicSquare(const SearchResult& view) {
  listHeadingLabel_->setText(toQString(view.heading));
  magicSquareView_->setLines(view.lines);
  magicSquareView_->showFromTop();
}

// "Als CSV speichern …" serves a result that has a table, "Als Tabelle …"
// one that lists planetary pictures.
void MainWindow::showListTables(std::optional<TextTable> table, std::vector<Picture> pictures) {
  listTable_ = std::move(table);
  listPictures_ = std::move(pictures);
  saveCsvButton_->setEnabled(listTable_.has_value());
  tableButton_->setEnabled(!listPictures_.empty());
}

// Leaving option 6 uncovers the result list: its heading and its print and
// save buttons come back with it.
void MainWindow::closeMagicSquare() {
  if (magicSquareView_->isHidden()) return;
  magicSquareView_->hide();
  listHeadingLabel_->setText(listHeading_);
  printButton_->show();
  saveButton_->show();
}

}  // namespace kelvaro::ui
