#include "ui/Unit1.h"

#include <system_error>
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

#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/transit_file.h"
#include "output/print.h"
#include "output/save.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/clickable_label.h"
#include "ui/intro_text.h"
#include "ui/platform.h"
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
  connect(form4_, &TForm4::printClicked, this, [this] { printLines(form4_, form4_->lines()); });
  connect(form4_, &TForm4::saveClicked, this, [this] { saveLines(form4_, form4_->lines()); });
}

void TForm1::connectControls() {
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Button13, &QPushButton::clicked, this, &TForm1::Button13Click);
  connect(Button14, &QPushButton::clicked, this, &TForm1::Button14Click);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
  connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
  connect(Label7, &ClickableLabel::clicked, this, &TForm1::Label7Click);
}

// ---- Start and end -------------------------------------------------------

void TForm1::FormCreate() {
  setWindowTitle(QStringLiteral("Kelvaro 5.5"));
  Panel4->hide();
  hideEntryControls();
  setCommandButtonsEnabled(false);
  resize(1025, 752);
  if (const QScreen* shown = screen()) {
    move(shown->availableGeometry().center() - rect().center());
  }
  show();

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
  Panel5->hide();
  Button2->hide();
  Memo3->clear();
  state_ = State::loading;
  if (!chooseAndLoad()) return;
  orb_ = kOrbAfterLoad;
  Panel2->setText(toQString(headerLine(*record_)));
  openOrbEntry([this] { showContentOverview(); });
}

// A file that cannot be opened at all leads back to the dialog, so the user
// can pick another; a cancelled dialog or a file without a usable record
// ends the program.
bool TForm1::chooseAndLoad() {
  for (;;) {
    const std::optional<std::string> chosen = platform_.chooseFile(this, folders_.transit);
    if (!chosen) {
      platform_.showInformation(this, std::string(kNoFileMessage));
      beenden();
      return false;
    }
    LoadResult loaded = loadTransitFile(*chosen);
    if (auto* record = std::get_if<TransitRecord>(&loaded)) {
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

void TForm1::openOrbEntry(std::function<void()> afterwards) {
  connect(
      form2_, &QDialog::finished, this,
      [this, afterwards = std::move(afterwards)] {
        orb_ = form2_->orb();
        Label7->setText(toQString(orbLabelText(orb_)));
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
  const AxisOverview overview = axisOverview(*record_, orb_);
  for (QLabel* axis : axisLabels()) {
    for (const AxisLabel& text : overview.labels) {
      if (axis->objectName() == toQString(text.name)) axis->setText(toQString(text.text));
    }
  }
  Label3->setText(toQString(overview.heading));
  setLines(*Memo3, overview.lines);
  showFromTop(*Memo3);
  platform_.showInformation(this, std::string(kSearchesReadyMessage));
  setCommandButtonsEnabled(true);
  state_ = State::ready;
}

// ---- Command buttons -----------------------------------------------------

void TForm1::Button4Click() {
  const QString blank = QStringLiteral(" ");
  Label3->setText(blank);
  Label9->setText(blank);
  for (QLabel* axis : axisLabels()) axis->setText(blank);
  setCommandButtonsEnabled(false);
  hideEntryControls();
  weiter();
}

void TForm1::Button6Click() { printLines(this, linesOf(*Memo3)); }

void TForm1::Button7Click() { saveLines(this, linesOf(*Memo3)); }

void TForm1::Button12Click() { form3_->showHelp(); }

// The orb can be changed at any time; what is already shown stays as it is.
void TForm1::Label7Click() {
  if (state_ == State::ended || form2_->isVisible()) return;
  openOrbEntry({});
}

void TForm1::printLines(QWidget* parent, const std::vector<std::string>& lines) {
  if (!record_) return;
  QPrinter printer;
  if (!platform_.setUpPrinter(parent, printer)) return;
  if (const auto failure = printResultList(printer, *record_, lines)) {
    platform_.showError(parent, *failure);
  }
}

// Result files go into the folder that was current at the start, which also
// stays the working folder afterwards.
void TForm1::saveLines(QWidget* parent, const std::vector<std::string>& lines) {
  if (!record_) return;
  std::error_code ignored;  // a missing folder is reported by the save itself
  std::filesystem::current_path(savedWorkingFolder_, ignored);
  const Checked<std::string> saved = saveResultList(savedWorkingFolder_, *record_, ResultText(lines));
  if (const Rejection* failure = rejection(saved)) {
    platform_.showError(parent, failure->message);
  } else {
    platform_.showInformation(parent, std::get<std::string>(saved));
  }
}

// ---- Groups of controls --------------------------------------------------

// The order in which they are enabled when a load is done.
std::vector<QPushButton*> TForm1::commandButtons() const {
  return {Button1, Button3, Button4, Button5, Button10, Button13, Button14, Button6, Button7};
}

std::vector<QWidget*> TForm1::entryControls() const {
  return {Panel4,  Label16, Label17, Edit2,   Edit3,   Edit4, Edit5, Edit6, Edit8,
          Memo1,   Label18, Label11, Label9,  Label15, Label22, Edit1, Edit7};
}

std::array<QLabel*, 10> TForm1::axisLabels() const {
  return {Label20, Label21, Label1, Label2, Label8, Label10, Label12, Label13, Label14, Label19};
}

void TForm1::setCommandButtonsEnabled(bool enabled) {
  for (QPushButton* command : commandButtons()) command->setEnabled(enabled);
}

void TForm1::hideEntryControls() {
  for (QWidget* control : entryControls()) control->hide();
}

}  // namespace kelvaro::ui
