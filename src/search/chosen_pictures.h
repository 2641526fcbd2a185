#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"
#include "core/dial_size.h"
#include "core/keywords.h"
#include "core/picture.h"
#include "core/transit_record.h"
#include "search/picture_table.h"

// Planetary pictures the astrologer names, "SO=MA/SA,MC=JU/PL": each side a
// factor or a pair ("MA/SA", "JU+PL", "MA-SA"), factor names in any case,
// each factor with a variant letter (r, p, s, t) or without one for all
// four. SOs never takes part, as in every search.
namespace kelvaro {

// One side of a named picture, each factor with the variants it stands for.
struct ChosenTerm {
  PictureTerm::Kind kind =
      PictureTerm::Kind::factor;  // a factor, a midpoint, a sum or a difference
  std::vector<FactorVariant> first;
  std::vector<FactorVariant> second;  // of a pair only

  friend bool operator==(const ChosenTerm&, const ChosenTerm&) = default;
};

struct ChosenPicture {
  std::string text;  // as written, without the blanks around it
  ChosenTerm left;
  ChosenTerm right;

  friend bool operator==(const ChosenPicture&, const ChosenPicture&) = default;
};

// The comma-separated pictures of `list`, or the German message that names
// the first bad one: "Ungültiges Planetenbild »SO=MA/XY« in --pictures:
// unbekannter Faktor »XY« …", `origin` being "--pictures" (none: no " in …").
Checked<std::vector<ChosenPicture>> parseChosenPictures(std::string_view list,
                                                        std::string_view origin = {});

// Every variant of each picture whose two sides stand less than `orb` apart
// on the dial, as rows with their keywords: the pictures in the list's
// order, each one's variants the nearest first. A variant written twice
// (MAr/SAp and SAp/MAr, or the sides swapped) counts once, one whose two
// sides are the same not at all. Each picture's line is its place in the
// list.
std::vector<PictureRow> chosenPictureRows(const TransitRecord& record, double orb, DialSize dial,
                                          const std::vector<ChosenPicture>& pictures,
                                          const Keywords& keywords);

}  // namespace kelvaro
