#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "core/search_result.h"
#include "core/transit_record.h"
#include "print/dial_sheet.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kelvaro::ui {

class KeywordsFile;
class PictureTableWindow;

class DialDisc;
class DialSizeBox;
class LineView;
class Platform;

// The window "Gradscheibe 22,5°": the dial of the loaded record beside the
// list of what stands at its pointer, which is the angle search of option 3
// at the pointer's value over all factors, on the dial size chosen in the
// window (the last one chosen, 22.5° before the first choice). Not modal; the main window opens
// it, keeps it up to date on every change of the orb and closes it on a
// restart. It prints and saves the dial sheet, made from the list's result.
class DialWindow : public QWidget {
  Q_OBJECT

 public:
  DialWindow(Platform& platform, KeywordsFile& keywords, QWidget* parent);

  // Shows the dial of this record (or brings the window to the front).
  // `saveFolder` receives the saved sheets.
  // `sheetPersons`: the lines of both persons of a chart of two persons that
  // the sheet shows (archive::pairPersonLines()); `clientPersons` the births
  // the client sheet shows (archive::chartPersonLines()).
  void showDial(const TransitRecord& record, double orb, const std::filesystem::path& saveFolder,
                std::vector<std::string> sheetPersons = {},
                std::vector<std::string> clientPersons = {});
  // A new orb: the pointer's sector and its list follow.
  void setOrb(double orb);

  DialDisc& disc() { return *disc_; }
  // Another dial size, as if chosen in the window.
  void setDialSize(DialSize dial);
  // The list at the pointer as the window shows it.
  const SearchResult& pointerList() const { return pointerList_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showTitle();
  void showPointerList();
  void markAt(qsizetype line, qsizetype column);
  DialSheetContent sheet() const;
  void print();
  void savePdf();
  void saveSheet();
  // The pictures of the list at the pointer as a table; the client sheet of
  // them, the nearest first.
  void showTable();
  Printout clientSheet() const;
  // The keywords of the entry under the mouse in the list, as its tooltip.
  bool showKeywordsAt(const QPoint& point);

  Platform& platform_;
  KeywordsFile& keywords_;
  std::optional<TransitRecord> record_;
  std::vector<std::string> sheetPersons_;
  std::vector<std::string> clientPersons_;
  PictureTableWindow* table_ = nullptr;  // made when first opened
  double orb_ = 0;
  std::filesystem::path saveFolder_;
  SearchResult pointerList_;
  bool fitted_ = false;  // to the screen, when first shown

  QLabel* person_;
  DialSizeBox* dialSize_;
  DialDisc* disc_;
  QLabel* pointerLabel_;
  QLabel* heading_;
  std::array<QCheckBox*, 4> rings_;
  LineView* list_;
  QPushButton* print_;
  QPushButton* savePdf_;
  QPushButton* save_;
  QPushButton* tableButton_;
  QPushButton* clientSheet_;
};

}  // namespace kelvaro::ui
