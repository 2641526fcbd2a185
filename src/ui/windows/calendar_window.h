#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include <QDialog>

#include "chart/chart_entry.h"
#include "core/search_result.h"
#include "core/transit_record.h"
#include "timing/calendar_entry.h"
#include "timing/timeline.h"
#include "timing/transit_calendar.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvaro::ui {

class DialSizeBox;
class EphemerisWindow;
class LineView;
class Platform;
struct TimelineChoices;

// The transit calendar of a loaded transit file and the timeline of a
// person: the kinds that move (S, P, T), the range (Von, Bis), the zone, the
// transiting bodies, the factors of S and P, the choice of points, the "mit
// Faktoren" filter, the orb and the dial size ("Scheibe", kept per purpose:
// calendar and timeline each remember their own). It is shown modally without blocking. A
// transit file knows no birth, so for it only T can be chosen, and
// "Berechnen" hands the lines to the main window and closes; for a person
// the lines stay in the window, with "Drucken", "Als PDF speichern",
// "Speichern", "iCal exportieren …" and "Grafische Ephemeride", whose marks
// choose lines of the list. A computation longer than a quarter
// of a second shows a progress bar whose "Abbrechen" stops it and leaves
// everything as it was. A timeline computed keeps its choices (kinds,
// bodies, points, zone, orb) for the next one, also after a restart of the
// program; the first one shows the zone of the user's own clock.
class CalendarWindow : public QDialog {
  Q_OBJECT

 public:
  using ResultHandler = std::function<void(const SearchResult&)>;
  // The computation of a transit file's calendar (timing::transitCalendar
  // by default).
  using Computation = std::function<std::optional<SearchResult>(
      const TransitRecord&, const timing::CalendarRequest&, const timing::CalendarProgress&)>;

  // `resultFolder`: where the timeline's files are proposed.
  CalendarWindow(Platform& platform, QWidget* parent, ResultHandler onResult,
                 std::filesystem::path resultFolder);

  // Replaces the computation; the window tests give one that fails.
  void setComputation(Computation computation) { computation_ = std::move(computation); }

  // Shows the window for the loaded record (T only). The fields keep what
  // was entered before; the dates start at today and three months on.
  void openFor(const TransitRecord& record);
  // Shows the window for a person's timeline: S, P and T, the zone of the
  // birth. `note` stands above the lines (the note on a birth time nobody
  // knows), empty for none.
  void openFor(const chart::BirthData& person, const std::string& note = {});

 private:
  void createControls();
  QLayout* createKindRow();
  QLayout* createRangeGrid();
  QGroupBox* createBodyGroup();
  QGroupBox* createFactorGroup();
  QGroupBox* createPointGroup();
  QLayout* createFilterGrid();
  QWidget* createResultArea();
  void showKinds();
  void showTimelineChoices(const TimelineChoices& choices);
  TimelineChoices timelineChoices() const;
  void computeClicked();
  std::optional<timing::CalendarRequest> checkedRequest();
  void focusRefused(timing::CalendarField field);
  void printClicked();
  void pdfClicked();
  void saveClicked();
  void csvClicked();
  void exportClicked();
  void ephemerisClicked();
  void selectLine(std::size_t line);
  TransitRecord headerRecord() const;
  std::string proposedName(const char* extension) const;
  // The save dialog, then the file; `report` leads the message that names it.
  bool writeChosenFile(const std::string& title, const char* extension, const std::string& fileType,
                       const std::string& bytes, const std::string& report = {});

  Platform& platform_;
  ResultHandler onResult_;
  Computation computation_;
  const std::filesystem::path resultFolder_;
  std::optional<TransitRecord> record_;                  // a transit file's calendar
  std::optional<chart::BirthData> person_;               // a person's timeline
  std::optional<timing::CalendarRequest> shownRequest_;  // of the timeline shown
  std::optional<timing::Timeline> timeline_;

  QCheckBox* solarArcBox_;
  QCheckBox* progressedBox_;
  QCheckBox* transitBox_;
  QLabel* fromLabel_;
  QDateEdit* fromDateEdit_;
  QLabel* toLabel_;
  QDateEdit* toDateEdit_;
  QLabel* zoneLabel_;
  QLineEdit* zoneEdit_;
  QGroupBox* bodyGroup_;
  std::array<QCheckBox*, timing::kCalendarBodies.size()> bodyBoxes_;  // in body order
  QGroupBox* factorGroup_;
  std::array<QCheckBox*, factor::kLastInTables> factorBoxes_;  // MC … PO
  QGroupBox* pointGroup_;
  QRadioButton* factorsButton_;
  QRadioButton* midpointsButton_;
  QRadioButton* bothButton_;
  QLabel* withLabel_;
  QLineEdit* withEdit_;
  QLabel* withHint_;
  QLabel* orbLabel_;
  QLineEdit* orbEdit_;
  QLabel* orbHint_;
  QLabel* dialLabel_;
  DialSizeBox* dialBox_;  // the dial the hits are found on
  QLabel* dialHint_;
  QPushButton* computeButton_;
  QPushButton* closeButton_;
  QWidget* resultArea_;
  QLabel* headingLabel_;
  QLabel* noteLabel_;  // the note on a birth time nobody knows
  LineView* resultView_;
  QPushButton* printButton_;
  QPushButton* pdfButton_;
  QPushButton* saveButton_;
  QPushButton* csvButton_;  // "Als CSV speichern …"
  QPushButton* exportButton_;
  QCheckBox* icsEveryLineBox_;  // "iCal: jede Zeile"; without it the standard filter
  QPushButton* ephemerisButton_;
  EphemerisWindow* ephemerisWindow_ = nullptr;  // made when first asked for

 public:
  // The window of the graphic ephemeris, once it was opened.
  EphemerisWindow* ephemerisWindow() const { return ephemerisWindow_; }

 private:
  // Drucken, Als PDF speichern, Speichern, iCal exportieren, Grafische
  // Ephemeride: for the lines shown.
  std::array<QPushButton*, 6> resultButtons() const {
    return {printButton_, pdfButton_, saveButton_, csvButton_, exportButton_, ephemerisButton_};
  }
};

}  // namespace kelvaro::ui
