#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/factor.h"

// Search option 2: the choice of method, the entry of a free search axis
// (method 1, e.g. "KNt+JUp") and the choices of the variant panel that the
// planetary-picture search reads.
namespace kelvaro {

// The confirmation box at the start of the option; Yes is method 1, No the
// quadro search.
inline constexpr std::string_view kMethodQuestion =
    "Sie haben hier die Wahl zwischen den Möglichkeiten\r"
    "\r"
    "1. eine Summe oder Halbsumme aus zwei beliebigen Faktorvarianten\r"
    "oder\r"
    "2. ein Planetenbild aus beliebigen Summen oder Halbsummen (Quadro-Suche)       \r"
    "einzugeben.\r"
    "\r"
    "Bei 1. sucht das Programm alle möglichen Planetenbilder\r"
    "bei 2. zeigt das Programm alle vorhandenen Planetenbild-Varianten.\r"
    "\r"
    "Möchten Sie das Verfahren 1. anwenden?\r";

inline constexpr std::size_t kFreeAxisEntryLength = 7;

inline constexpr std::string_view kFreeAxisFactorMessage =
    "Bitte zwei gültige Faktoren mit Horoskop-Indizes eingeben!";
inline constexpr std::string_view kFreeAxisVariantMessage =
    "Möglich sind nur Varianten-Indizes r, p, s, t";
inline constexpr std::string_view kFreeAxisOperatorMessage =
    "Bitte in der Suchachse  / + oder - verwenden";

enum class AxisOperator : char { sum = '+', difference = '-', midpoint = '/' };

// An accepted method-1 entry: F1 in its variant, the operator, F2 in its variant.
struct FreeAxisEntry {
  int factor1 = 0;
  Variant variant1 = Variant::r;
  AxisOperator op = AxisOperator::sum;
  int factor2 = 0;
  Variant variant2 = Variant::r;
  // The text kept as the stored entry: names upper case, variant letters as
  // typed ("knT+jup" is kept as "KNT+JUp").
  std::string stored;

  friend bool operator==(const FreeAxisEntry&, const FreeAxisEntry&) = default;
};

// Checks a text of kFreeAxisEntryLength characters (the window checks no
// other length): factors first, then the variant letters ("rpstRPST"), then
// the operator; the first failure gives its message.
Checked<FreeAxisEntry> checkFreeAxisEntry(std::string_view text);

// The choices of the variant panel.
// At program start nothing is chosen; the window keeps track of that and
// runs no search before a left variant and a kind have been chosen.
// A right-hand choice made before that gets this information box instead.
inline constexpr std::string_view kPanelOrderMessage =
    "Bitte zuerst von links nach rechts wählen: Variante, Art, Variante.";

enum class PanelVariant { r = 1, p = 2, s = 3, t = 4, rpst = 5 };
enum class PictureKind { midpoint = 1, sum = 2 };

struct PanelChoices {
  PanelVariant left = PanelVariant::r;
  PictureKind kind = PictureKind::midpoint;
  PanelVariant right = PanelVariant::r;

  friend bool operator==(const PanelChoices&, const PanelChoices&) = default;
};

// The names of the choices: "r", "p", "s", "t", "rpst" and "/", "+".
std::optional<PanelVariant> panelVariantFromCaption(std::string_view caption);
std::optional<PictureKind> pictureKindFromCaption(std::string_view caption);
std::string_view panelVariantCaption(PanelVariant choice);
char kindCharacter(PictureKind kind);

// The single variant of a choice of 1 to 4; nullopt for "rpst".
std::optional<Variant> singleVariant(PanelVariant choice);

}  // namespace kelvaro
