#pragma once

#include <array>
#include <string>
#include <vector>

#include <QFont>

#include "core/factor.h"
#include "core/search_result.h"
#include "core/transit_record.h"
#include "print/dial_picture.h"
#include "print/printout.h"

namespace kelvaro {

// What the dial sheet shows: the dial of a record with its shown rings, the
// pointer, the orb and the marked factors, and the list at the pointer.
struct DialSheetContent {
  TransitRecord record;
  double orb = 0;
  int pointer = 0;
  std::array<bool, 4> shownRings = {true, true, true, true};
  std::vector<FactorVariant> marked;
  SearchResult pointerList;  // the angle search at the pointer
  DialSize dial;             // named on the sheet when it is not the standard one
  // Under the transit, a line for each person of a chart of two persons
  // (archive::pairPersonLines()); none for the chart of one person.
  std::vector<std::string> persons;
};

// The content of a sheet with the list that the angle search gives at the
// pointer over all factors, as the dial window shows it.
DialSheetContent dialSheetContent(const TransitRecord& record, double orb, int pointer,
                                  const std::array<bool, 4>& shownRings,
                                  DialSize dial = DialSize::standard());

// The dial as a sheet to hand over, on white paper in black and one accent
// colour: on top the person's name and the transit's date, time and place
// (and for a chart of two persons a line for each of them), then the dial with its pointer and orb
// sector, below it the pointer
// ("Zeiger 07°30'", after the dial's size when that is not 22.5°), the orb ("Orbis: 01:12"), the
// legend of the shown rings and the pointer's list, in a fixed-pitch font small enough for its
// widest line. List lines the first page cannot hold go on further pages;
// a sheet of one page (a picture) says in its last line how many it leaves
// out instead.
class DialSheet : public PageSource {
 public:
  DialSheet(DialSheetContent content, bool onePage);

  int layOut(QPainter& painter, QSizeF body) override;
  void paintPage(QPainter& painter, int page, const QRectF& body) override;

 private:
  void paintHead(QPainter& painter, const QRectF& body) const;
  void paintLines(QPainter& painter, std::size_t first, std::size_t count, double top,
                  const QRectF& body) const;

  DialSheetContent content_;
  bool onePage_;
  DialPicture picture_;
  // Laid out for the device: the list's font, where the list begins on the
  // first page and how many of its lines (the heading first) each page holds.
  QFont listFont_;
  double listTop_ = 0;
  double dialSide_ = 0;
  std::vector<std::size_t> perPage_;
};

// A printout of the dial sheet alone, with the print header.
Printout dialSheetPrintout(DialSheetContent content, bool onePage);

}  // namespace kelvaro
