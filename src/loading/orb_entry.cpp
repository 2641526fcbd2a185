#include "loading/orb_entry.h"

#include <cmath>

#include "core/std_ho.h"
#include "core/text_encoding.h"
#include "core/whole_number.h"

namespace kelvaro {

OrbEntryCheck checkOrbEntry(std::string_view degreesText, std::string_view minutesText) {
  const auto [degreesField, minutesField, degrees, minutes] =
      readDegreeMinuteFields(degreesText, minutesText);
  OrbEntryCheck check{degreesField, minutesField};
  if (!degrees || !minutes || *minutes > 59) return check;
  const double orb = *degrees + *minutes / 60.0;
  if (orb == 0) return check;
  check.valid = true;
  check.orb = orb;
  return check;
}

std::pair<std::string, std::string> orbEntryFieldTexts(double orb) {
  const double degrees = std::trunc(orb);
  return {std::to_string(truncToInt(degrees)),
          std::to_string(truncToInt(std::round((orb - degrees) * 60)))};
}

std::string orbLabelText(double orb) { return "Orbis: " + grad_minuten_text(orb); }

std::optional<double> parseOrbText(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view degrees = text.substr(0, colon);
  const std::string_view minutes = text.substr(colon + 1);
  if (utf8Length(degrees) > 1 || utf8Length(minutes) > 2) return std::nullopt;
  const OrbEntryCheck check = checkOrbEntry(degrees, minutes);
  if (!check.valid) return std::nullopt;
  return check.orb;
}

std::string orbTextRefusal(std::string_view typed) {
  return "Orbis: \"" + std::string(typed) +
         "\" ist kein Orbis. Bitte als G:MM angeben, z. B. 1:12 (höchstens 9:59).";
}

}  // namespace kelvaro
