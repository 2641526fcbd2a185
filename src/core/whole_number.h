#pragma once

#include <optional>
#include <string_view>

namespace kelvaro {

// An entered whole number: an optional "+" followed by ASCII digits. A minus
// sign, blanks, letters or decimals make the text invalid, as does a value
// beyond the int range.
std::optional<int> parseWholeNumber(std::string_view text);

// Degree and minute fields treat an empty field and a single blank alike.
inline bool isEmptyField(std::string_view text) { return text.empty() || text == " "; }

}  // namespace kelvaro
