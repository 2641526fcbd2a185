// The six search options of the main window: each option button clears the
// entry area and shows its own controls, the entry fields are checked on
// every change that gives them the option's length (and again on Enter), and
// the searches run with the state the window keeps between user actions.
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/std_ho.h"
#include "search/angle_search.h"
#include "search/correspondences.h"
#include "search/magic_square.h"
#include "search/midpoint_sum_search.h"
#include "search/picture_search.h"
#include "search/quadro_search.h"
#include "search/search_angle.h"
#include "search/triple_search.h"
#include "ui/platform/platform.h"
#include "ui/widgets/entry_field.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/option_captions.h"
#include "ui/widgets/text_view.h"
#include "ui/windows/main_window.h"

namespace kelvaro::ui {
namespace {

// The degrees and the minutes field hand the focus on at this length.
constexpr std::size_t kAngleFieldLength = 2;

}  // namespace

void MainWindow::connectOptionControls() {
  // Option 1, option 2 (both methods), option 4: a change and Enter check alike.
  for (const auto& [field, check] :
       {std::pair{axisSearchField_, &MainWindow::axisSearchEntryChanged},
        std::pair{freeAxisField_, &MainWindow::freeAxisEntryChanged},
        std::pair{quadroField_, &MainWindow::quadroEntryChanged},
        std::pair{equationField_, &MainWindow::equationChanged}}) {
    connect(field, &QLineEdit::textChanged, this, check);
    connect(field, &QLineEdit::returnPressed, this, check);
  }
  connect(panelButtonGroup_, &QButtonGroup::idToggled, this, [this](int id, bool marked) {
    if (marked) panelChoiceClicked(id);
  });

  // Option 3: only the user's typing hands the focus on; the texts the angle
  // check writes back do not.
  connect(degreesField_, &QLineEdit::textEdited, this, &MainWindow::degreesEdited);
  connect(degreesField_, &QLineEdit::returnPressed, this, &MainWindow::degreesReturnPressed);
  connect(minutesField_, &QLineEdit::textEdited, this, &MainWindow::minutesEdited);
  connect(minutesField_, &QLineEdit::returnPressed, this, &MainWindow::minutesReturnPressed);
  minutesField_->installEventFilter(this);
  connect(factorField_, &QLineEdit::textChanged, this, &MainWindow::factorChanged);

  // Option 6 rebuilds its view on every change, whatever the length.
  connect(magicVariantField_, &QLineEdit::textChanged, this, &MainWindow::magicVariantChanged);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == minutesField_ && event->type() == QEvent::FocusOut) {
    // Switching to another window (or a message box taking the focus) does
    // not leave the field; only a focus move inside this window does.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) minutesFieldLeft();
  }
  return QWidget::eventFilter(watched, event);
}

// A refused entry: the message, then the field emptied and focused. Emptying
// it is a change too, which checks nothing as the field is then too short.
void MainWindow::refuseEntry(QLineEdit& field, const std::string& message) {
  platform_.showError(this, message);
  field.clear();
  focusField(field);
}

void MainWindow::setListHeading(const std::string& heading) {
  listHeading_ = toQString(heading);
  listHeadingLabel_->setText(listHeading_);
}

void MainWindow::showResult(SearchResult result) {
  setListHeading(result.heading);
  resultList_->setLines(std::move(result.lines));
  resultList_->showFromTop();
}

// ---- Option 1: midpoints and sums in MC, SO, AS ---------------------------

void MainWindow::axisSearchClicked() {
  hideEntryControls();
  axisSearchField_->show();
  axisSearchCaption_->show();
  axisSearchField_->clear();
  focusField(*axisSearchField_);
}

void MainWindow::axisSearchEntryChanged() {
  if (characterCount(*axisSearchField_) != kMidpointSumEntryLength) return;
  const Checked<MidpointSumEntry> checked = checkMidpointSumEntry(toUtf8(axisSearchField_->text()));
  if (const Rejection* refused = rejection(checked)) {
    refuseEntry(*axisSearchField_, refused->message);
    return;
  }
  const auto& entry = std::get<MidpointSumEntry>(checked);
  session_.storedEntry = entry.text;
  showResult(midpointSumSearch(*session_.record, session_.orb, entry).result);
  angleSearchButton_->setEnabled(true);
  tripleSearchButton_->setEnabled(true);
}

// ---- Option 2: free search axis or quadro search --------------------------

void MainWindow::freeAxisClicked() {
  session_.angleMode = false;
  hideEntryControls();
  if (platform_.askYesNo(this, std::string(kMethodQuestion))) {
    freeAxisPrompt_->setText(toQString(kFreeAxisPrompt));
    freeAxisPrompt_->move(kFreeAxisPromptLeft,
                          freeAxisPrompt_->y());  // in line with the example text
    freeAxisPrompt_->show();
    freeAxisExample_->show();
    freeAxisField_->show();
    freeAxisField_->clear();
    focusField(*freeAxisField_);
  } else {
    freeAxisPrompt_->move(kQuadroPromptLeft, freeAxisPrompt_->y());
    freeAxisPrompt_->setText(toQString(kQuadroPrompt));
    freeAxisPrompt_->show();
    quadroField_->show();
    focusField(*quadroField_);  // the picture of an earlier use stays
  }
}

void MainWindow::freeAxisEntryChanged() {
  if (characterCount(*freeAxisField_) != kFreeAxisEntryLength) return;
  const Checked<FreeAxisEntry> checked = checkFreeAxisEntry(toUtf8(freeAxisField_->text()));
  if (const Rejection* refused = rejection(checked)) {
    refuseEntry(*freeAxisField_, refused->message);
    return;
  }
  session_.freeAxisEntry = std::get<FreeAxisEntry>(checked);
  session_.storedEntry = session_.freeAxisEntry->stored;
  showVariantPanel();
  freeAxisPrompt_->setText(toQString(kPanelPrompt));
  freeAxisExample_->hide();
}

// The panel names its columns after the factors it looks for: F3 and F4 of
// a picture on a free axis, F1 and F2 at a search angle.
void MainWindow::showVariantPanel() {
  panelLeftColumn_->setText(toQString(session_.angleMode ? kAngleColumnLeft : kPictureColumnLeft));
  panelRightColumn_->setText(
      toQString(session_.angleMode ? kAngleColumnRight : kPictureColumnRight));
  variantPanel_->show();
}

// The twelve radio buttons are one group; a button's id says its column and
// its choice. Left and middle choices are only kept; a right-hand choice
// starts the search.
void MainWindow::panelChoiceClicked(int id) {
  if (session_.choosePanelButton(id)) searchPanelChoice();
}

void MainWindow::searchPanelChoice() {
  const PanelStep step = session_.panelStep();
  if (std::holds_alternative<PanelOrderMissing>(step)) {
    platform_.showInformation(this, std::string(kPanelOrderMessage));
    return;
  }
  const auto* search = std::get_if<PanelSearch>(&step);
  if (!search) return;
  bool singleFactorOnly = false;
  if (asksSingleFactorQuestion(search->choices)) {
    singleFactorOnly =
        platform_.askYesNo(this, std::string(singleFactorQuestion(search->choices.kind)));
  }
  showResult(pictureSearch(*session_.record, session_.orb, search->axis, search->choices,
                           singleFactorOnly));
}

// The quadro search names even a refused picture in the heading and the
// list; the list is not scrolled back to its top.
void MainWindow::quadroEntryChanged() {
  if (characterCount(*quadroField_) != kQuadroEntryLength) return;
  resultList_->clear();
  QuadroOutcome outcome =
      quadroSearch(*session_.record, session_.orb, toUtf8(quadroField_->text()));
  setListHeading(outcome.result.heading);
  resultList_->setLines(std::move(outcome.result.lines));
  if (outcome.rejection) {
    refuseEntry(*quadroField_, outcome.rejection->message);
    return;
  }
  resultList_->showLastLine();
}

// ---- Option 3: search angle -----------------------------------------------

void MainWindow::angleSearchClicked() {
  hideEntryControls();
  degreesCaption_->setText(toQString(kDegreesCaption));
  minutesCaption_->setText(toQString(kMinutesCaption));
  degreesCaption_->show();
  minutesCaption_->show();
  degreesField_->show();
  minutesField_->show();
  session_.storedEntry.clear();
  focusField(*degreesField_);
}

void MainWindow::degreesEdited() {
  if (characterCount(*degreesField_) == kAngleFieldLength) focusField(*minutesField_);
}

void MainWindow::degreesReturnPressed() { focusField(*minutesField_); }

// Handing the focus back to the degrees field leaves the minutes field,
// which checks the angle.
void MainWindow::minutesEdited() {
  if (characterCount(*minutesField_) == kAngleFieldLength) focusField(*degreesField_);
}

void MainWindow::minutesReturnPressed() { focusField(*degreesField_); }

// The angle check, whenever the minutes field loses the focus. Its own focus
// moves (and a field hidden while it has the focus) start no second check.
void MainWindow::minutesFieldLeft() {
  if (checkingAngle_ || !minutesField_->isVisible()) return;
  checkingAngle_ = true;
  const SearchAngleCheck check =
      checkSearchAngle(toUtf8(degreesField_->text()), toUtf8(minutesField_->text()));
  degreesField_->setText(toQString(check.degreesText));
  minutesField_->setText(toQString(check.minutesText));
  session_.searchAngle = check.angle;
  if (check.valid) {
    acceptSearchAngle();
  } else {
    platform_.showError(this, std::string(kInvalidSearchAngleMessage));
    focusField(*degreesField_);
  }
  checkingAngle_ = false;
}

// The angle replaces the "G" caption; then either a factor is asked for, or
// the panel searches the planetary pictures at the angle.
void MainWindow::acceptSearchAngle() {
  degreesCaption_->setText(toQString(grad_minuten_text(session_.searchAngle)));
  minutesCaption_->hide();
  minutesField_->hide();
  degreesField_->hide();
  if (platform_.askYesNo(this, std::string(kAngleFactorQuestion))) {
    factorField_->show();
    factorCaption_->show();
    factorField_->clear();
    focusField(*factorField_);
  } else {
    session_.angleMode = true;
    showVariantPanel();
  }
}

// A refused factor keeps its text, so the user can correct one character.
void MainWindow::factorChanged() {
  if (characterCount(*factorField_) != kAngleFactorEntryLength) return;
  const Checked<int> checked = checkAngleFactor(toUtf8(factorField_->text()));
  if (const Rejection* refused = rejection(checked)) {
    platform_.showError(this, refused->message);
    focusField(*factorField_);
    return;
  }
  const int chosen = std::get<int>(checked);
  factorField_->hide();
  factorCaption_->hide();
  minutesCaption_->setText(toQString(factorName(chosen)));
  minutesCaption_->show();
  showResult(angleSearch(*session_.record, session_.orb, session_.searchAngle, chosen));
}

// ---- Option 4: triple search ----------------------------------------------

void MainWindow::tripleSearchClicked() {
  hideEntryControls();
  session_.allFactors = !platform_.askYesNo(this, std::string(kTripleQuestion));
  equationPrompt_->show();
  equationField_->show();
  focusField(*equationField_);  // the equation of an earlier use stays
}

// The list is cleared first; each message empties the field; a refused
// equation leaves the closing lines with zero counts and the heading as it was.
void MainWindow::equationChanged() {
  if (characterCount(*equationField_) != kTripleEntryLength) return;
  resultList_->clear();
  TripleStep step = tripleEntryStep(*session_.record, session_.orb, toUtf8(equationField_->text()),
                                    session_.allFactors);
  for (const std::string& message : step.messages) refuseEntry(*equationField_, message);
  if (step.heading) setListHeading(*step.heading);
  resultList_->setLines(std::move(step.lines));
  resultList_->showFromTop();
}

// ---- Option 5: correspondences --------------------------------------------

void MainWindow::correspondingClicked() {
  hideEntryControls();
  showResult(correspondences(*session_.record, session_.orb));
}

// ---- Option 6: magic square -----------------------------------------------

// The second text view lies over the result list (and its print and save
// buttons, which it hides) while the option is active.
void MainWindow::magicSquareClicked() {
  hideEntryControls();
  magicVariantField_->show();
  magicSquareView_->show();
  printButton_->hide();
  saveButton_->hide();
  magicVariantPrompt_->show();
  magicVariantField_->clear();  // a change: a field that held an entry opens the view afresh
  focusField(*magicVariantField_);
}

void MainWindow::magicVariantChanged() {
  MagicSquareStep step =
      magicSquareEntryStep(*session_.record, session_.orb, toUtf8(magicVariantField_->text()));
  listHeadingLabel_->setText(toQString(step.view.heading));
  if (step.refusal) {
    // The view stands opened while the message is shown; putting the field
    // text back is a change of its own that opens it again.
    magicSquareView_->setLines(magicSquareEntryStep(*session_.record, session_.orb, {}).view.lines);
    platform_.showError(this, step.refusal->message);
    magicVariantField_->setText(toQString(*step.fieldText));
    magicVariantField_->setFocus(Qt::OtherFocusReason);  // after the name, ready for the letter
  }
  magicSquareView_->setLines(std::move(step.view.lines));
  magicSquareView_->showFromTop();
  if (step.showsInformation) platform_.showInformation(this, std::string(kMagicSquareInformation));
}

}  // namespace kelvaro::ui
