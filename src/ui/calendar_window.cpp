#include "ui/calendar_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>

#include "timing/calendar_entry.h"
#include "ui/entry_field.h"
#include "ui/platform.h"
#include "ui/text_view.h"
#include "ui/window_style.h"

namespace kelvaro::ui {
namespace {

constexpr int kProgressSteps = 1000;
constexpr int kProgressDelayMs = 250;  // shorter computations show no progress bar
constexpr int kBodyColumns = 5;

template <typename Widget>
Widget* named(Widget* widget, const QString& name, const QRect& geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

QDateEdit* dateEdit(QWidget* parent, const char* name, const QRect& geometry) {
  auto* edit = named(new QDateEdit(parent), QString::fromLatin1(name), geometry);
  edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  edit->setCalendarPopup(true);
  edit->setDateRange(QDate(timing::kFirstCalendarYear, 1, 1),
                     QDate(timing::kLastCalendarYear, 12, 31));
  return edit;
}

chart::Date dayOf(const QDate& date) { return {date.year(), date.month(), date.day()}; }

}  // namespace

CalendarWindow::CalendarWindow(Platform& platform, QWidget* parent, ResultHandler onResult)
    : QDialog(parent), platform_(platform), onResult_(std::move(onResult)) {
  setObjectName(QStringLiteral("CalendarWindow"));
  setWindowTitle(QStringLiteral("Transit-Kalender"));
  setFixedSize(470, 344);
  setFont(captionFont(9, true));
  createControls();
  connect(Button1, &QPushButton::clicked, this, &CalendarWindow::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void CalendarWindow::createControls() {
  const auto label = [this](const char* name, const QString& text, const QRect& geometry) {
    return named(new QLabel(text, this), QString::fromLatin1(name), geometry);
  };
  Label1 = label("Label1", QStringLiteral("Von"), {12, 12, 40, 26});
  DateEdit1 = dateEdit(this, "DateEdit1", {56, 12, 120, 26});
  Label2 = label("Label2", QStringLiteral("Bis"), {200, 12, 40, 26});
  DateEdit2 = dateEdit(this, "DateEdit2", {240, 12, 120, 26});
  const QDate today = QDate::currentDate();
  DateEdit1->setDate(today);
  DateEdit2->setDate(today.addMonths(3));

  Label3 = label("Label3", QStringLiteral("Zeitzone"), {12, 48, 80, 26});
  Edit1 = named(new QLineEdit(QStringLiteral("Europe/Berlin"), this), QStringLiteral("Edit1"),
                {96, 48, 264, 26});

  GroupBox1 = named(new QGroupBox(QStringLiteral("Transit-Körper"), this),
                    QStringLiteral("GroupBox1"), {12, 84, 446, 108});
  for (std::size_t i = 0; i < CheckBox.size(); ++i) {
    const int body = timing::kCalendarBodies[i];
    const auto column = static_cast<int>(i) % kBodyColumns;
    const auto row = static_cast<int>(i) / kBodyColumns;
    CheckBox[i] = named(new QCheckBox(toQString(factorName(body)), GroupBox1),
                        QStringLiteral("CheckBox") + toQString(factorName(body)),
                        {12 + column * 86, 22 + row * 20, 80, 20});
    CheckBox[i]->setChecked(std::ranges::count(timing::defaultCalendarBodies(), body) > 0);
  }

  GroupBox2 = named(new QGroupBox(QStringLiteral("Punkte"), this), QStringLiteral("GroupBox2"),
                    {12, 200, 446, 50});
  RadioButton1 = named(new QRadioButton(QStringLiteral("Faktoren"), GroupBox2),
                       QStringLiteral("RadioButton1"), {12, 22, 120, 20});
  RadioButton2 = named(new QRadioButton(QStringLiteral("Halbsummen"), GroupBox2),
                       QStringLiteral("RadioButton2"), {150, 22, 120, 20});
  RadioButton3 = named(new QRadioButton(QStringLiteral("beide"), GroupBox2),
                       QStringLiteral("RadioButton3"), {290, 22, 120, 20});
  RadioButton3->setChecked(true);

  Label4 = label("Label4", QStringLiteral("mit Faktoren"), {12, 260, 100, 26});
  Edit2 = named(new QLineEdit(this), QStringLiteral("Edit2"), {116, 260, 150, 26});
  Label5 = label("Label5", QStringLiteral("z. B. MC,SO; leer: alle"), {274, 260, 184, 26});
  Label5->setFont(captionFont(8, false, true));

  Button1 = named(new QPushButton(QStringLiteral("Berechnen"), this), QStringLiteral("Button1"),
                  {246, 304, 100, 28});
  Button1->setDefault(true);
  Button2 = named(new QPushButton(QStringLiteral("Schließen"), this), QStringLiteral("Button2"),
                  {358, 304, 100, 28});
}

void CalendarWindow::openFor(const TransitRecord& record) {
  record_ = record;
  setModal(true);
  show();
  activateWindow();
  Button1->setFocus(Qt::OtherFocusReason);
}

std::optional<timing::CalendarRequest> CalendarWindow::checkedRequest() {
  timing::CalendarEntry entry;
  entry.from = chart::dateText(dayOf(DateEdit1->date()));
  entry.to = chart::dateText(dayOf(DateEdit2->date()));
  entry.zone = toUtf8(Edit1->text());
  for (std::size_t i = 0; i < CheckBox.size(); ++i) {
    if (CheckBox[i]->isChecked()) entry.bodies.push_back(timing::kCalendarBodies[i]);
  }
  entry.points = RadioButton1->isChecked()   ? timing::CalendarPoints::factors
                 : RadioButton2->isChecked() ? timing::CalendarPoints::midpoints
                                             : timing::CalendarPoints::all;
  entry.with = toUtf8(Edit2->text());
  auto checked = timing::checkCalendarEntry(entry);
  if (const auto* refusal = std::get_if<timing::CalendarRefusal>(&checked)) {
    platform_.showError(this, refusal->message);
    using F = timing::CalendarField;
    switch (refusal->field) {
      case F::from:
        DateEdit1->setFocus(Qt::OtherFocusReason);
        break;
      case F::to:
        DateEdit2->setFocus(Qt::OtherFocusReason);
        break;
      case F::zone:
        focusField(*Edit1);
        break;
      case F::with:
        focusField(*Edit2);
        break;
      default:
        CheckBox.front()->setFocus(Qt::OtherFocusReason);
    }
    return std::nullopt;
  }
  return std::get<timing::CalendarRequest>(std::move(checked));
}

// The computation runs here, on the window thread; the progress bar lets the
// events through while it runs, and its own modality keeps every other
// window from being used meanwhile.
std::optional<SearchResult> CalendarWindow::compute(const timing::CalendarRequest& request) {
  QProgressDialog progress(QStringLiteral("Der Transit-Kalender wird berechnet …"),
                           QStringLiteral("Abbrechen"), 0, kProgressSteps, this);
  progress.setObjectName(QStringLiteral("CalendarProgress"));
  progress.setWindowTitle(QStringLiteral("Transit-Kalender"));
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(kProgressDelayMs);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setValue(0);
  return timing::transitCalendar(*record_, request, [&progress](double done) {
    progress.setValue(static_cast<int>(done * kProgressSteps));
    return !progress.wasCanceled();
  });
}

void CalendarWindow::Button1Click() {
  if (!record_) return;
  const auto request = checkedRequest();
  if (!request) return;
  const auto result = compute(*request);
  if (!result) return;  // cancelled: the list stays as it was, the window open
  accept();
  onResult_(*result);
}

}  // namespace kelvaro::ui
