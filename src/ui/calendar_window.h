#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QDialog>

#include "core/search_result.h"
#include "core/transit_record.h"
#include "timing/transit_calendar.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvaro::ui {

class Platform;

// The transit calendar: the range (Von, Bis), the zone, the transiting
// bodies, the choice of points and the "mit Faktoren" filter. It is shown
// modally without blocking; "Berechnen" hands the lines to the main window
// and closes it. A computation longer than a quarter of a second shows a
// progress bar whose "Abbrechen" stops it and leaves everything as it was.
class CalendarWindow : public QDialog {
  Q_OBJECT

 public:
  using ResultHandler = std::function<void(const SearchResult&)>;

  CalendarWindow(Platform& platform, QWidget* parent, ResultHandler onResult);

  // Shows the window for the loaded record. The fields keep what was
  // entered before; the dates start at today and three months on.
  void openFor(const TransitRecord& record);

 private:
  void createControls();
  void Button1Click();  // "Berechnen"
  // The request of the fields, or nothing after the message of a refused one.
  std::optional<timing::CalendarRequest> checkedRequest();
  std::optional<SearchResult> compute(const timing::CalendarRequest& request);

  Platform& platform_;
  ResultHandler onResult_;
  std::optional<TransitRecord> record_;

  QLabel* Label1;  // "Von"
  QDateEdit* DateEdit1;
  QLabel* Label2;  // "Bis"
  QDateEdit* DateEdit2;
  QLabel* Label3;  // "Zeitzone"
  QLineEdit* Edit1;
  QGroupBox* GroupBox1;                                             // "Transit-Körper"
  std::array<QCheckBox*, timing::kCalendarBodies.size()> CheckBox;  // in body order
  QGroupBox* GroupBox2;                                             // "Punkte"
  QRadioButton* RadioButton1;                                       // "Faktoren"
  QRadioButton* RadioButton2;                                       // "Halbsummen"
  QRadioButton* RadioButton3;                                       // "beide"
  QLabel* Label4;                                                   // "mit Faktoren"
  QLineEdit* Edit2;
  QLabel* Label5;        // the hint beside it
  QPushButton* Button1;  // "Berechnen"
  QPushButton* Button2;  // "Schließen"
};

}  // namespace kelvaro::ui
