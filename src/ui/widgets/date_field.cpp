#include "ui/widgets/date_field.h"

#include <algorithm>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

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

QSize DateField::sizeHint() const { return wideEnoughForEveryDate(QDateEdit::sizeHint()); }

QSize DateField::minimumSizeHint() const {
  return wideEnoughForEveryDate(QDateEdit::minimumSizeHint());
}

// The date edit measures only its first and last date; a font whose digits
// differ in width (a fallback font, another size) would clip the others.
// Eight of the widest digit and two dots, the cursor, and what the style
// puts around the text: the frame and the calendar's button.
QSize DateField::wideEnoughForEveryDate(QSize hint) const {
  const QFontMetrics metrics = fontMetrics();
  int digit = 0;
  for (char c = '0'; c <= '9'; ++c) {
    digit = std::max(digit, metrics.horizontalAdvance(QLatin1Char(c)));
  }
  const int cursorSpace = 4;
  const int text = 8 * digit + 2 * metrics.horizontalAdvance(QLatin1Char('.')) + cursorSpace;
  const QSize contents(text, hint.height());
  QSize needed;
  if (calendarPopup()) {  // drawn as a combo box with its drop-down button
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    needed = style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
  } else {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    needed = style()->sizeFromContents(QStyle::CT_SpinBox, &option, contents, this);
  }
  return {std::max(hint.width(), needed.width()), hint.height()};
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
