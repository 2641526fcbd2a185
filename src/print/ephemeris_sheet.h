#pragma once

#include <string>

#include <QPageLayout>

#include "chart/chart_entry.h"
#include "print/ephemeris_picture.h"
#include "print/printout.h"
#include "timing/ephemeris_layout.h"
#include "timing/timeline.h"
#include "timing/transit_calendar.h"

namespace kelvaro {

// What the sheet of a graphic ephemeris shows: the person, the range and
// the movers asked for, the layout of their timeline, and the stretch of
// time the picture shows (the whole range, or what the window zoomed to).
struct EphemerisSheetContent {
  chart::BirthData birth;
  std::string place;  // the birth place as the archive names it, may be empty
  timing::CalendarRequest request;
  timing::EphemerisLayout layout;
  double shownFrom = 0;  // UT Julian days
  double shownTo = 0;

  // The sheet of the stretch [from, to] within the layout's range.
  EphemerisSheetContent showing(double from, double to) const;
};

// The content of a person's timeline: its layout over the request's range.
EphemerisSheetContent ephemerisSheetContent(chart::BirthData birth, std::string place,
                                            timing::CalendarRequest request,
                                            const timing::Timeline& timeline);

// The ephemeris as a sheet on white paper, on one page: on top the
// person's name, the birth data, the range and the movers (and the stretch
// shown, where that is less), then the picture of the stretch, below it the
// legend.
class EphemerisSheet : public PageSource {
 public:
  explicit EphemerisSheet(EphemerisSheetContent content);

  int layOut(QPainter& painter, QSizeF body) override;
  void paintPage(QPainter& painter, int page, const QRectF& body) override;

 private:
  double paintHead(QPainter& painter, const QRectF& body) const;
  void paintLegend(QPainter& painter, QPointF at) const;

  EphemerisSheetContent content_;
  EphemerisPicture picture_;
};

// The sheet with the print header (the timeline's title line).
Printout ephemerisPrintout(EphemerisSheetContent content);

// The sheet lies across the page.
QPageLayout ephemerisPageLayout();

// "Solarbogen (s), Progression (p), Transite (t)": the movers of a request.
std::string moversText(const timing::MoverChoice& movers);

}  // namespace kelvaro
