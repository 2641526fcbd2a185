#pragma once

#include <QDateEdit>
#include <QString>

#include "chart/date_time.h"

namespace kelvaro::ui {

// A date field ("TT.MM.JJJJ", with a month calendar on Alt+Down) in which a
// date typed whole replaces the whole date, wherever the cursor stands: a
// digit begins a new date, the field shows what is typed, and takes it as
// its date once it is a whole date of its range (01.01.2027, 1.1.2027 or
// 01012027); the next digit begins the next date. Leaving the field before
// that, or typing a day that does not exist, brings the date back that was
// shown. The arrow keys change the day, month or year the cursor stands in,
// as in any date field; Tab and Shift+Tab go to the next or previous field,
// not through the day, month and year. The field is wide enough for any
// date in its font, whatever the font's size and the screen's resolution.
class DateField : public QDateEdit {
  Q_OBJECT

 public:
  DateField(int firstYear, int lastYear, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  bool typeInto(QKeyEvent* event);  // true when the key was part of a typed date
  void endTyping();
  QSize wideEnoughForEveryDate(QSize hint) const;

  bool typing_ = false;  // a date is being typed
  QString typed_;
};

chart::Date dayOf(const QDateEdit& field);

// What every date entry says of its dates: the years and the calendar.
QString dateEntryHint();

}  // namespace kelvaro::ui
