// The controls of the search options, placed in the main window's design
// coordinates (a client area of 1024 × 750) and then moved into the band
// below the result list; the variant panel keeps to the band's right edge.
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/widgets/named_controls.h"
#include "ui/widgets/option_captions.h"
#include "ui/widgets/reflow.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"
#include "ui/windows/search_options.h"

namespace kelvaro::ui {

void SearchOptions::createOptionButtons() {
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
}

void SearchOptions::createEntryControls() {
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

void SearchOptions::createVariantPanel() {
  variantPanel_ = named(new QFrame(this), "Panel4", {808, 562, 212, 150});
  fillBackground(*variantPanel_, colour::yellow);
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

// Up from the window's design coordinates into the band; the variant panel
// follows the band's right edge when the window is wider.
void SearchOptions::moveIntoBand() {
  for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    control->move(control->pos() - QPoint(0, kTop));
  }
  auto* reflow = new Reflow(*this, {width(), kHeight}, kHeight);
  reflow->moveRight(*variantPanel_);
}

}  // namespace kelvaro::ui
