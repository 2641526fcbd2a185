#include "ui/Unit1.h"

#include <system_error>
#include <utility>
#include <variant>

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include "archive/archive.h"
#include "archive/person_birth.h"
#include "core/version.h"
#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/position_check.h"
#include "loading/transit_file.h"
#include "output/page_file.h"
#include "output/print.h"
#include "output/result_file.h"
#include "output/save.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/calendar_window.h"
#include "ui/clickable_label.h"
#include "ui/dial_window.h"
#include "ui/intro_text.h"
#include "ui/line_view.h"
#include "ui/new_transit_form.h"
#include "ui/pdf_save.h"
#include "ui/persons_window.h"
#include "ui/platform.h"
#include "ui/save_question.h"
#include "ui/screen_fit.h"
#include "ui/text_view.h"

namespace kelvaro::ui {
namespace {

constexpr std::string_view kNoFileMessage =
    "Ohne eine ausgewählte Datei hat das Programm keine Aufgaben-Gundlage.        \r";

std::string folderMissingMessage(const std::filesystem::path& folder) {
  return "Verzeichnis " + toUtf8(pathText(folder)) + " nicht gefunden";
}

}  // namespace

TForm1::TForm1(Platform& platform, ProgramFolders folders)
    : platform_(platform), folders_(std::move(folders)) {
  setObjectName(QStringLiteral("TForm1"));
  createControls();
  connectControls();
  connectOptionControls();
  FormCreate();
}

void TForm1::useWindows(TForm2& orbEntry, TForm3& help, TForm4& contentOverview) {
  form2_ = &orbEntry;
  form3_ = &help;
  form4_ = &contentOverview;
  connect(form4_, &TForm4::printClicked, this,
          [this] { printLines(form4_, ResultText(form4_->lines())); });
  connect(form4_, &TForm4::saveClicked, this,
          [this] { saveLines(form4_, ResultText(form4_->lines())); });
  connect(form4_, &TForm4::savePdfClicked, this,
          [this] { savePdfOf(form4_, ResultText(form4_->lines())); });
}

void TForm1::connectControls() {
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(NewTransitButton, &QPushButton::clicked, this, &TForm1::NewTransitButtonClick);
  for (QPushButton* persons : {PersonsButton, MainPersonsButton}) {
    connect(persons, &QPushButton::clicked, this, &TForm1::PersonsButtonClick);
  }
  connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Button13, &QPushButton::clicked, this, &TForm1::Button13Click);
  connect(Button14, &QPushButton::clicked, this, &TForm1::Button14Click);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
  connect(Button15, &QPushButton::clicked, this, &TForm1::Button15Click);
  connect(Button16, &QPushButton::clicked, this, &TForm1::Button16Click);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
  connect(SavePdfButton, &QPushButton::clicked, this, &TForm1::SavePdfButtonClick);
  connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
  connect(Label7, &ClickableLabel::clicked, this, &TForm1::Label7Click);
}

// ---- Start and end -------------------------------------------------------

void TForm1::FormCreate() {
  setWindowTitle(QStringLiteral("Kelvaro ") + QString::fromUtf8(kVersion));
  Panel4->hide();
  hideEntryControls();
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
    beenden();
    return;
  }

  activateWindow();
  Button2->setFocus(Qt::OtherFocusReason);
  Memo3->clear();
  Memo4->appendPlainText(toQString(greetingLine()));
  for (const std::string& line :
       introNewsLines(toUtf8(pathText(folders_.transit)), toUtf8(pathText(folders_.program)))) {
    Memo4->appendPlainText(toQString(line));
  }
  showFromTop(*Memo4);
}

// The orderly end after a fatal condition: back to the folder of the start.
void TForm1::beenden() {
  std::error_code ignored;
  std::filesystem::current_path(savedWorkingFolder_, ignored);
  hide();
  endProgram();
}

void TForm1::endProgram() {
  state_ = State::ended;
  emit ended();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (state_ != State::ended) {
    std::error_code ignored;
    std::filesystem::current_path(rootFolder(), ignored);
    endProgram();
  }
  QWidget::closeEvent(event);
}

// Enter starts "Weiter" while the introduction is shown, wherever the focus is.
void TForm1::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && Button2->isVisible()) {
    Button2->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

// ---- The road of one load ------------------------------------------------

void TForm1::Button2Click() { weiter(); }

// File, record, orb entry; the content overview and the axis overview follow
// when the modal windows before them close.
void TForm1::weiter() {
  resize(1024, 750);
  fitToScreen();
  Panel5->hide();
  Button2->hide();
  MainPersonsButton->show();
  Memo3->clear();
  state_ = State::loading;
  if (!chooseAndLoad()) return;
  orb_ = kOrbAfterLoad;
  Panel2->setText(toQString(headerLine(*record_)));
  openOrbEntry([this] { showContentOverview(); });
}

// A file that cannot be opened at all leads back to the dialog, so the user
// can pick another, and so does the answer No to loading a file that holds
// no transit data; a cancelled dialog or a file without a usable record
// ends the program.
bool TForm1::chooseAndLoad() {
  for (;;) {
    const std::optional<std::string> chosen =
        madeFile_ ? std::exchange(madeFile_, std::nullopt)
                  : platform_.chooseFile(this, folders_.transit, {});
    if (!chosen) {
      platform_.showInformation(this, std::string(kNoFileMessage));
      beenden();
      return false;
    }
    LoadResult loaded = loadTransitFile(*chosen);
    if (auto* record = std::get_if<TransitRecord>(&loaded)) {
      if (hasPositionsOutsideCircle(*record) &&
          !platform_.askYesNo(this, outsidePositionsQuestion(*chosen))) {
        continue;
      }
      record_ = std::move(*record);
      return true;
    }
    const LoadFailure& failure = std::get<LoadFailure>(loaded);
    platform_.showError(this, failure.message);
    if (failure.kind == LoadFailure::Kind::unreadable) {
      beenden();
      return false;
    }
  }
}

// The window of a new transit file; a file made there and to be loaded
// takes the usual road, as if chosen in the file dialog.
void TForm1::NewTransitButtonClick() { newTransitForm().openEntry(); }

NewTransitForm& TForm1::newTransitForm() {
  if (!newTransitForm_) {
    newTransitForm_ = new NewTransitForm(platform_, folders_.transit, this);
    newTransitForm_->useArchive(archive::archiveFileIn(folders_.program));
    connect(newTransitForm_, &NewTransitForm::made, this, &TForm1::loadMadeFile);
  }
  return *newTransitForm_;
}

// The persons archive; its "Transit-Datei …" opens the window of a new
// transit file with the person's birth data, its "Zeitleiste …" the calendar
// window for the person's timeline.
void TForm1::PersonsButtonClick() {
  if (!persons_) {
    persons_ = new PersonsWindow(platform_, archive::archiveFileIn(folders_.program),
                                 folders_.program, this);
    connect(persons_, &PersonsWindow::transitFileRequested, this,
            [this](const archive::Person& person) {
              newTransitForm().openForPerson(archive::birthEntry(person), person.place);
            });
    connect(persons_, &PersonsWindow::timelineRequested, this, &TForm1::openTimeline);
  }
  persons_->openWindow();
}

// A person whose place is unchecked has no timeline; the message says why.
void TForm1::openTimeline(const archive::Person& person) {
  const auto birth = archive::birthDataOf(person);
  if (const Rejection* refused = rejection(birth)) {
    platform_.showError(persons_, refused->message);
    return;
  }
  const std::string note =
      archive::birthTimeUnknown(person) ? archive::noonNote(person, "die Zeitleiste") : "";
  calendarWindow().openFor(std::get<chart::BirthData>(birth), note);
}

CalendarWindow& TForm1::calendarWindow() {
  if (!calendar_) {
    calendar_ = new CalendarWindow(
        platform_, this,
        [this](const SearchResult& result) {
          hideEntryControls();
          showResult(result);
        },
        savedWorkingFolder_);
  }
  return *calendar_;
}

void TForm1::loadMadeFile(const QString& path, bool load) {
  if (!load) return;
  madeFile_ = toUtf8(path);
  weiter();
}

void TForm1::openOrbEntry(std::function<void()> afterwards) {
  connect(
      form2_, &QDialog::finished, this,
      [this, afterwards = std::move(afterwards)] {
        orb_ = form2_->orb();
        Label7->setText(toQString(orbLabelText(orb_)));
        if (dial_ && dial_->isVisible()) dial_->setOrb(orb_);
        if (afterwards) afterwards();
      },
      Qt::SingleShotConnection);
  form2_->openEntry(orb_);
}

void TForm1::showContentOverview() {
  connect(form4_, &QDialog::finished, this, &TForm1::zeigen, Qt::SingleShotConnection);
  form4_->showOverview(vier_summen(*record_, orb_));
}

void TForm1::zeigen() {
  AxisOverview overview = axisOverview(*record_, orb_);
  const std::array<QLabel*, kAxisLabelCount> labels = axisLabels();
  for (std::size_t i = 0; i < labels.size(); ++i) labels[i]->setText(toQString(overview.labels[i]));
  setListHeading(overview.heading);
  Memo3->setLines(std::move(overview.lines));
  Memo3->showFromTop();
  platform_.showInformation(this, std::string(kSearchesReadyMessage));
  setCommandButtonsEnabled(true);
  state_ = State::ready;
}

// ---- Command buttons -----------------------------------------------------

void TForm1::Button4Click() {
  const QString blank = QStringLiteral(" ");
  setListHeading(" ");
  Label9->setText(blank);
  for (QLabel* axis : axisLabels()) axis->setText(blank);
  setCommandButtonsEnabled(false);
  hideEntryControls();
  if (dial_) dial_->close();
  Memo3->clear();
  offerStart();
}

// The choice of the start once more: "Weiter" to a file, or a new transit
// file. The introduction stays as it was.
void TForm1::offerStart() {
  state_ = State::initial;
  Panel5->show();
  Button2->show();
  activateWindow();
  Button2->setFocus(Qt::OtherFocusReason);
}

void TForm1::Button6Click() { printLines(this, Memo3->lines()); }

void TForm1::Button7Click() { saveLines(this, Memo3->lines()); }

void TForm1::SavePdfButtonClick() { savePdfOf(this, Memo3->lines()); }

void TForm1::Button12Click() { form3_->showHelp(); }

void TForm1::Button15Click() {
  if (!record_) return;
  if (!dial_) dial_ = new DialWindow(platform_, this);
  dial_->showDial(*record_, orb_, savedWorkingFolder_);
}

// The calendar's lines go into the result list like those of any search;
// until they come (a closed calendar brings none) everything stays as it is.
void TForm1::Button16Click() {
  if (!record_) return;
  calendarWindow().openFor(*record_);
}

// The orb can be changed at any time once a file is loaded; what is already
// shown stays as it is. Before the first load the label is empty, and a
// click on it opens nothing: the load asks for the orb anyway.
void TForm1::Label7Click() {
  if (!record_ || state_ == State::ended || form2_->isVisible()) return;
  openOrbEntry({});
}

void TForm1::printLines(QWidget* parent, const ResultText& lines) {
  if (!record_) return;
  QPrinter printer;
  presetPageOrientation(printer, *record_, lines);
  if (!platform_.setUpPrinter(parent, printer)) return;
  if (const auto failure = printResultList(printer, *record_, lines)) {
    platform_.showError(parent, *failure);
  }
}

// The pages the print gives, in the orientation it would be preset to, as a
// PDF file beside the saved result lists.
void TForm1::savePdfOf(QWidget* parent, const ResultText& lines) {
  if (!record_) return;
  const QPageLayout layout = printoutPageLayout(
      pageOrientationFor(printoutPageLayout(), kPrintoutResolution, *record_, lines));
  Printout printout = resultListPrintout(*record_, lines);
  savePdf(platform_, parent, savedWorkingFolder_, printoutFileName(*record_, PageFormat::pdf),
          printout, layout);
}

// Result files go into the folder that was current at the start, which also
// stays the working folder afterwards.
void TForm1::saveLines(QWidget* parent, const ResultText& lines) {
  if (!record_) return;
  std::error_code ignored;  // a missing folder is reported by the save itself
  std::filesystem::current_path(savedWorkingFolder_, ignored);
  const ExistingFile existing =
      askAboutExistingFile(platform_, parent, savedWorkingFolder_, resultFileName(*record_));
  const Checked<SavedFile> saved = saveResultList(savedWorkingFolder_, *record_, lines, existing);
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
void TForm1::fitToScreen() {
  fitOnScreen(*this, [this](QSize room) {
    const QSize smallest = ScrollBox1->widget()->minimumSize();
    QSize fitted = size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBox1);
    if (smallest.height() > room.height()) fitted.rwidth() += bar;
    if (smallest.width() > room.width()) fitted.rheight() += bar;
    return fitted;
  });
}

// ---- Groups of controls --------------------------------------------------

// The order in which they are enabled when a load is done.
std::vector<QPushButton*> TForm1::commandButtons() const {
  return {Button1,  Button3, Button4, Button5,  Button10, Button13,
          Button14, Button6, Button7, Button15, Button16, SavePdfButton};
}

std::vector<QWidget*> TForm1::entryControls() const {
  return {Panel4, Label16, Label17, Edit2,   Edit3,  Edit4,   Edit5,   Edit6, Label23,
          Edit8,  Memo1,   Label18, Label11, Label9, Label15, Label22, Edit1, Edit7};
}

// Left to right, in the order of the overview's axis labels.
std::array<QLabel*, kAxisLabelCount> TForm1::axisLabels() const {
  return {Label20, Label21, Label1, Label2, Label8, Label10, Label12, Label13, Label14, Label19};
}

void TForm1::setCommandButtonsEnabled(bool enabled) {
  for (QPushButton* command : commandButtons()) command->setEnabled(enabled);
}

// Leaving option 6 uncovers the result list: its heading and its print and
// save buttons come back with it.
void TForm1::hideEntryControls() {
  const bool magicSquareShown = !Memo1->isHidden();
  for (QWidget* control : entryControls()) control->hide();
  if (!magicSquareShown) return;
  Label3->setText(listHeading_);
  Button6->show();
  Button7->show();
}

}  // namespace kelvaro::ui
