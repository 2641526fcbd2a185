#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "core/dial_size.h"
#include "core/picture.h"
#include "core/transit_record.h"
#include "search/picture_table.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kelvaro {
class Printout;
}

namespace kelvaro::ui {

class KeywordsFile;
class Platform;

// What a table of planetary pictures is made from: the pictures of one
// search result and what the client sheet shows beside them.
struct PictureTableSource {
  TransitRecord record;
  std::string heading;            // the result's heading
  std::vector<Picture> pictures;  // the result's pictures, in its order
  double orb = 0;                 // the orb of the search
  DialSize dial;
  std::optional<int> pointer;  // the dial window's pointer; else the first row's axis
  std::array<bool, 4> shownRings = {true, true, true, true};
  std::vector<std::string> persons;  // the birth lines of the client sheet
};

// "Als Tabelle …": the pictures of a search result as a table, one row per
// picture with its place on the dial, its deviation and the astrologer's
// keywords. A smaller orb leaves out the farther rows, "Nach Abweichung"
// puts the nearest first (a click on a column's head sorts by it), and the
// rows go on as CSV and, the selected ones, on the client sheet.
class PictureTableWindow : public QWidget {
  Q_OBJECT

 public:
  PictureTableWindow(Platform& platform, KeywordsFile& keywords, QWidget* parent);

  // Shows the table of `source` (or brings the window to the front).
  // `saveFolder` receives the saved files.
  void showTable(PictureTableSource source, const std::filesystem::path& saveFolder);

  // The rows as the table shows them, in the table's order.
  std::vector<PictureRow> shownRows() const;
  // The rows the client sheet takes: the selected ones, or all shown.
  std::vector<PictureRow> sheetRows() const;

  void saveCsv();
  void printClientSheet();
  void saveClientSheetPdf();
  void saveClientSheetPicture();
  void editKeywords();

 private:
  Printout clientSheetOf(std::vector<PictureRow> rows) const;
  void fill();
  void orbEdited();

  Platform& platform_;
  KeywordsFile& keywords_;
  PictureTableSource source_;
  std::filesystem::path saveFolder_;
  std::vector<PictureRow> rows_;  // all rows, with the keywords as last read
  double tableOrb_ = 0;

  QLabel* heading_;
  QLineEdit* orb_;
  QCheckBox* byDeviation_;
  QLabel* count_;
  QTableWidget* table_;
  QPushButton* keywordsButton_;
  QPushButton* csvButton_;
  QPushButton* sheetButton_;
};

}  // namespace kelvaro::ui
