#pragma once

#include <QDateEdit>
#include <QString>

#include "chart/date_time.h"

namespace kelvaro::ui {

// A date field ("TT.MM.JJJJ", with a month calendar on Alt+Down) in which a
// date typed whole replaces the whole date. After the focus comes in, the
// first digit begins a new date: the field shows what is typed, and takes
// it as its date once it is a whole date of its range (01.01.2027, 1.1.2027
// or 01012027). Leaving the field before that, or typing a day that does
// not exist, brings the date back that was shown. The arrow keys change the
// day, month or year the cursor stands in, as in any date field.
class DateField : public QDateEdit {
  Q_OBJECT

 public:
  DateField(int firstYear, int lastYear, QWidget* parent = nullptr);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool typeInto(QKeyEvent* event);  // true when the key was part of a typed date
  void endTyping();

  bool fresh_ = false;   // the focus just came in: the next digit begins a date
  bool typing_ = false;  // a date is being typed
  QString typed_;
};

chart::Date dayOf(const QDateEdit& field);

// What every date entry says of its dates: the years and the calendar.
QString dateEntryHint();

}  // namespace kelvaro::ui
