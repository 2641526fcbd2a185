// The six search options of the main window: each option button clears the
// entry area and shows its own controls, the entry fields are checked on
// every change that gives them the option's length (and again on Enter), and
// the searches run on the session the window keeps between user actions.
#include "ui/windows/search_options.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
#include "ui/widgets/option_captions.h"
#include "ui/widgets/text_view.h"

namespace kelvaro::ui {
namespace {

// The degrees and the minutes field hand the focus on at this length.
constexpr std::size_t kAngleFieldLength = 2;

}  // namespace

SearchOptions::SearchOptions(Platform& platform, SearchSession& session, QWidget* parent)
    : QWidget(parent), platform_(platform), session_(session) {
  setObjectName(QStringLiteral("SearchOptions"));
  setGeometry(0, kTop, 1024, kHeight);
  createOptionButtons();
  createEntryControls();
  createVariantPanel();
  moveIntoBand();
  connectControls();
}

std::vector<QPushButton*> SearchOptions::optionButtons() const {
  return {axisSearchButton_,   freeAxisButton_,      angleSearchButton_,
          tripleSearchButton_, correspondingButton_, magicSquareButton_};
}

int SearchOptions::lastRowEnd() const { return magicSquareButton_->geometry().right(); }

void SearchOptions::hideEntryControls() {
  for (QWidget* control : entryControls()) control->hide();
  emit entryAreaCleared();
}

void SearchOptions::clear() {
  freeAxisPrompt_->setText(QStringLiteral(" "));
  hideEntryControls();
}

std::vector<QWidget*> SearchOptions::entryControls() const {
  return {variantPanel_,   degreesCaption_,    minutesCaption_,     axisSearchField_,
          degreesField_,   minutesField_,      factorField_,        equationField_,
          equationPrompt_, magicVariantField_, factorCaption_,      axisSearchCaption_,
          freeAxisPrompt_, freeAxisExample_,   magicVariantPrompt_, freeAxisField_,
          quadroField_};
}

void SearchOptions::connectControls() {
  connect(axisSearchButton_, &QPushButton::clicked, this, &SearchOptions::axisSearchClicked);
  connect(freeAxisButton_, &QPushButton::clicked, this, &SearchOptions::freeAxisClicked);
  connect(angleSearchButton_, &QPushButton::clicked, this, &SearchOptions::angleSearchClicked);
  connect(tripleSearchButton_, &QPushButton::clicked, this, &SearchOptions::tripleSearchClicked);
  connect(correspondingButton_, &QPushButton::clicked, this, &SearchOptions::correspondingClicked);
  connect(magicSquareButton_, &QPushButton::clicked, this, &SearchOptions::magicSquareClicked);
  connect(panelHelpButton_, &QPushButton::clicked, this, &SearchOptions::panelHelpClicked);

  // Option 1, option 2 (both methods), option 4: a change and Enter check alike.
  for (const auto& [field, check] :
       {std::pair{axisSearchField_, &SearchOptions::axisSearchEntryChanged},
        std::pair{freeAxisField_, &SearchOptions::freeAxisEntryChanged},
        std::pair{quadroField_, &SearchOptions::quadroEntryChanged},
        std::pair{equationField_, &SearchOptions::equationChanged}}) {
    connect(field, &QLineEdit::textChanged, this, check);
    connect(field, &QLineEdit::returnPressed, this, check);
  }
  connect(panelButtonGroup_, &QButtonGroup::idToggled, this, [this](int id, bool marked) {
    if (marked) panelChoiceClicked(id);
  });

  // Option 3: only the user's typing hands the focus on; the texts the angle
  // check writes back do not.
  connect(degreesField_, &QLineEdit::textEdited, this, &SearchOptions::degreesEdited);
  connect(degreesField_, &QLineEdit::returnPressed, this, &SearchOptions::degreesReturnPressed);
  connect(minutesField_, &QLineEdit::textEdited, this, &SearchOptions::minutesEdited);
  connect(minutesField_, &QLineEdit::returnPressed, this, &SearchOptions::minutesReturnPressed);
  minutesField_->installEventFilter(this);
  connect(factorField_, &QLineEdit::textChanged, this, &SearchOptions::factorChanged);

  // Option 6 rebuilds its view on every change, whatever the length.
  connect(magicVariantField_, &QLineEdit::textChanged, this, &SearchOptions::magicVariantChanged);
}

bool SearchOptions::eventFilter(QObject* watched, QEvent* event) {
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
void SearchOptions::refuseEntry(QLineEdit& field, const std::string& message) {
  platform_.showError(window(), message);
  field.clear();
  focusField(field);
}

void SearchOptions::showResult(const SearchResult& result, ListPlace place) {
  emit resultReady(result, place);
}

// ---- Option 1: midpoints and sums in MC, SO, AS ---------------------------

void SearchOptions::axisSearchClicked() {
  hideEntryControls();
  axisSearchField_->show();
  axisSearchCaption_->show();
  axisSearchField_->clear();
  focusField(*axisSearchField_);
}

void SearchOptions::axisSearchEntryChanged() {
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

void SearchOptions::freeAxisClicked() {
  session_.angleMode = false;
  hideEntryControls();
  if (platform_.askYesNo(window(), std::string(kMethodQuestion))) {
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

void SearchOptions::freeAxisEntryChanged() {
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
void SearchOptions::showVariantPanel() {
  panelLeftColumn_->setText(toQString(session_.angleMode ? kAngleColumnLeft : kPictureColumnLeft));
  panelRightColumn_->setText(
      toQString(session_.angleMode ? kAngleColumnRight : kPictureColumnRight));
  variantPanel_->show();
}

// The twelve radio buttons are one group; a button's id says its column and
// its choice. Left and middle choices are only kept; a right-hand choice
// starts the search.
void SearchOptions::panelChoiceClicked(int id) {
  if (session_.choosePanelButton(id)) searchPanelChoice();
}

void SearchOptions::searchPanelChoice() {
  const PanelStep step = session_.panelStep();
  if (std::holds_alternative<PanelOrderMissing>(step)) {
    platform_.showInformation(window(), std::string(kPanelOrderMessage));
    return;
  }
  const auto* search = std::get_if<PanelSearch>(&step);
  if (!search) return;
  bool singleFactorOnly = false;
  if (asksSingleFactorQuestion(search->choices)) {
    singleFactorOnly =
        platform_.askYesNo(window(), std::string(singleFactorQuestion(search->choices.kind)));
  }
  showResult(pictureSearch(*session_.record, session_.orb, search->axis, search->choices,
                           singleFactorOnly));
}

// The quadro search names even a refused picture in the heading and the
// list; the list is not scrolled back to its top.
void SearchOptions::quadroEntryChanged() {
  if (characterCount(*quadroField_) != kQuadroEntryLength) return;
  emit listCleared();
  const QuadroOutcome outcome =
      quadroSearch(*session_.record, session_.orb, toUtf8(quadroField_->text()));
  showResult(outcome.result, outcome.rejection ? ListPlace::top : ListPlace::lastLine);
  if (outcome.rejection) refuseEntry(*quadroField_, outcome.rejection->message);
}

// ---- Option 3: search angle -----------------------------------------------

void SearchOptions::angleSearchClicked() {
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

void SearchOptions::degreesEdited() {
  if (characterCount(*degreesField_) == kAngleFieldLength) focusField(*minutesField_);
}

void SearchOptions::degreesReturnPressed() { focusField(*minutesField_); }

// Handing the focus back to the degrees field leaves the minutes field,
// which checks the angle.
void SearchOptions::minutesEdited() {
  if (characterCount(*minutesField_) == kAngleFieldLength) focusField(*degreesField_);
}

void SearchOptions::minutesReturnPressed() { focusField(*degreesField_); }

// The angle check, whenever the minutes field loses the focus. Its own focus
// moves (and a field hidden while it has the focus) start no second check.
void SearchOptions::minutesFieldLeft() {
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
    platform_.showError(window(), std::string(kInvalidSearchAngleMessage));
    focusField(*degreesField_);
  }
  checkingAngle_ = false;
}

// The angle replaces the "G" caption; then either a factor is asked for, or
// the panel searches the planetary pictures at the angle.
void SearchOptions::acceptSearchAngle() {
  degreesCaption_->setText(toQString(grad_minuten_text(session_.searchAngle)));
  minutesCaption_->hide();
  minutesField_->hide();
  degreesField_->hide();
  if (platform_.askYesNo(window(), std::string(kAngleFactorQuestion))) {
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
void SearchOptions::factorChanged() {
  if (characterCount(*factorField_) != kAngleFactorEntryLength) return;
  const Checked<int> checked = checkAngleFactor(toUtf8(factorField_->text()));
  if (const Rejection* refused = rejection(checked)) {
    platform_.showError(window(), refused->message);
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

void SearchOptions::tripleSearchClicked() {
  hideEntryControls();
  session_.allFactors = !platform_.askYesNo(window(), std::string(kTripleQuestion));
  equationPrompt_->show();
  equationField_->show();
  focusField(*equationField_);  // the equation of an earlier use stays
}

// The list is cleared first; each message empties the field; a refused
// equation leaves the closing lines with zero counts and the heading as it was.
void SearchOptions::equationChanged() {
  if (characterCount(*equationField_) != kTripleEntryLength) return;
  emit listCleared();
  TripleStep step = tripleEntryStep(*session_.record, session_.orb, toUtf8(equationField_->text()),
                                    session_.allFactors);
  for (const std::string& message : step.messages) refuseEntry(*equationField_, message);
  if (step.heading) {
    SearchResult result{*step.heading, std::move(step.lines), std::move(step.factors)};
    result.pairEqualsPair = step.pairEqualsPair;
    showResult(result);
  } else {
    emit linesReady(step.lines);
  }
}

// ---- Option 5: correspondences --------------------------------------------

void SearchOptions::correspondingClicked() {
  hideEntryControls();
  showResult(correspondences(*session_.record, session_.orb));
}

// ---- Option 6: magic square -----------------------------------------------

// The window's second text view lies over the result list (and its print
// and save buttons) while the option is active.
void SearchOptions::magicSquareClicked() {
  hideEntryControls();
  magicVariantField_->show();
  emit magicSquareOpened();
  magicVariantPrompt_->show();
  magicVariantField_->clear();  // a change: a field that held an entry opens the view afresh
  focusField(*magicVariantField_);
}

void SearchOptions::magicVariantChanged() {
  MagicSquareStep step =
      magicSquareEntryStep(*session_.record, session_.orb, toUtf8(magicVariantField_->text()));
  if (step.refusal) {
    // The view stands opened while the message is shown; putting the field
    // text back is a change of its own that opens it again.
    emit magicSquareChanged(
        {step.view.heading, magicSquareEntryStep(*session_.record, session_.orb, {}).view.lines});
    platform_.showError(window(), step.refusal->message);
    magicVariantField_->setText(toQString(*step.fieldText));
    magicVariantField_->setFocus(Qt::OtherFocusReason);  // after the name, ready for the letter
  }
  emit magicSquareChanged(step.view);
  if (step.showsInformation) {
    platform_.showInformation(window(), std::string(kMagicSquareInformation));
  }
}

}  // namespace kelvaro::ui
