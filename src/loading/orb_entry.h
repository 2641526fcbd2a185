#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kelvaro {

inline constexpr double kOrbAfterLoad = 1.2;
inline constexpr double kOrbAfterInvalidEntry = 1.0;
inline constexpr std::string_view kInvalidOrbMessage = "\rDas ist kein Orbis               ";

// The check made when the minutes field of the orb entry is left.
struct OrbEntryCheck {
  std::string degreesText;  // the field texts after the check ("0", "00" for empty fields)
  std::string minutesText;
  bool valid = false;
  double orb = kOrbAfterInvalidEntry;  // the new orb; 1.0 after an invalid entry
};

// Degrees and minutes must be whole numbers without sign or with "+",
// minutes at most 59, and the orb must not be 0.
OrbEntryCheck checkOrbEntry(std::string_view degreesText, std::string_view minutesText);

// The orb written as "D:MM" (at most one degree digit, at most two minute
// characters), checked like the two fields; nothing when it is no orb.
std::optional<double> parseOrbText(std::string_view text);
// The message when parseOrbText refuses what was typed.
std::string orbTextRefusal(std::string_view typed);

// The texts the two fields show when the entry opens: "1" and "12" for 1.2.
std::pair<std::string, std::string> orbEntryFieldTexts(double orb);

// "Orbis: 01:12".
std::string orbLabelText(double orb);

}  // namespace kelvaro
