#include "ui/widgets/date_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace kelvaro::ui {
namespace {

// The date of a whole typed date, or an invalid one.
QDate typedDate(const QString& typed) {
  static const QRegularExpression kDotted(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
  static const QRegularExpression kDigits(QStringLiteral("^(\\d{2})(\\d{2})(\\d{4})$"));
  QRegularExpressionMatch match = kDotted.match(typed);
  if (!match.hasMatch()) match = kDigits.match(typed);
  if (!match.hasMatch()) return {};
  return {match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt()};
}

}  // namespace

DateField::DateField(int firstYear, int lastYear, QWidget* parent) : QDateEdit(parent) {
  setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  setCalendarPopup(true);
  setDateRange(QDate(firstYear, 1, 1), QDate(lastYear, 12, 31));
  setToolTip(dateEntryHint());
}

void DateField::focusOutEvent(QFocusEvent* event) {
  endTyping();
  QDateEdit::focusOutEvent(event);
}

void DateField::keyPressEvent(QKeyEvent* event) {
  if (typeInto(event)) {
    event->accept();
    return;
  }
  endTyping();
  QDateEdit::keyPressEvent(event);
}

// Tab leaves the field as in every other field of the window: the date
// edit's own step through day, month and year is passed over on purpose.
bool DateField::focusNextPrevChild(bool next) {
  return QWidget::focusNextPrevChild(next);  // NOLINT(bugprone-parent-virtual-call)
}

bool DateField::typeInto(QKeyEvent* event) {
  const QString text = event->text();
  const bool digit = text.size() == 1 && text.front().isDigit();
  const bool dot = text == QLatin1String(".") || text == QLatin1String(",");
  if (!typing_) {
    if (!digit) return false;
    typing_ = true;
    typed_.clear();
  }
  if (digit || dot) {
    typed_ += digit ? text : QStringLiteral(".");
  } else if (event->key() == Qt::Key_Backspace) {
    typed_.chop(1);
  } else {
    return false;
  }
  lineEdit()->setText(typed_);
  const QDate date = typedDate(typed_);
  if (date.isValid() && date >= minimumDate() && date <= maximumDate()) {
    typing_ = false;
    setDate(date);
    lineEdit()->setText(textFromDateTime(dateTime()));
  }
  return true;
}

// An unfinished date gives way to the one that was shown.
void DateField::endTyping() {
  if (!typing_) return;
  typing_ = false;
  lineEdit()->setText(textFromDateTime(dateTime()));
}

QString dateEntryHint() {
  return QStringLiteral(
      "TT.MM.JJJJ, Jahre 1000 bis 2999; ein Datum vor dem 15.10.1582 gilt im julianischen "
      "Kalender");
}

// The date as it is shown: a date before 15.10.1582 is Julian.
chart::Date dayOf(const QDateEdit& field) {
  const QDate date = field.date();
  return {date.year(), date.month(), date.day()};
}

}  // namespace kelvaro::ui
