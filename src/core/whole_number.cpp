#include "core/whole_number.h"

#include <charconv>

namespace kelvaro {

std::optional<int> parseWholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

DegreeMinuteFields readDegreeMinuteFields(std::string_view degreesText,
                                          std::string_view minutesText) {
  const auto isEmptyField = [](std::string_view text) { return text.empty() || text == " "; };
  DegreeMinuteFields fields;
  fields.degreesText = isEmptyField(degreesText) ? "0" : std::string(degreesText);
  fields.minutesText = isEmptyField(minutesText) ? "00" : std::string(minutesText);
  fields.degrees = parseWholeNumber(fields.degreesText);
  fields.minutes = parseWholeNumber(fields.minutesText);
  return fields;
}

}  // namespace kelvaro
