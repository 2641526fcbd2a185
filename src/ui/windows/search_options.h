#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include <QWidget>

#include "core/search_result.h"
#include "ui/windows/search_session.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvaro::ui {

class Platform;

// Captions of the degrees and minutes fields of option 3, which it shows
// again at every start.
inline constexpr std::string_view kDegreesCaption = "G";
inline constexpr std::string_view kMinutesCaption = "M";

// Where the result list stands after a search: at its top, or at its last
// line (the quadro search, which names even a refused picture).
enum class ListPlace { top, lastLine };

// The six search options of the main window, the band below its result
// list: the option buttons, each option's entry controls and the variant
// panel. An option button clears the entry area and shows its own controls;
// the entry fields are checked on every change that gives them the option's
// length (and again on Enter); a search runs on the session's record and
// orb and hands its SearchResult out. The window shows it: the result list
// for options 1 to 5, the second view over it for option 6.
class SearchOptions : public QWidget {
  Q_OBJECT

 public:
  // The band's height; its controls are placed in the window's design
  // coordinates from kTop down.
  static constexpr int kTop = 556;
  static constexpr int kHeight = 194;

  SearchOptions(Platform& platform, SearchSession& session, QWidget* parent);

  // The six option buttons, in the order the load enables them.
  std::vector<QPushButton*> optionButtons() const;
  // The right edge of the row of option 6, where the window's own buttons follow.
  int lastRowEnd() const;
  // Every option's entry controls hidden, the variant panel too.
  void hideEntryControls();
  // "Noch einmal von vorne": the prompt of option 2 blank, the controls hidden.
  void clear();

 signals:
  // A search's result, for the result list.
  void resultReady(const SearchResult& result, ListPlace place);
  // Option 4: new lines under the heading the list has (a refused equation).
  void linesReady(const ResultText& lines);
  // Options 2 (quadro) and 4 empty the list before they check their entry.
  void listCleared();
  // Option 6 covers the result list with its own view, and its heading.
  void magicSquareOpened();
  void magicSquareChanged(const SearchResult& view);
  // Any option button: option 6's view, when shown, goes.
  void entryAreaCleared();
  // "Hilfe" on the variant panel.
  void panelHelpClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Option buttons.
  void axisSearchClicked();     // option 1
  void freeAxisClicked();       // option 2
  void angleSearchClicked();    // option 3
  void tripleSearchClicked();   // option 4
  void correspondingClicked();  // option 5
  void magicSquareClicked();    // option 6

  // Entry events (the degrees and minutes fields of option 3 hand the focus
  // on only when the user types).
  void axisSearchEntryChanged();  // option 1
  void freeAxisEntryChanged();    // option 2, method 1
  void panelChoiceClicked(int id);
  void searchPanelChoice();
  void quadroEntryChanged();  // option 2, method 2
  void degreesEdited();       // option 3: degrees, minutes, factor
  void degreesReturnPressed();
  void minutesEdited();
  void minutesReturnPressed();
  void minutesFieldLeft();
  void acceptSearchAngle();
  void factorChanged();
  void equationChanged();      // option 4
  void magicVariantChanged();  // option 6

  void refuseEntry(QLineEdit& field, const std::string& message);
  void showVariantPanel();
  void showResult(const SearchResult& result, ListPlace place = ListPlace::top);
  std::vector<QWidget*> entryControls() const;

  // Building the controls (search_options_layout.cpp).
  void createOptionButtons();
  void createEntryControls();
  void createVariantPanel();
  void moveIntoBand();
  void connectControls();

  Platform& platform_;
  SearchSession& session_;      // the window's: record, orb, entries and choices
  bool checkingAngle_ = false;  // the angle check runs: its own focus moves start no other

  QPushButton* axisSearchButton_;
  QPushButton* freeAxisButton_;
  QPushButton* angleSearchButton_;
  QPushButton* tripleSearchButton_;
  QPushButton* correspondingButton_;
  QPushButton* magicSquareButton_;

  QLineEdit* axisSearchField_;  // option 1
  QLabel* axisSearchCaption_;
  QLabel* freeAxisPrompt_;  // option 2
  QLabel* freeAxisExample_;
  QLineEdit* freeAxisField_;
  QLineEdit* quadroField_;
  QLabel* degreesCaption_;  // option 3
  QLineEdit* degreesField_;
  QLabel* minutesCaption_;
  QLineEdit* minutesField_;
  QLabel* factorCaption_;
  QLineEdit* factorField_;
  QLineEdit* equationField_;    // option 4
  QLabel* equationPrompt_;      // its prompt
  QLabel* magicVariantPrompt_;  // option 6
  QLineEdit* magicVariantField_;

  // Variant panel.
  QFrame* variantPanel_;
  QLabel* panelInstruction_;
  QLabel* panelLeftColumn_;
  QLabel* panelRightColumn_;
  QGroupBox* leftVariants_;
  QGroupBox* pictureKinds_;
  QGroupBox* rightVariants_;
  std::array<QRadioButton*, 12> panelButtons_;  // RadioButton1 … RadioButton12 at [0] … [11]
  QButtonGroup* panelButtonGroup_;              // makes the twelve one exclusive group
  QPushButton* panelHelpButton_;                // "Hilfe"
};

}  // namespace kelvaro::ui
