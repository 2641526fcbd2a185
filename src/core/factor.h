#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// The four horoscopes of a transit record, in the fixed order in which every
// loop runs: radix, progressive, solar arc, transit.
enum class Variant { r = 0, p = 1, s = 2, t = 3 };

inline constexpr std::array<Variant, 4> kVariants = {Variant::r, Variant::p, Variant::s,
                                                     Variant::t};

constexpr int variantIndex(Variant v) { return static_cast<int>(v); }
constexpr char variantLetter(Variant v) { return "rpst"[variantIndex(v)]; }

// "r", "p", "s" or "t" (lower case only).
std::optional<Variant> variantFromLetter(char32_t letter);
// Any of "rpstRPST"; upper-case letters mean the same variant.
std::optional<Variant> variantFromLetterAnyCase(char32_t letter);

// Factor numbers are the 1-based positions in the factor table.
namespace factor {
// The codes as astrologers write them, not the house style of constants.
// NOLINTBEGIN(readability-identifier-naming)
inline constexpr int MC = 1;
inline constexpr int WI = 2;
inline constexpr int SO = 3;
inline constexpr int AS = 4;
inline constexpr int MO = 5;
inline constexpr int KN = 6;
inline constexpr int ME = 7;
inline constexpr int VE = 8;
inline constexpr int MA = 9;
inline constexpr int JU = 10;
inline constexpr int SA = 11;
inline constexpr int UR = 12;
inline constexpr int NE = 13;
inline constexpr int PL = 14;
inline constexpr int PO = 22;
inline constexpr int GZ = 23;
inline constexpr int Du = 24;
// NOLINTEND(readability-identifier-naming)

inline constexpr int kCount = 24;         // entries of every position array
inline constexpr int kLastInTables = 22;  // PO: end of the overview and search loops
inline constexpr int kLastByName = 23;    // GZ: end of every name lookup
}  // namespace factor

// Two-character name of factor number 1–24 ("MC" … "Du").
std::string_view factorName(int number);

// Exact comparison of two characters with the names 1–23 in table order.
// "Du" is never found; callers upper-case the entry first where they should.
std::optional<int> lookupFactor(std::string_view twoCharacters);

// Name and variant letter, e.g. "KNt".
std::string factorVariantName(int number, Variant v);

// One factor in one of the four horoscopes, e.g. KN in the transit (KNt).
struct FactorVariant {
  int factor = 0;  // 1 (MC) … 24 (Du)
  Variant variant{};
  friend bool operator==(const FactorVariant&, const FactorVariant&) = default;
};

}  // namespace kelvaro
