#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QWidget>

#include "core/search_result.h"
#include "core/transit_record.h"
#include "loading/axis_overview.h"
#include "loading/orb_entry.h"
#include "ui/platform/keywords_file.h"
#include "ui/platform/program_folders.h"
#include "ui/windows/search_options.h"
#include "ui/windows/search_session.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace kelvaro::archive {
struct Person;
}

namespace kelvaro::ui {

class CalendarWindow;
class ClickableLabel;
class DialWindow;
class LineView;
class NewTransitForm;
class PairChartDialog;
class PersonsWindow;
class PictureTableWindow;
class Platform;
class OrbDialog;
class HelpWindow;
class ContentOverviewWindow;

// MainWindow, the main window: the introduction, the road of one load (file,
// orb entry, content overview, axis overview), the result list with its
// print and save buttons, the six search options (SearchOptions) whose
// results it shows, the dial, the calendar, restart and close. It holds the
// state that lives between user actions.
//
// The program ends through quit() or by closing the window: the window
// then reports ended() (main() quits the event loop on it) and hasEnded()
// stays true.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  enum class State { initial, loading, ready, ended };

  // Runs the start-up: caption, intro, and the change of the working folder
  // to folders.program. When that folder is missing the program has ended
  // before the constructor returns.
  MainWindow(Platform& platform, ProgramFolders folders);

  // The other three windows, created after this one.
  void useWindows(OrbDialog& orbEntry, HelpWindow& help, ContentOverviewWindow& contentOverview);

  State state() const { return state_; }
  bool hasEnded() const { return state_ == State::ended; }

  const std::optional<TransitRecord>& record() const { return session_.record; }
  double orb() const { return session_.orb; }
  const std::filesystem::path& savedWorkingFolder() const { return savedWorkingFolder_; }

  // What the searches share between user actions.
  const SearchSession& session() const { return session_; }

 signals:
  void ended();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Start and end.
  void startUp();
  void quit();
  void endProgram();

  // The road of one load.
  void continueClicked();  // "Weiter"
  void startLoad();
  bool chooseAndLoad();
  void newTransitClicked();  // "Neue Transit-Datei …"
  void offerStart();
  NewTransitForm& newTransitForm();
  PairChartDialog& pairChartDialog();
  CalendarWindow& calendarWindow();
  void openTimeline(const archive::Person& person);
  void personsClicked();  // "Personen …"
  // The persons archive of the data folder, moved there from the program
  // folder of earlier versions at the first use (and the user told).
  const std::filesystem::path& archiveFile();
  void loadMadeFile(const QString& path, bool load);
  void openOrbEntry(std::function<void()> afterwards);
  void showContentOverview();
  void showAxisOverview();  // the axis overview, then the ready state

  // Command buttons.
  void dialClicked();           // "7  Gradscheibe"
  void calendarClicked();       // "8  Transit-Kalender"
  void restartClicked();        // "Noch einmal von vorne"
  void printListClicked();      // "Drucken"
  void saveListClicked();       // "Speichern"
  void savePdfOfListClicked();  // "Als PDF speichern …"
  void saveCsvOfListClicked();  // "Als CSV speichern …", for a result with a table
  void tableClicked();          // "Als Tabelle …", for a result that lists pictures
  void panelHelpClicked();      // "Hilfe"
  void orbLabelClicked();       // the orb label

  // What the search options hand out.
  void connectSearchOptions();
  void showResult(const SearchResult& result, ListPlace place);
  void showLines(const ResultText& lines);
  void showListTables(std::optional<TextTable> table, std::vector<Picture> pictures);
  // Option 6's view lies over the result list and covers its heading and its
  // print and save buttons while it is open.
  void openMagicSquare();
  void showMagicSquare(const SearchResult& view);
  void closeMagicSquare();
  // The heading of what the result list shows.
  void setListHeading(const std::string& heading);

  // Printing and saving the lines of a view, for this window and ContentOverviewWindow.
  void printLines(QWidget* parent, const ResultText& lines);
  void saveLines(QWidget* parent, const ResultText& lines);
  void savePdfOf(QWidget* parent, const ResultText& lines);

  void fitToScreen();

  void setCommandButtonsEnabled(bool enabled);
  std::vector<QPushButton*> commandButtons() const;
  std::array<QLabel*, kAxisLabelCount> axisLabels() const;

  // Building the controls (main_window_layout.cpp).
  void createControls();
  void createUpperPanel();
  void createSearchOptions();
  void createIntroPanel();
  void createScrollArea();
  void connectControls();

  Platform& platform_;
  const ProgramFolders folders_;
  KeywordsFile keywords_;  // the astrologer's keywords in the program folder
  OrbDialog* orbDialog_ = nullptr;
  HelpWindow* panelHelp_ = nullptr;
  ContentOverviewWindow* contentOverview_ = nullptr;
  DialWindow* dial_ = nullptr;                        // made when first opened
  PictureTableWindow* pictureTable_ = nullptr;        // made when first opened
  NewTransitForm* newTransitForm_ = nullptr;          // made at its first use
  PairChartDialog* pairChartDialog_ = nullptr;        // made at its first use
  CalendarWindow* calendar_ = nullptr;                // made when first opened
  PersonsWindow* persons_ = nullptr;                  // made when first opened
  std::optional<std::filesystem::path> archiveFile_;  // found at its first use
  State state_ = State::initial;
  std::optional<std::string> madeFile_;  // a new transit file the next load takes, not asking

  SearchSession session_;  // what the overviews and the searches keep between user actions
  std::filesystem::path savedWorkingFolder_;
  QString listHeading_;                 // the heading of the result list's lines
  std::optional<TextTable> listTable_;  // the table of the result the list shows, if it has one
  std::vector<Picture> listPictures_;   // the pictures it lists, if any

  // Holds all controls; scrolls where the screen is smaller than the window.
  QScrollArea* scrollArea_;

  // Upper panel.
  QFrame* upperPanel_;
  QLabel* topBar_;                                     // the top bar
  QLabel* listHeadingLabel_;                           // heading of the result list
  ClickableLabel* orbLabel_;                           // orb label
  QFrame* resultFrame_;                                // frame of the result list
  LineView* resultList_;                               // result list
  LineView* magicSquareView_;                          // second text view (option 6)
  QPushButton* printButton_;                           // "Drucken"
  QPushButton* saveButton_;                            // "Speichern"
  QPushButton* savePdfButton_;                         // "Als PDF speichern …"
  QPushButton* saveCsvButton_;                         // "Als CSV speichern …"
  QPushButton* tableButton_;                           // "Als Tabelle …"
  std::array<QLabel*, kAxisLabelCount> axisLabels_{};  // left to right, as the overview's

  // The search options and the buttons beside and below them.
  SearchOptions* options_;
  QPushButton* dialButton_;      // "7  Gradscheibe"
  QPushButton* calendarButton_;  // "8  Transit-Kalender"
  QPushButton* restartButton_;
  QPushButton* personsButton_;  // "Personen …", at any time after the introduction

  // Intro panel.
  QFrame* introPanel_;
  QPlainTextEdit* introText_;
  QPushButton* continueButton_;      // "Weiter"
  QPushButton* newTransitButton_;    // "Neue Transit-Datei …"
  QPushButton* introPersonsButton_;  // "Personen …"
};

}  // namespace kelvaro::ui
