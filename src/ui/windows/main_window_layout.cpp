// The controls of the main window and their places. The window is laid out
// in fixed pixel positions for a client area of 1024 × 750; a lower window
// gives the views less height and moves the rows below them up, a wider one
// gives the result list the width and keeps the right-hand controls at the
// right edge.
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/help/intro_text.h"
#include "ui/widgets/clickable_label.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/named_controls.h"
#include "ui/widgets/option_captions.h"
#include "ui/widgets/reflow.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"
#include "ui/windows/main_window.h"

namespace kelvaro::ui {
namespace {

// The client area the positions are designed for, and the lowest one that
// still shows a useful result list.
constexpr QSize kDesignedClient{1024, 750};
constexpr int kSmallestClientHeight = 600;

QFrame* panel(QWidget* parent, const char* name, const QColor& background, const QRect& geometry) {
  auto* frame = named(new QFrame(parent), name, geometry);
  fillBackground(*frame, background);
  return frame;
}

// A read-only, fixed-pitch view of result lines: tables keep their columns,
// long lines scroll sideways instead of wrapping.
LineView* resultView(QWidget* parent, const char* name, const QRect& geometry) {
  auto* view = named(new LineView(parent), name, geometry);
  view->setFont(fixedPitchFont(9, true));
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setBaseColour(*view, colour::cream);
  return view;
}

// A push button just wide enough for its caption, as the option buttons are.
QPushButton* fittedButton(QWidget* parent, const char* name, const QString& caption, int x, int y) {
  auto* fitted = new QPushButton(caption, parent);
  fitted->setObjectName(QString::fromLatin1(name));
  fitted->move(x, y);
  fitted->resize(fitted->sizeHint().width() + 12, 25);
  return fitted;
}

}  // namespace

void MainWindow::createControls() {
  fillBackground(*this, colour::black);
  setTextColour(*this, colour::yellow);
  setFont(captionFont(9, true));
  createUpperPanel();
  createOptionButtons();
  createEntryControls();
  createVariantPanel();
  createIntroPanel();
  createScrollArea();
}

// The controls move onto a client widget in a scroll area that fills the
// window. The client follows the window's size: the result list, the second
// view and the introduction take the height there is, and the rows below
// them move with the bottom, so a laptop screen shows every control; the
// upper panel and its views take the width there is (a maximised window
// shows longer lines), the controls at its right move with the right edge,
// and the introduction stays in the middle. Only a window narrower than the
// design, or lower than its smallest height, shows scroll bars.
void MainWindow::createScrollArea() {
  auto* client = new QWidget;
  client->setObjectName(QStringLiteral("Client"));
  fillBackground(*client, colour::black);
  for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    control->setParent(client);
  }
  auto* reflow = new Reflow(*client, kDesignedClient, kSmallestClientHeight);
  for (QWidget* view :
       std::initializer_list<QWidget*>{upperPanel_, resultFrame_, resultList_, magicSquareView_}) {
    reflow->stretch(*view, Qt::Vertical | Qt::Horizontal);
  }
  for (QWidget* view : std::initializer_list<QWidget*>{introPanel_, introText_}) {
    reflow->stretch(*view, Qt::Vertical);
  }
  for (QWidget* bar : std::initializer_list<QWidget*>{topBar_, listHeadingLabel_}) {
    reflow->stretch(*bar, Qt::Horizontal);
  }
  // Below the upper panel: the options, their entries and "Noch einmal von
  // vorne"; in it, the row of "Drucken" and the axis labels; in the intro,
  // its buttons.
  reflow->moveBelow(*client, upperPanel_->geometry().bottom());
  reflow->moveBelow(*upperPanel_, printButton_->y());
  reflow->moveBelow(*introPanel_, continueButton_->y());
  for (QWidget* right :
       std::initializer_list<QWidget*>{orbLabel_, savePdfButton_, printButton_, saveButton_,
                                       variantPanel_, restartButton_, personsButton_}) {
    reflow->moveRight(*right);
  }
  reflow->keepCentred(*introPanel_);

  scrollArea_ = new QScrollArea(this);
  scrollArea_->setObjectName(QStringLiteral("ScrollBox1"));
  scrollArea_->setFrameShape(QFrame::NoFrame);
  // Clicks on labels and panels leave the focus where it is, as without it.
  scrollArea_->setFocusPolicy(Qt::NoFocus);
  scrollArea_->setWidgetResizable(true);
  scrollArea_->setWidget(client);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scrollArea_);
}

void MainWindow::createUpperPanel() {
  upperPanel_ = panel(this, "Panel1", colour::navy, {4, 4, 1016, 552});

  topBar_ = label(upperPanel_, "Panel2", QStringLiteral("Bitte eine Transit-Datei auswählen "),
                  {0, 0, 1016, 26});
  fillBackground(*topBar_, colour::skyBlue);
  setTextColour(*topBar_, colour::black);
  topBar_->setFont(captionFont(10, true));
  topBar_->setAlignment(Qt::AlignCenter);
  topBar_->setFrameStyle(QFrame::Panel | QFrame::Raised);

  listHeadingLabel_ = label(upperPanel_, "Label3", QString(), {8, 30, 860, 18});
  orbLabel_ = named(new ClickableLabel(upperPanel_), "Label7", {868, 30, 140, 18});
  orbLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  orbLabel_->setCursor(Qt::PointingHandCursor);

  resultFrame_ = panel(upperPanel_, "Panel3", colour::skyBlue, {6, 52, 1004, 444});
  resultList_ = resultView(resultFrame_, "Memo3", {5, 5, 994, 434});

  savePdfButton_ = button(upperPanel_, "SavePdfButton", QStringLiteral("Als PDF speichern …"),
                          {714, 486, 124, 22});
  printButton_ = button(upperPanel_, "Button6", QStringLiteral("Drucken"), {842, 486, 80, 22});
  saveButton_ = button(upperPanel_, "Button7", QStringLiteral("Speichern"), {926, 486, 80, 22});
  for (QPushButton* small : {savePdfButton_, printButton_, saveButton_})
    small->setFont(captionFont(8, true));

  // The second text view of option 6 lies over the result frame and covers
  // the print and save buttons while it is shown.
  magicSquareView_ = resultView(upperPanel_, "Memo1", {6, 52, 1004, 460});

  QFont narrow = captionFont(9);
  narrow.setStretch(QFont::SemiCondensed);
  int column = 0;
  const auto axisLabel = [&](const char* name) {
    QLabel* axis = label(upperPanel_, name, QString(), {8 + column++ * 100, 520, 100, 20});
    axis->setFont(narrow);
    return axis;
  };
  axisLabels_ = {axisLabel("Label20"), axisLabel("Label21"), axisLabel("Label1"),
                 axisLabel("Label2"),  axisLabel("Label8"),  axisLabel("Label10"),
                 axisLabel("Label12"), axisLabel("Label13"), axisLabel("Label14"),
                 axisLabel("Label19")};
}

void MainWindow::createOptionButtons() {
  const int x = 8;
  axisSearchButton_ = fittedButton(
      this, "Button10", QStringLiteral("1  Halbsummen- und Summen-Suche in MC, SO, AS"), x, 566);
  freeAxisButton_ = fittedButton(this, "Button3", toQString(kFreeAxisButtonCaption), x, 595);
  angleSearchButton_ =
      fittedButton(this, "Button13", QStringLiteral("3  Eingabe eines Suchachs-Winkels"), x, 624);
  tripleSearchButton_ =
      fittedButton(this, "Button14", QStringLiteral("4  Tripel-Suche (Gleichungs-Lösung)"), x, 653);
  correspondingButton_ =
      fittedButton(this, "Button1", QStringLiteral("5  Korrespondierende"), x, 682);
  magicSquareButton_ =
      fittedButton(this, "Button5", QStringLiteral("6  Magisches Quadrat "), x, 711);
  // The dial beside option 6, below every option's entry controls.
  dialButton_ = fittedButton(this, "Button15", QStringLiteral("7  Gradscheibe"),
                             magicSquareButton_->geometry().right() + 9, 711);
  // The transit calendar beside the dial.
  calendarButton_ = fittedButton(this, "Button16", QStringLiteral("8  Transit-Kalender"),
                                 dialButton_->geometry().right() + 9, 711);
  restartButton_ =
      button(this, "Button4", QStringLiteral("Noch einmal von vorne"), {808, 718, 212, 26});
  // The persons archive, beside the restart; the introduction has its own button.
  personsButton_ =
      button(this, "MainPersonsButton", QStringLiteral("Personen …"), {690, 718, 110, 26});
  personsButton_->hide();
}

void MainWindow::createEntryControls() {
  const QFont prompt = captionFont(9, true, true);
  const QFont field = captionFont(11, true);

  axisSearchCaption_ = label(this, "Label11", QStringLiteral("F1 / + F2"), {400, 570, 120, 20});
  axisSearchField_ = edit(this, "Edit2", {400, 592, 90, 28});

  freeAxisPrompt_ = label(this, "Label9", QString(), {kFreeAxisPromptLeft, 570, 370, 20});
  freeAxisExample_ =
      label(this, "Label15", toQString(kFreeAxisExample), {kFreeAxisPromptLeft, 592, 520, 20});
  freeAxisField_ = edit(this, "Edit1", {kFreeAxisPromptLeft, 616, 110, 28});
  quadroField_ = edit(this, "Edit7", {kQuadroPromptLeft, 616, 160, 28});

  degreesCaption_ = label(this, "Label16", toQString(kDegreesCaption), {400, 596, 60, 20});
  degreesField_ = edit(this, "Edit3", {400, 618, 40, 28});
  minutesCaption_ = label(this, "Label17", toQString(kMinutesCaption), {460, 596, 60, 20});
  minutesField_ = edit(this, "Edit4", {460, 618, 48, 28});
  factorCaption_ = label(this, "Label18", QStringLiteral("Faktor"), {540, 596, 80, 20});
  factorField_ = edit(this, "Edit5", {540, 618, 60, 28});

  equationPrompt_ = label(this, "Label23", QStringLiteral("Gleichung F1+F2=F3+ oder F1/F2=F3/"),
                          {400, 578, 320, 20});
  equationField_ = edit(this, "Edit6", {400, 600, 180, 28});
  equationPrompt_->setBuddy(equationField_);

  magicVariantPrompt_ =
      label(this, "Label22", QStringLiteral("Geben Sie eine beliebige Faktor-Variante ein "),
            {400, 570, 360, 20});
  magicVariantField_ = edit(this, "Edit8", {400, 592, 70, 28});

  for (QLabel* text : {freeAxisPrompt_, axisSearchCaption_, freeAxisExample_, degreesCaption_,
                       minutesCaption_, factorCaption_, magicVariantPrompt_, equationPrompt_}) {
    text->setFont(prompt);
  }
  for (QLineEdit* entry :
       {freeAxisField_, axisSearchField_, degreesField_, minutesField_, factorField_, quadroField_})
    entry->setFont(field);
  // Equations and factor variants line up character by character.
  for (QLineEdit* entry : {equationField_, magicVariantField_})
    entry->setFont(fixedPitchFont(11, true));
}

void MainWindow::createVariantPanel() {
  variantPanel_ = panel(this, "Panel4", colour::yellow, {808, 562, 212, 150});
  setTextColour(*variantPanel_, colour::black);
  panelInstruction_ = label(variantPanel_, "Label6", toQString(kPanelInstruction), {4, 2, 204, 16});
  panelInstruction_->setFont(captionFont(8, true));
  panelInstruction_->setAlignment(Qt::AlignCenter);
  panelLeftColumn_ = label(variantPanel_, "Label4", toQString(kPictureColumnLeft), {4, 18, 64, 16});
  panelRightColumn_ =
      label(variantPanel_, "Label5", toQString(kPictureColumnRight), {144, 18, 64, 16});
  for (QLabel* column : {panelLeftColumn_, panelRightColumn_})
    column->setAlignment(Qt::AlignCenter);

  const auto group = [this](const char* name, const QString& title, const QRect& geometry) {
    auto* frame = named(new QGroupBox(title, variantPanel_), name, geometry);
    fillBackground(*frame, colour::silver);
    frame->setFont(captionFont(8, true));
    return frame;
  };
  leftVariants_ = group("RadioGroup1", QStringLiteral("Variante"), {4, 34, 64, 112});
  pictureKinds_ = group("RadioGroup2", QStringLiteral("Art"), {74, 34, 64, 60});
  rightVariants_ = group("RadioGroup3", QStringLiteral("Variante"), {144, 34, 64, 112});

  // Captions, frames, rows and button-group ids of RadioButton1 … RadioButton12.
  struct Choice {
    const char* caption;
    QGroupBox* frame;
    int row;
    int id;
  };
  using enum PanelVariant;
  const auto left = [](PanelVariant v) { return panelButtonId(PanelColumn::left, v); };
  const auto right = [](PanelVariant v) { return panelButtonId(PanelColumn::right, v); };
  const std::array<Choice, 12> choices = {{
      {"r", leftVariants_, 0, left(r)},
      {"p", leftVariants_, 1, left(p)},
      {"s", leftVariants_, 2, left(s)},
      {"t", leftVariants_, 3, left(t)},
      {"/", pictureKinds_, 0, panelButtonId(PictureKind::midpoint)},
      {"+", pictureKinds_, 1, panelButtonId(PictureKind::sum)},
      {"r", rightVariants_, 0, right(r)},
      {"p", rightVariants_, 1, right(p)},
      {"s", rightVariants_, 2, right(s)},
      {"t", rightVariants_, 3, right(t)},
      {"rpst", leftVariants_, 4, left(rpst)},
      {"rpst", rightVariants_, 4, right(rpst)},
  }};
  panelButtonGroup_ = new QButtonGroup(this);
  panelButtonGroup_->setExclusive(true);
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const std::string name = "RadioButton" + std::to_string(i + 1);
    panelButtons_[i] =
        named(new QRadioButton(QString::fromLatin1(choices[i].caption), choices[i].frame),
              name.c_str(), {6, 16 + choices[i].row * 18, 56, 18});
    panelButtonGroup_->addButton(panelButtons_[i], choices[i].id);
  }

  panelHelpButton_ = button(variantPanel_, "Button12", QStringLiteral("Hilfe"), {74, 104, 64, 26});
}

void MainWindow::createIntroPanel() {
  introPanel_ = panel(this, "Panel5", colour::navy, {92, 36, 840, 676});
  introText_ = named(new QPlainTextEdit(introPanel_), "Memo4", {12, 12, 816, 606});
  introText_->setReadOnly(true);
  introText_->setFont(captionFont(10, true));
  introText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  setBaseColour(*introText_, colour::cream);
  setLines(*introText_, introLines(toUtf8(pathText(folders_.program))));

  continueButton_ = button(introPanel_, "Button2", QStringLiteral("Weiter"), {370, 630, 100, 32});
  continueButton_->setDefault(true);
  newTransitButton_ = button(introPanel_, "NewTransitButton",
                             QStringLiteral("Neue Transit-Datei …"), {480, 630, 200, 32});
  introPersonsButton_ =
      button(introPanel_, "PersonsButton", QStringLiteral("Personen …"), {690, 630, 130, 32});
}

}  // namespace kelvaro::ui
