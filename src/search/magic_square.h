#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"
#include "core/factor.h"
#include "core/search_result.h"
#include "core/transit_record.h"

// Search option 6: the factor variants in the dial axis of one entered factor
// variant, those in its complement axis (22.5° minus its dial value), and the
// planetary pictures built from both groups. It writes the second text view.
namespace kelvaro {

inline constexpr std::string_view kMagicSquareHeading =
    "Die Faktoren des magischen Quadrates und die Planetenbilder aus diesen Faktoren";
inline constexpr std::string_view kInvalidMagicFactorMessage =
    "Bitte einen gültigen Faktor eingeben ";
inline constexpr std::string_view kInvalidMagicVariantMessage =
    "Bitte eine Variante aus r,p,s,t verwenden";
// The information box shown after every 3-character entry, accepted or refused.
inline constexpr std::string_view kMagicSquareInformation =
    "Sie finden oben die Faktoren in der eingegebenen Suchachse    \r"
    "und darunter die Ergänzungsfaktoren zu 22,5 Grad.\r"
    "\r"
    "In der Liste stehen alle Planetenbilder aus diesen Faktoren.";

// One factor variant of the axis or the complement list.
struct MagicSquareEntry {
  int factorNumber = 0;
  Variant variant = Variant::r;
  double position = 0;  // longitude from the record
  double dial = 0;      // modus22 of the position
};

// The two lists of a valid entry, in order of discovery. The axis list starts
// with the chosen factor variant itself. Both lists grow as needed.
struct MagicSquareLists {
  std::vector<MagicSquareEntry> axis;
  std::vector<MagicSquareEntry> complement;
};

// The lists of the chosen factor variant (factor 1–23): every factor variant
// MC … PO meeting its dial value t (itself and SOs left out) and every one
// meeting 22.5 − t (only SOs left out).
MagicSquareLists findMagicSquareLists(const TransitRecord& record, double orb, int factorNumber,
                                      Variant variant);

// What one change of the entry field leads to. The window shows it in this
// order:
//  1. the heading label gets view.heading and the view its two opening lines
//     " " and "Das magische Quadrat" (on every change, whatever the length);
//  2. with a refusal: the error box with refusal->message, then the field is
//     set to *fieldText and focused. Setting the text is a change of its own:
//     the step runs again on the shorter text and leaves the two opening
//     lines, after which the first run goes on;
//  3. the view holds view.lines: for a refused entry the two opening lines,
//     an empty line, " " and "Die Planetenbilder";
//  4. with showsInformation: the information box kMagicSquareInformation.
// An entry that is not 3 characters long ends after step 1 (view.lines holds
// the two opening lines, nothing else happens).
struct MagicSquareStep {
  SearchResult view;
  std::optional<Rejection> refusal;
  // Set with a refusal only: "" after an unknown name, the two upper-cased
  // name characters after a wrong variant letter.
  std::optional<std::string> fieldText;
  bool showsInformation = false;
};

MagicSquareStep magicSquareEntryStep(const TransitRecord& record, double orb,
                                     std::string_view entry);

}  // namespace kelvaro
