#include "search/picture_table.h"

#include <algorithm>
#include <cmath>

#include "core/decimal_text.h"

namespace kelvaro {

std::vector<PictureRow> pictureRows(const TransitRecord& record,
                                    const std::vector<Picture>& pictures, DialSize dial,
                                    const Keywords& keywords) {
  std::vector<PictureRow> rows;
  rows.reserve(pictures.size());
  for (const Picture& picture : pictures) {
    rows.push_back({picture, dial.place(termValue(record, picture.right)),
                    pictureDeviation(record, picture, dial), keywords.ofPicture(picture)});
  }
  return rows;
}

std::vector<PictureRow> chooseRows(std::vector<PictureRow> rows, const RowChoice& choice) {
  if (choice.orb) {
    std::erase_if(rows,
                  [orb = *choice.orb](const PictureRow& row) { return row.deviation >= orb; });
  }
  if (choice.byDeviation) {
    std::stable_sort(rows.begin(), rows.end(), [](const PictureRow& a, const PictureRow& b) {
      return a.deviation < b.deviation;
    });
  }
  return rows;
}

std::string deviationText(double deviation) {
  return std::to_string(std::lround(deviation * 60)) + "'";
}

TextTable pictureTable(const std::vector<PictureRow>& rows, DialSize dial) {
  TextTable table;
  table.header = {"Planetenbild",       "Stelle",    "Stelle in Grad", "Abweichung",
                  "Abweichung in Grad", "Stichworte"};
  table.rows.reserve(rows.size());
  for (const PictureRow& row : rows) {
    table.rows.push_back({pictureText(row.picture), dial.placeText(row.place),
                          fixedDecimal(row.place, 4), deviationText(row.deviation),
                          fixedDecimal(row.deviation, 4), row.keywords});
  }
  return table;
}

}  // namespace kelvaro
