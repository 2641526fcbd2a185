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
#include "ui/Unit1.h"
#include "ui/entry_field.h"
#include "ui/line_view.h"
#include "ui/option_captions.h"
#include "ui/platform.h"
#include "ui/text_view.h"

namespace kelvaro::ui {
namespace {

// The degrees and the minutes field hand the focus on at this length.
constexpr std::size_t kAngleFieldLength = 2;

}  // namespace

void TForm1::connectOptionControls() {
  // Option 1, option 2 (both methods), option 4: a change and Enter check alike.
  for (const auto& [field, check] :
       {std::pair{Edit2, &TForm1::Edit2Change}, std::pair{Edit1, &TForm1::Edit1Change},
        std::pair{Edit7, &TForm1::Edit7Change}, std::pair{Edit6, &TForm1::Edit6Change}}) {
    connect(field, &QLineEdit::textChanged, this, check);
    connect(field, &QLineEdit::returnPressed, this, check);
  }
  connect(radioButtons_, &QButtonGroup::idToggled, this, [this](int id, bool marked) {
    if (marked) RadioButtonClick(id);
  });

  // Option 3: only the user's typing hands the focus on; the texts the angle
  // check writes back do not.
  connect(Edit3, &QLineEdit::textEdited, this, &TForm1::Edit3Change);
  connect(Edit3, &QLineEdit::returnPressed, this, &TForm1::Edit3Enter);
  connect(Edit4, &QLineEdit::textEdited, this, &TForm1::Edit4Change);
  connect(Edit4, &QLineEdit::returnPressed, this, &TForm1::Edit4Enter);
  Edit4->installEventFilter(this);
  connect(Edit5, &QLineEdit::textChanged, this, &TForm1::Edit5Change);

  // Option 6 rebuilds its view on every change, whatever the length.
  connect(Edit8, &QLineEdit::textChanged, this, &TForm1::Edit8Change);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit4 && event->type() == QEvent::FocusOut) {
    // Switching to another window (or a message box taking the focus) does
    // not leave the field; only a focus move inside this window does.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Edit4Exit();
  }
  return QWidget::eventFilter(watched, event);
}

// A refused entry: the message, then the field emptied and focused. Emptying
// it is a change too, which checks nothing as the field is then too short.
void TForm1::refuseEntry(QLineEdit& field, const std::string& message) {
  platform_.showError(this, message);
  field.clear();
  focusField(field);
}

void TForm1::setListHeading(const std::string& heading) {
  listHeading_ = toQString(heading);
  Label3->setText(listHeading_);
}

void TForm1::showResult(SearchResult result) {
  setListHeading(result.heading);
  Memo3->setLines(std::move(result.lines));
  Memo3->showFromTop();
}

// ---- Option 1: midpoints and sums in MC, SO, AS ---------------------------

void TForm1::Button10Click() {
  hideEntryControls();
  Edit2->show();
  Label11->show();
  Edit2->clear();
  focusField(*Edit2);
}

void TForm1::Edit2Change() {
  if (characterCount(*Edit2) != kMidpointSumEntryLength) return;
  const Checked<MidpointSumEntry> checked = checkMidpointSumEntry(toUtf8(Edit2->text()));
  if (const Rejection* refused = rejection(checked)) {
    refuseEntry(*Edit2, refused->message);
    return;
  }
  const auto& entry = std::get<MidpointSumEntry>(checked);
  storedEntry_ = entry.text;
  showResult(midpointSumSearch(*record_, orb_, entry).result);
  Button13->setEnabled(true);
  Button14->setEnabled(true);
}

// ---- Option 2: free search axis or quadro search --------------------------

void TForm1::Button3Click() {
  angleMode_ = false;
  hideEntryControls();
  if (platform_.askYesNo(this, std::string(kMethodQuestion))) {
    Label9->setText(toQString(kFreeAxisPrompt));
    Label9->move(kFreeAxisPromptLeft, Label9->y());  // in line with the example text
    Label9->show();
    Label15->show();
    Edit1->show();
    Edit1->clear();
    focusField(*Edit1);
  } else {
    Label9->move(kQuadroPromptLeft, Label9->y());
    Label9->setText(toQString(kQuadroPrompt));
    Label9->show();
    Edit7->show();
    focusField(*Edit7);  // the picture of an earlier use stays
  }
}

void TForm1::Edit1Change() {
  if (characterCount(*Edit1) != kFreeAxisEntryLength) return;
  const Checked<FreeAxisEntry> checked = checkFreeAxisEntry(toUtf8(Edit1->text()));
  if (const Rejection* refused = rejection(checked)) {
    refuseEntry(*Edit1, refused->message);
    return;
  }
  freeAxisEntry_ = std::get<FreeAxisEntry>(checked);
  storedEntry_ = freeAxisEntry_->stored;
  showVariantPanel();
  Label9->setText(toQString(kPanelPrompt));
  Label15->hide();
}

// The panel names its columns after the factors it looks for: F3 and F4 of
// a picture on a free axis, F1 and F2 at a search angle.
void TForm1::showVariantPanel() {
  Label4->setText(toQString(angleMode_ ? kAngleColumnLeft : kPictureColumnLeft));
  Label5->setText(toQString(angleMode_ ? kAngleColumnRight : kPictureColumnRight));
  Panel4->show();
}

// The twelve radio buttons are one group; a button's id says its column and
// its choice. Left and middle choices are only stored; a right-hand choice
// starts the search.
void TForm1::RadioButtonClick(int id) {
  const int choice = panelChoiceOf(id);
  switch (panelColumnOf(id)) {
    case PanelColumn::left:
      leftChoice_ = static_cast<PanelVariant>(choice);
      break;
    case PanelColumn::kind:
      kindChoice_ = static_cast<PictureKind>(choice);
      break;
    case PanelColumn::right:
      rightChoice_ = static_cast<PanelVariant>(choice);
      PBild_suche();
      break;
  }
}

void TForm1::PBild_suche() {
  // Before a left variant and a kind were ever chosen there is nothing to
  // search for; the user is told the order of the choices.
  if (!leftChoice_ || !kindChoice_) {
    platform_.showInformation(this, std::string(kPanelOrderMessage));
    return;
  }
  const PanelChoices choices{*leftChoice_, *kindChoice_, *rightChoice_};
  PictureAxis axis;
  if (angleMode_) {
    axis = angleAxis(searchAngle_, storedEntry_);
  } else if (freeAxisEntry_) {
    FreeAxisEntry entry = *freeAxisEntry_;
    entry.stored = storedEntry_;
    axis = entryAxis(*record_, entry);
  } else {
    return;
  }
  bool singleFactorOnly = false;
  if (asksSingleFactorQuestion(choices)) {
    singleFactorOnly = platform_.askYesNo(this, std::string(singleFactorQuestion(choices.kind)));
  }
  showResult(pictureSearch(*record_, orb_, axis, choices, singleFactorOnly));
}

// The quadro search names even a refused picture in the heading and the
// list; the list is not scrolled back to its top.
void TForm1::Edit7Change() {
  if (characterCount(*Edit7) != kQuadroEntryLength) return;
  Memo3->clear();
  QuadroOutcome outcome = quadroSearch(*record_, orb_, toUtf8(Edit7->text()));
  setListHeading(outcome.result.heading);
  Memo3->setLines(std::move(outcome.result.lines));
  if (outcome.rejection) {
    refuseEntry(*Edit7, outcome.rejection->message);
    return;
  }
  Memo3->showLastLine();
}

// ---- Option 3: search angle -----------------------------------------------

void TForm1::Button13Click() {
  hideEntryControls();
  Label16->setText(toQString(kDegreesCaption));
  Label17->setText(toQString(kMinutesCaption));
  Label16->show();
  Label17->show();
  Edit3->show();
  Edit4->show();
  storedEntry_.clear();
  focusField(*Edit3);
}

void TForm1::Edit3Change() {
  if (characterCount(*Edit3) == kAngleFieldLength) focusField(*Edit4);
}

void TForm1::Edit3Enter() { focusField(*Edit4); }

// Handing the focus back to the degrees field leaves the minutes field,
// which checks the angle.
void TForm1::Edit4Change() {
  if (characterCount(*Edit4) == kAngleFieldLength) focusField(*Edit3);
}

void TForm1::Edit4Enter() { focusField(*Edit3); }

// The angle check, whenever the minutes field loses the focus. Its own focus
// moves (and a field hidden while it has the focus) start no second check.
void TForm1::Edit4Exit() {
  if (checkingAngle_ || !Edit4->isVisible()) return;
  checkingAngle_ = true;
  const SearchAngleCheck check = checkSearchAngle(toUtf8(Edit3->text()), toUtf8(Edit4->text()));
  Edit3->setText(toQString(check.degreesText));
  Edit4->setText(toQString(check.minutesText));
  searchAngle_ = check.angle;
  if (check.valid) {
    acceptSearchAngle();
  } else {
    platform_.showError(this, std::string(kInvalidSearchAngleMessage));
    focusField(*Edit3);
  }
  checkingAngle_ = false;
}

// The angle replaces the "G" caption; then either a factor is asked for, or
// the panel searches the planetary pictures at the angle.
void TForm1::acceptSearchAngle() {
  Label16->setText(toQString(grad_minuten_text(searchAngle_)));
  Label17->hide();
  Edit4->hide();
  Edit3->hide();
  if (platform_.askYesNo(this, std::string(kAngleFactorQuestion))) {
    Edit5->show();
    Label18->show();
    Edit5->clear();
    focusField(*Edit5);
  } else {
    angleMode_ = true;
    showVariantPanel();
  }
}

// A refused factor keeps its text, so the user can correct one character.
void TForm1::Edit5Change() {
  if (characterCount(*Edit5) != kAngleFactorEntryLength) return;
  const Checked<int> checked = checkAngleFactor(toUtf8(Edit5->text()));
  if (const Rejection* refused = rejection(checked)) {
    platform_.showError(this, refused->message);
    focusField(*Edit5);
    return;
  }
  const int chosen = std::get<int>(checked);
  Edit5->hide();
  Label18->hide();
  Label17->setText(toQString(factorName(chosen)));
  Label17->show();
  showResult(angleSearch(*record_, orb_, searchAngle_, chosen));
}

// ---- Option 4: triple search ----------------------------------------------

void TForm1::Button14Click() {
  hideEntryControls();
  allFactors_ = !platform_.askYesNo(this, std::string(kTripleQuestion));
  Label23->show();
  Edit6->show();
  focusField(*Edit6);  // the equation of an earlier use stays
}

// The list is cleared first; each message empties the field; a refused
// equation leaves the closing lines with zero counts and the heading as it was.
void TForm1::Edit6Change() {
  if (characterCount(*Edit6) != kTripleEntryLength) return;
  Memo3->clear();
  TripleStep step = tripleEntryStep(*record_, orb_, toUtf8(Edit6->text()), allFactors_);
  for (const std::string& message : step.messages) refuseEntry(*Edit6, message);
  if (step.heading) setListHeading(*step.heading);
  Memo3->setLines(std::move(step.lines));
  Memo3->showFromTop();
}

// ---- Option 5: correspondences --------------------------------------------

void TForm1::Button1Click() {
  hideEntryControls();
  showResult(correspondences(*record_, orb_));
}

// ---- Option 6: magic square -----------------------------------------------

// The second text view lies over the result list (and its print and save
// buttons, which it hides) while the option is active.
void TForm1::Button5Click() {
  hideEntryControls();
  Edit8->show();
  Memo1->show();
  Button6->hide();
  Button7->hide();
  Label22->show();
  Edit8->clear();  // a change: a field that held an entry opens the view afresh
  focusField(*Edit8);
}

void TForm1::Edit8Change() {
  MagicSquareStep step = magicSquareEntryStep(*record_, orb_, toUtf8(Edit8->text()));
  Label3->setText(toQString(step.view.heading));
  if (step.refusal) {
    // The view stands opened while the message is shown; putting the field
    // text back is a change of its own that opens it again.
    Memo1->setLines(magicSquareEntryStep(*record_, orb_, {}).view.lines);
    platform_.showError(this, step.refusal->message);
    Edit8->setText(toQString(*step.fieldText));
    Edit8->setFocus(Qt::OtherFocusReason);  // after the name, ready for the letter
  }
  Memo1->setLines(std::move(step.view.lines));
  Memo1->showFromTop();
  if (step.showsInformation) platform_.showInformation(this, std::string(kMagicSquareInformation));
}

}  // namespace kelvaro::ui
