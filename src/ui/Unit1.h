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
#include "search/free_axis_entry.h"
#include "ui/program_folders.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
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
class PersonsWindow;
class Platform;
class TForm2;
class TForm3;
class TForm4;

// Captions of the degrees and minutes fields of option 3, which it shows
// again at every start.
inline constexpr std::string_view kDegreesCaption = "G";
inline constexpr std::string_view kMinutesCaption = "M";

// TForm1, the main window: the introduction, the road of one load (file,
// orb entry, content overview, axis overview), the result list with its
// print and save buttons, the six search options, restart and close. It
// holds the state that lives between user actions.
//
// The program ends through beenden() or by closing the window: the window
// then reports ended() (main() quits the event loop on it) and hasEnded()
// stays true.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  enum class State { initial, loading, ready, ended };

  // Runs the start-up: caption, intro, and the change of the working folder
  // to folders.program. When that folder is missing the program has ended
  // before the constructor returns.
  TForm1(Platform& platform, ProgramFolders folders);

  // The other three windows, created after this one.
  void useWindows(TForm2& orbEntry, TForm3& help, TForm4& contentOverview);

  State state() const { return state_; }
  bool hasEnded() const { return state_ == State::ended; }

  const std::optional<TransitRecord>& record() const { return record_; }
  double orb() const { return orb_; }
  const std::filesystem::path& savedWorkingFolder() const { return savedWorkingFolder_; }

  // State the searches share between user actions.
  const std::string& storedEntry() const { return storedEntry_; }
  bool angleMode() const { return angleMode_; }
  double searchAngle() const { return searchAngle_; }

 signals:
  void ended();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Start and end.
  void FormCreate();
  void beenden();
  void endProgram();

  // The road of one load.
  void Button2Click();  // "Weiter"
  void weiter();
  bool chooseAndLoad();
  void NewTransitButtonClick();  // "Neue Transit-Datei …"
  void offerStart();
  NewTransitForm& newTransitForm();
  CalendarWindow& calendarWindow();
  void openTimeline(const archive::Person& person);
  void PersonsButtonClick();  // "Personen …"
  void loadMadeFile(const QString& path, bool load);
  void openOrbEntry(std::function<void()> afterwards);
  void showContentOverview();
  void zeigen();  // the axis overview, then the ready state

  // Command buttons.
  void Button10Click();       // option 1
  void Button3Click();        // option 2
  void Button13Click();       // option 3
  void Button14Click();       // option 4
  void Button1Click();        // option 5
  void Button5Click();        // option 6
  void Button15Click();       // "7  Gradscheibe"
  void Button16Click();       // "8  Transit-Kalender"
  void Button4Click();        // "Noch einmal von vorne"
  void Button6Click();        // "Drucken"
  void Button7Click();        // "Speichern"
  void SavePdfButtonClick();  // "Als PDF speichern …"
  void Button12Click();       // "Hilfe"
  void Label7Click();         // the orb label

  // Entry events of the options (Unit1Options.cpp). The checks run on every
  // change of their field, the program's own changes included, and Enter
  // runs them again on the text as it stands; the degrees and minutes fields
  // of option 3 hand the focus on only when the user types.
  void connectOptionControls();
  void Edit2Change();  // option 1
  void Edit1Change();  // option 2, method 1
  void RadioButtonClick(int id);
  void PBild_suche();
  void Edit7Change();  // option 2, method 2
  void Edit3Change();  // option 3: degrees, minutes, factor
  void Edit3Enter();
  void Edit4Change();
  void Edit4Enter();
  void Edit4Exit();
  void acceptSearchAngle();
  void Edit5Change();
  void Edit6Change();  // option 4
  void Edit8Change();  // option 6

  void refuseEntry(QLineEdit& field, const std::string& message);
  void showVariantPanel();
  void showResult(SearchResult result);
  // The heading of what the result list shows; option 6 covers both with
  // its own view and heading while it is active.
  void setListHeading(const std::string& heading);

  // Printing and saving the lines of a view, for this window and TForm4.
  void printLines(QWidget* parent, const ResultText& lines);
  void saveLines(QWidget* parent, const ResultText& lines);
  void savePdfOf(QWidget* parent, const ResultText& lines);

  void fitToScreen();

  void setCommandButtonsEnabled(bool enabled);
  void hideEntryControls();
  std::vector<QPushButton*> commandButtons() const;
  std::vector<QWidget*> entryControls() const;
  std::array<QLabel*, kAxisLabelCount> axisLabels() const;

  // Building the controls (Unit1Layout.cpp).
  void createControls();
  void createUpperPanel();
  void createOptionButtons();
  void createEntryControls();
  void createVariantPanel();
  void createIntroPanel();
  void createScrollArea();
  void connectControls();

  Platform& platform_;
  const ProgramFolders folders_;
  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  TForm4* form4_ = nullptr;
  DialWindow* dial_ = nullptr;                // made when first opened
  NewTransitForm* newTransitForm_ = nullptr;  // made at its first use
  CalendarWindow* calendar_ = nullptr;        // made when first opened
  PersonsWindow* persons_ = nullptr;          // made when first opened
  State state_ = State::initial;
  std::optional<std::string> madeFile_;  // a new transit file the next load takes, not asking

  // State shared by the overviews and the searches.
  std::optional<TransitRecord> record_;
  double orb_ = kOrbAfterLoad;
  std::string storedEntry_;
  bool angleMode_ = false;
  std::optional<PanelVariant> leftChoice_;  // the variant panel: nothing chosen at the start
  std::optional<PictureKind> kindChoice_;
  std::optional<PanelVariant> rightChoice_;
  std::optional<FreeAxisEntry> freeAxisEntry_;  // the axis of the panel's searches in method 1
  double searchAngle_ = 0;
  bool allFactors_ = false;     // option 4: the fourth factor from all factors
  bool checkingAngle_ = false;  // the angle check runs: its own focus moves start no other
  std::filesystem::path savedWorkingFolder_;
  QString listHeading_;  // the heading of the result list's lines

  // Holds all controls; scrolls where the screen is smaller than the window.
  QScrollArea* ScrollBox1;

  // Upper panel.
  QFrame* Panel1;
  QLabel* Panel2;              // the top bar
  QLabel* Label3;              // heading of the result list
  ClickableLabel* Label7;      // orb label
  QFrame* Panel3;              // frame of the result list
  LineView* Memo3;             // result list
  LineView* Memo1;             // second text view (option 6)
  QPushButton* Button6;        // "Drucken"
  QPushButton* Button7;        // "Speichern"
  QPushButton* SavePdfButton;  // "Als PDF speichern …"
  QLabel* Label20;             // axis labels, left to right
  QLabel* Label21;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label8;
  QLabel* Label10;
  QLabel* Label12;
  QLabel* Label13;
  QLabel* Label14;
  QLabel* Label19;

  // Option buttons and restart.
  QPushButton* Button10;
  QPushButton* Button3;
  QPushButton* Button13;
  QPushButton* Button14;
  QPushButton* Button1;
  QPushButton* Button5;
  QPushButton* Button15;  // "7  Gradscheibe"
  QPushButton* Button16;  // "8  Transit-Kalender"
  QPushButton* Button4;
  QPushButton* MainPersonsButton;  // "Personen …", at any time after the introduction

  // Entry controls of the options.
  QLineEdit* Edit2;  // option 1
  QLabel* Label11;
  QLabel* Label9;  // option 2
  QLabel* Label15;
  QLineEdit* Edit1;
  QLineEdit* Edit7;
  QLabel* Label16;  // option 3
  QLineEdit* Edit3;
  QLabel* Label17;
  QLineEdit* Edit4;
  QLabel* Label18;
  QLineEdit* Edit5;
  QLineEdit* Edit6;  // option 4
  QLabel* Label23;   // its prompt
  QLabel* Label22;   // option 6
  QLineEdit* Edit8;

  // Variant panel.
  QFrame* Panel4;
  QLabel* Label6;
  QLabel* Label4;
  QLabel* Label5;
  QGroupBox* RadioGroup1;
  QGroupBox* RadioGroup2;
  QGroupBox* RadioGroup3;
  std::array<QRadioButton*, 12> RadioButton;  // RadioButton1 … RadioButton12 at [0] … [11]
  QButtonGroup* radioButtons_;                // makes the twelve one exclusive group
  QPushButton* Button12;                      // "Hilfe"

  // Intro panel.
  QFrame* Panel5;
  QPlainTextEdit* Memo4;
  QPushButton* Button2;           // "Weiter"
  QPushButton* NewTransitButton;  // "Neue Transit-Datei …"
  QPushButton* PersonsButton;     // "Personen …"
};

}  // namespace kelvaro::ui
