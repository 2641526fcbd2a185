#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include <QFont>
#include <QStringList>

#include "core/dial_size.h"
#include "core/transit_record.h"
#include "print/dial_picture.h"
#include "print/printout.h"
#include "search/picture_table.h"

namespace kelvaro {

// What the client sheet shows: the dial of a record at the pointer, the
// births of its persons and the planetary pictures the astrologer chose.
struct ClientSheetContent {
  TransitRecord record;
  double orb = 0;
  int pointer = 0;  // minutes on the dial
  std::array<bool, 4> shownRings = {true, true, true, true};
  DialSize dial;
  // Birth lines from the archive (archive::chartPersonLines()); none when
  // the archive does not know the person.
  std::vector<std::string> persons;
  std::vector<PictureRow> rows;  // the rows the astrologer chose, in order
};

// The sheet to hand to a client, one A4 page on white paper: the name, the
// births, the transit, a smaller dial than the dial sheet's with its
// pointer, orb sector and the pointer's line, and a table of the chosen
// pictures ("Planetenbild", "Abweichung", "Stichworte"), the keywords
// broken onto up to three lines of the page's width, the rest cut. Rows the
// page cannot hold are left out and counted in its last line.
class ClientSheet : public PageSource {
 public:
  explicit ClientSheet(ClientSheetContent content);

  int layOut(QPainter& painter, QSizeF body) override;
  void paintPage(QPainter& painter, int page, const QRectF& body) override;

 private:
  void paintHead(QPainter& painter, const QRectF& body) const;
  void paintTable(QPainter& painter, const QRectF& body) const;

  ClientSheetContent content_;
  DialPicture picture_;
  // Laid out for the device: the dial's side, where the table begins, the
  // keyword lines of each row shown and where the columns begin.
  double dialSide_ = 0;
  double tableTop_ = 0;
  std::vector<QStringList> keywordLines_;
  double deviationRight_ = 0;
  double keywordsLeft_ = 0;
};

// One A4 page, never more, with the print header.
Printout clientSheetPrintout(ClientSheetContent content);

}  // namespace kelvaro
