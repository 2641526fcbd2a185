#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include <QDialog>

#include "print/ephemeris_sheet.h"
#include "timing/timeline.h"

class QLabel;
class QPushButton;

namespace kelvaro::ui {

class EphemerisCanvas;
class Platform;

// "Grafische Ephemeride": the curves of a timeline's movers over its radix
// points, with a mark for every line of its list. "Heute" marks today and
// puts it in the middle, "Ganzer Zeitraum" shows the whole range again;
// "Drucken", "Als PDF speichern" and "Als Bild speichern …" hand the sheet
// on. A click on a mark tells the owner which list line it is.
class EphemerisWindow : public QDialog {
  Q_OBJECT

 public:
  // `resultFolder`: where the sheet's files are proposed.
  EphemerisWindow(Platform& platform, QWidget* parent, std::filesystem::path resultFolder);

  // Shows the timeline computed for `request` (its curves are laid out
  // once, here).
  void showTimeline(const chart::BirthData& birth, const std::string& place,
                    const timing::CalendarRequest& request, timing::Timeline timeline);

  EphemerisCanvas& canvas() const { return *canvas_; }
  const timing::Timeline& timeline() const { return timeline_; }

 signals:
  // The list line (an index into the timeline's result lines) of a
  // clicked mark.
  void lineChosen(std::size_t line);

 private:
  void showToday();
  void print();
  void savePdf();
  void savePicture();
  std::string proposedName(PageFormat format) const;

  Platform& platform_;
  const std::filesystem::path resultFolder_;
  timing::Timeline timeline_;
  std::optional<EphemerisSheetContent> sheet_;

  QLabel* titleLabel_;
  EphemerisCanvas* canvas_;
  QLabel* navigationHint_;
  QPushButton* todayButton_;
  QPushButton* wholeRangeButton_;
  QPushButton* printButton_;
  QPushButton* pdfButton_;
  QPushButton* pictureButton_;
  QPushButton* closeButton_;
};

}  // namespace kelvaro::ui
