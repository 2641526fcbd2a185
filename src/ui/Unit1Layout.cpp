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

#include "ui/Unit1.h"
#include "ui/clickable_label.h"
#include "ui/intro_text.h"
#include "ui/line_view.h"
#include "ui/named_controls.h"
#include "ui/option_captions.h"
#include "ui/reflow.h"
#include "ui/text_view.h"
#include "ui/window_style.h"

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

void TForm1::createControls() {
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
void TForm1::createScrollArea() {
  auto* client = new QWidget;
  client->setObjectName(QStringLiteral("Client"));
  fillBackground(*client, colour::black);
  for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    control->setParent(client);
  }
  auto* reflow = new Reflow(*client, kDesignedClient, kSmallestClientHeight);
  for (QWidget* view : std::initializer_list<QWidget*>{Panel1, Panel3, Memo3, Memo1}) {
    reflow->stretch(*view, Qt::Vertical | Qt::Horizontal);
  }
  for (QWidget* view : std::initializer_list<QWidget*>{Panel5, Memo4}) {
    reflow->stretch(*view, Qt::Vertical);
  }
  for (QWidget* bar : std::initializer_list<QWidget*>{Panel2, Label3}) {
    reflow->stretch(*bar, Qt::Horizontal);
  }
  // Below the upper panel: the options, their entries and "Noch einmal von
  // vorne"; in it, the row of "Drucken" and the axis labels; in the intro,
  // its buttons.
  reflow->moveBelow(*client, Panel1->geometry().bottom());
  reflow->moveBelow(*Panel1, Button6->y());
  reflow->moveBelow(*Panel5, Button2->y());
  for (QWidget* right : std::initializer_list<QWidget*>{Label7, SavePdfButton, Button6, Button7,
                                                        Panel4, Button4, MainPersonsButton}) {
    reflow->moveRight(*right);
  }
  reflow->keepCentred(*Panel5);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  // Clicks on labels and panels leave the focus where it is, as without it.
  ScrollBox1->setFocusPolicy(Qt::NoFocus);
  ScrollBox1->setWidgetResizable(true);
  ScrollBox1->setWidget(client);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ScrollBox1);
}

void TForm1::createUpperPanel() {
  Panel1 = panel(this, "Panel1", colour::navy, {4, 4, 1016, 552});

  Panel2 = label(Panel1, "Panel2", QStringLiteral("Bitte eine Transit-Datei auswählen "),
                 {0, 0, 1016, 26});
  fillBackground(*Panel2, colour::skyBlue);
  setTextColour(*Panel2, colour::black);
  Panel2->setFont(captionFont(10, true));
  Panel2->setAlignment(Qt::AlignCenter);
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);

  Label3 = label(Panel1, "Label3", QString(), {8, 30, 860, 18});
  Label7 = named(new ClickableLabel(Panel1), "Label7", {868, 30, 140, 18});
  Label7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label7->setCursor(Qt::PointingHandCursor);

  Panel3 = panel(Panel1, "Panel3", colour::skyBlue, {6, 52, 1004, 444});
  Memo3 = resultView(Panel3, "Memo3", {5, 5, 994, 434});

  SavePdfButton =
      button(Panel1, "SavePdfButton", QStringLiteral("Als PDF speichern …"), {714, 486, 124, 22});
  Button6 = button(Panel1, "Button6", QStringLiteral("Drucken"), {842, 486, 80, 22});
  Button7 = button(Panel1, "Button7", QStringLiteral("Speichern"), {926, 486, 80, 22});
  for (QPushButton* small : {SavePdfButton, Button6, Button7}) small->setFont(captionFont(8, true));

  // The second text view of option 6 lies over the result frame and covers
  // the print and save buttons while it is shown.
  Memo1 = resultView(Panel1, "Memo1", {6, 52, 1004, 460});

  QFont narrow = captionFont(9);
  narrow.setStretch(QFont::SemiCondensed);
  int column = 0;
  const auto axisLabel = [&](const char* name) {
    QLabel* axis = label(Panel1, name, QString(), {8 + column++ * 100, 520, 100, 20});
    axis->setFont(narrow);
    return axis;
  };
  Label20 = axisLabel("Label20");
  Label21 = axisLabel("Label21");
  Label1 = axisLabel("Label1");
  Label2 = axisLabel("Label2");
  Label8 = axisLabel("Label8");
  Label10 = axisLabel("Label10");
  Label12 = axisLabel("Label12");
  Label13 = axisLabel("Label13");
  Label14 = axisLabel("Label14");
  Label19 = axisLabel("Label19");
}

void TForm1::createOptionButtons() {
  const int x = 8;
  Button10 = fittedButton(this, "Button10",
                          QStringLiteral("1  Halbsummen- und Summen-Suche in MC, SO, AS"), x, 566);
  Button3 = fittedButton(this, "Button3", toQString(kFreeAxisButtonCaption), x, 595);
  Button13 =
      fittedButton(this, "Button13", QStringLiteral("3  Eingabe eines Suchachs-Winkels"), x, 624);
  Button14 =
      fittedButton(this, "Button14", QStringLiteral("4  Tripel-Suche (Gleichungs-Lösung)"), x, 653);
  Button1 = fittedButton(this, "Button1", QStringLiteral("5  Korrespondierende"), x, 682);
  Button5 = fittedButton(this, "Button5", QStringLiteral("6  Magisches Quadrat "), x, 711);
  // The dial beside option 6, below every option's entry controls.
  Button15 = fittedButton(this, "Button15", QStringLiteral("7  Gradscheibe"),
                          Button5->geometry().right() + 9, 711);
  // The transit calendar beside the dial.
  Button16 = fittedButton(this, "Button16", QStringLiteral("8  Transit-Kalender"),
                          Button15->geometry().right() + 9, 711);
  Button4 = button(this, "Button4", QStringLiteral("Noch einmal von vorne"), {808, 718, 212, 26});
  // The persons archive, beside the restart; the introduction has its own button.
  MainPersonsButton =
      button(this, "MainPersonsButton", QStringLiteral("Personen …"), {690, 718, 110, 26});
  MainPersonsButton->hide();
}

void TForm1::createEntryControls() {
  const QFont prompt = captionFont(9, true, true);
  const QFont field = captionFont(11, true);

  Label11 = label(this, "Label11", QStringLiteral("F1 / + F2"), {400, 570, 120, 20});
  Edit2 = edit(this, "Edit2", {400, 592, 90, 28});

  Label9 = label(this, "Label9", QString(), {kFreeAxisPromptLeft, 570, 370, 20});
  Label15 =
      label(this, "Label15", toQString(kFreeAxisExample), {kFreeAxisPromptLeft, 592, 520, 20});
  Edit1 = edit(this, "Edit1", {kFreeAxisPromptLeft, 616, 110, 28});
  Edit7 = edit(this, "Edit7", {kQuadroPromptLeft, 616, 160, 28});

  Label16 = label(this, "Label16", toQString(kDegreesCaption), {400, 596, 60, 20});
  Edit3 = edit(this, "Edit3", {400, 618, 40, 28});
  Label17 = label(this, "Label17", toQString(kMinutesCaption), {460, 596, 60, 20});
  Edit4 = edit(this, "Edit4", {460, 618, 48, 28});
  Label18 = label(this, "Label18", QStringLiteral("Faktor"), {540, 596, 80, 20});
  Edit5 = edit(this, "Edit5", {540, 618, 60, 28});

  Label23 = label(this, "Label23", QStringLiteral("Gleichung F1+F2=F3+ oder F1/F2=F3/"),
                  {400, 578, 320, 20});
  Edit6 = edit(this, "Edit6", {400, 600, 180, 28});
  Label23->setBuddy(Edit6);

  Label22 = label(this, "Label22", QStringLiteral("Geben Sie eine beliebige Faktor-Variante ein "),
                  {400, 570, 360, 20});
  Edit8 = edit(this, "Edit8", {400, 592, 70, 28});

  for (QLabel* text : {Label9, Label11, Label15, Label16, Label17, Label18, Label22, Label23}) {
    text->setFont(prompt);
  }
  for (QLineEdit* entry : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit7}) entry->setFont(field);
  // Equations and factor variants line up character by character.
  for (QLineEdit* entry : {Edit6, Edit8}) entry->setFont(fixedPitchFont(11, true));
}

void TForm1::createVariantPanel() {
  Panel4 = panel(this, "Panel4", colour::yellow, {808, 562, 212, 150});
  setTextColour(*Panel4, colour::black);
  Label6 = label(Panel4, "Label6", toQString(kPanelInstruction), {4, 2, 204, 16});
  Label6->setFont(captionFont(8, true));
  Label6->setAlignment(Qt::AlignCenter);
  Label4 = label(Panel4, "Label4", toQString(kPictureColumnLeft), {4, 18, 64, 16});
  Label5 = label(Panel4, "Label5", toQString(kPictureColumnRight), {144, 18, 64, 16});
  for (QLabel* column : {Label4, Label5}) column->setAlignment(Qt::AlignCenter);

  const auto group = [this](const char* name, const QString& title, const QRect& geometry) {
    auto* frame = named(new QGroupBox(title, Panel4), name, geometry);
    fillBackground(*frame, colour::silver);
    frame->setFont(captionFont(8, true));
    return frame;
  };
  RadioGroup1 = group("RadioGroup1", QStringLiteral("Variante"), {4, 34, 64, 112});
  RadioGroup2 = group("RadioGroup2", QStringLiteral("Art"), {74, 34, 64, 60});
  RadioGroup3 = group("RadioGroup3", QStringLiteral("Variante"), {144, 34, 64, 112});

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
      {"r", RadioGroup1, 0, left(r)},
      {"p", RadioGroup1, 1, left(p)},
      {"s", RadioGroup1, 2, left(s)},
      {"t", RadioGroup1, 3, left(t)},
      {"/", RadioGroup2, 0, panelButtonId(PictureKind::midpoint)},
      {"+", RadioGroup2, 1, panelButtonId(PictureKind::sum)},
      {"r", RadioGroup3, 0, right(r)},
      {"p", RadioGroup3, 1, right(p)},
      {"s", RadioGroup3, 2, right(s)},
      {"t", RadioGroup3, 3, right(t)},
      {"rpst", RadioGroup1, 4, left(rpst)},
      {"rpst", RadioGroup3, 4, right(rpst)},
  }};
  radioButtons_ = new QButtonGroup(this);
  radioButtons_->setExclusive(true);
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const std::string name = "RadioButton" + std::to_string(i + 1);
    RadioButton[i] =
        named(new QRadioButton(QString::fromLatin1(choices[i].caption), choices[i].frame),
              name.c_str(), {6, 16 + choices[i].row * 18, 56, 18});
    radioButtons_->addButton(RadioButton[i], choices[i].id);
  }

  Button12 = button(Panel4, "Button12", QStringLiteral("Hilfe"), {74, 104, 64, 26});
}

void TForm1::createIntroPanel() {
  Panel5 = panel(this, "Panel5", colour::navy, {92, 36, 840, 676});
  Memo4 = named(new QPlainTextEdit(Panel5), "Memo4", {12, 12, 816, 606});
  Memo4->setReadOnly(true);
  Memo4->setFont(captionFont(10, true));
  Memo4->setLineWrapMode(QPlainTextEdit::NoWrap);
  setBaseColour(*Memo4, colour::cream);
  setLines(*Memo4, introLines(toUtf8(pathText(folders_.program))));

  Button2 = button(Panel5, "Button2", QStringLiteral("Weiter"), {370, 630, 100, 32});
  Button2->setDefault(true);
  NewTransitButton = button(Panel5, "NewTransitButton", QStringLiteral("Neue Transit-Datei …"),
                            {480, 630, 200, 32});
  PersonsButton =
      button(Panel5, "PersonsButton", QStringLiteral("Personen …"), {690, 630, 130, 32});
}

}  // namespace kelvaro::ui
