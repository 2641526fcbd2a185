#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/search_result.h"
#include "core/transit_record.h"
#include "search/free_axis_entry.h"

// The planetary-picture search: every pair of factors F3, F4 whose midpoint
// or sum, in the variants chosen in the panel, lies on a search axis within
// the orb. The axis is either an entered free axis (option 2, method 1) or
// the search angle of option 3 (angle mode).
namespace kelvaro {

// Where the search looks and how the axis is named.
struct PictureAxis {
  double value = 0;  // compared with the dial value of every pair
  std::string text;  // axis text of the heading and the first line
  bool angleMode = false;
  std::vector<FactorVariant> factors;  // those the axis text names: F1 and F2, none for an angle
  PictureTerm term;                    // the axis as the left side of every picture found
};

// The axis of an accepted free-axis entry: F1 and F2 combined by the
// operator; the text starts with the stored entry and shows the axis on the
// dial, within its sign and the sign.
PictureAxis entryAxis(const TransitRecord& record, const FreeAxisEntry& entry);

// The axis of the angle mode: the search angle as entered (not reduced),
// named after the stored entry (empty once option 3 has started).
PictureAxis angleAxis(double searchAngle, std::string_view storedEntry);

inline constexpr std::string_view kSingleFactorMidpointQuestion =
    "Sollen nur Einfaktor-Halbsummen gesucht werden?           \r"
    "(bei gleicher Variante für Faktor 1/3 und 2/4)";
inline constexpr std::string_view kSingleFactorSumQuestion =
    "Sollen nur Einfaktor-Summen gesucht werden?      \r"
    "(bei gleicher Variante für Faktor 1/3 und 2/4)";

// The question is asked before a search whose two sides are the same single
// variant; Yes restricts the lines to factors with themselves.
bool asksSingleFactorQuestion(const PanelChoices& choices);
std::string_view singleFactorQuestion(PictureKind kind);

// Runs the search. `singleFactorOnly` is the answer to the single-factor
// question and is ignored when the choices do not ask it. The first line
// carries the axis's factor variants, each line of pairs theirs, both of
// each pair, in their order; every pair is a picture on the axis
// (SearchResult::pairsOnAxis).
SearchResult pictureSearch(const TransitRecord& record, double orb, const PictureAxis& axis,
                           const PanelChoices& choices, bool singleFactorOnly);

}  // namespace kelvaro
