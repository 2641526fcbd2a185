// The controls of the main window and their places. The window is laid out
// in fixed pixel positions for a client area of 1024 × 750; a lower window
// gives the views less height and moves the rows below them up, a wider one
// gives the result list the width and keeps the right-hand controls at the
// right edge.
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/help/intro_text.h"
#include "ui/widgets/clickable_label.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/named_controls.h"
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

}  // namespace

void MainWindow::createControls() {
  fillBackground(*this, colour::black);
  setTextColour(*this, colour::yellow);
  setFont(captionFont(9, true));
  createUpperPanel();
  createSearchOptions();
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
  for (QWidget* band : std::initializer_list<QWidget*>{topBar_, listHeadingLabel_, options_}) {
    reflow->stretch(*band, Qt::Horizontal);
  }
  // Below the upper panel: the options, their entries and "Noch einmal von
  // vorne"; in it, the row of "Drucken" and the axis labels; in the intro,
  // its buttons.
  reflow->moveBelow(*client, upperPanel_->geometry().bottom());
  reflow->moveBelow(*upperPanel_, printButton_->y());
  reflow->moveBelow(*introPanel_, continueButton_->y());
  for (QWidget* right :
       std::initializer_list<QWidget*>{orbLabel_, tableButton_, saveCsvButton_, savePdfButton_,
                                       printButton_, saveButton_, restartButton_, personsButton_}) {
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

  saveCsvButton_ = button(upperPanel_, "SaveCsvButton", QStringLiteral("Als CSV speichern …"),
                          {586, 486, 124, 22});
  saveCsvButton_->setToolTip(
      QStringLiteral("Die Liste als Tabelle für Tabellenkalkulationen (Transit-Kalender)"));
  tableButton_ =
      button(upperPanel_, "TableButton", QStringLiteral("Als Tabelle …"), {458, 486, 124, 22});
  tableButton_->setToolTip(QStringLiteral(
      "Die Planetenbilder der Liste als Tabelle: Abweichung, Sortierung, Stichworte, "
      "Klientenblatt"));
  savePdfButton_ = button(upperPanel_, "SavePdfButton", QStringLiteral("Als PDF speichern …"),
                          {714, 486, 124, 22});
  printButton_ = button(upperPanel_, "Button6", QStringLiteral("Drucken"), {842, 486, 80, 22});
  saveButton_ = button(upperPanel_, "Button7", QStringLiteral("Speichern"), {926, 486, 80, 22});
  for (QPushButton* small :
       {tableButton_, saveCsvButton_, savePdfButton_, printButton_, saveButton_})
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

// The options' band below the result list; the dial and the calendar
// follow option 6 in its last row.
void MainWindow::createSearchOptions() {
  options_ = new SearchOptions(platform_, session_, this);
  const int lastRow = 711;
  dialButton_ = fittedButton(this, "Button15", QStringLiteral("7  Gradscheibe"),
                             options_->lastRowEnd() + 9, lastRow);
  calendarButton_ = fittedButton(this, "Button16", QStringLiteral("8  Transit-Kalender"),
                                 dialButton_->geometry().right() + 9, lastRow);
  restartButton_ =
      button(this, "Button4", QStringLiteral("Noch einmal von vorne"), {808, 718, 212, 26});
  // The persons archive, beside the restart; the introduction has its own button.
  personsButton_ =
      button(this, "MainPersonsButton", QStringLiteral("Personen …"), {690, 718, 110, 26});
  personsButton_->hide();
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
