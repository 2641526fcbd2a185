#include "cli/orb_option.h"

#include "core/text_encoding.h"
#include "loading/orb_entry.h"

namespace kelvaro::cli {

std::optional<double> parseOrbOption(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view degrees = text.substr(0, colon);
  const std::string_view minutes = text.substr(colon + 1);
  if (utf8Length(degrees) > 1 || utf8Length(minutes) > 2) return std::nullopt;
  const OrbEntryCheck check = checkOrbEntry(degrees, minutes);
  if (!check.valid) return std::nullopt;
  return check.orb;
}

}  // namespace kelvaro::cli
