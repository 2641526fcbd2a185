#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// An entered whole number: an optional "+" followed by ASCII digits. A minus
// sign, blanks, letters or decimals make the text invalid, as does a value
// beyond the int range.
std::optional<int> parseWholeNumber(std::string_view text);

// The texts of a pair of degree and minute fields as read: an empty field
// or a single blank becomes "0" (degrees) or "00" (minutes), and the
// fields write these texts back.
struct DegreeMinuteFields {
  std::string degreesText;
  std::string minutesText;
  std::optional<int> degrees;  // nothing when the text is not a whole number
  std::optional<int> minutes;
};

DegreeMinuteFields readDegreeMinuteFields(std::string_view degreesText,
                                          std::string_view minutesText);

}  // namespace kelvaro
