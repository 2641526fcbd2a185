#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/dial_size.h"
#include "core/keywords.h"
#include "core/picture.h"
#include "core/text_table.h"
#include "core/transit_record.h"

// The planetary pictures of a search result as rows of a table: each with
// where it stands on the dial and how far its two sides stand apart there.
namespace kelvaro {

struct PictureRow {
  Picture picture;
  double place = 0;      // the right side placed on the dial, degrees
  double deviation = 0;  // the distance of the two sides on the dial, degrees
  std::string keywords;  // the astrologer's words to the picture, where there are any

  friend bool operator==(const PictureRow&, const PictureRow&) = default;
};

// One row per picture, in the result's order.
std::vector<PictureRow> pictureRows(const TransitRecord& record,
                                    const std::vector<Picture>& pictures, DialSize dial,
                                    const Keywords& keywords);

// Which rows a table shows and in what order.
struct RowChoice {
  std::optional<double> orb;  // only rows whose deviation is below it (degrees)
  bool byDeviation = false;   // the nearest first; else in the result's order
};
std::vector<PictureRow> chooseRows(std::vector<PictureRow> rows, const RowChoice& choice);

// "12'": the deviation in whole arc minutes (rounded).
std::string deviationText(double deviation);

// The rows for a spreadsheet: the picture, its place and deviation as text
// and in decimal degrees, and the keywords.
TextTable pictureTable(const std::vector<PictureRow>& rows, DialSize dial);

}  // namespace kelvaro
