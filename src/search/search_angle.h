#pragma once

#include <string>
#include <string_view>

namespace kelvaro {

inline constexpr std::string_view kInvalidSearchAngleMessage =
    "\rDas ist kein gültiger Such-Winkel.               ";

// The check made when the minutes field of option 3 is left.
struct SearchAngleCheck {
  std::string degreesText;  // the field texts after the check ("0", "00" for empty fields)
  std::string minutesText;
  bool valid = false;
  // Degrees + minutes / 60 as entered (not reduced to the dial). Also set
  // for a refused entry whose texts are whole numbers; no search uses it then.
  double angle = 0;
};

// Degrees 0–22 and minutes 0–59, written as whole numbers ("+" allowed);
// an empty field or a single blank counts as 0 degrees or "00" minutes.
// Negative numbers are refused: the angle texts have no form for them.
SearchAngleCheck checkSearchAngle(std::string_view degreesText, std::string_view minutesText);

}  // namespace kelvaro
