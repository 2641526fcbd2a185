#include "search/free_axis_entry.h"

#include "core/entry_text.h"

namespace kelvaro {

Checked<FreeAxisEntry> checkFreeAxisEntry(std::string_view text) {
  EntryText entry(text);
  entry.upperCaseLetters({1, 2, 5, 6});
  const auto factor1 = entry.factorAt(1);
  const auto factor2 = entry.factorAt(5);
  if (!factor1 || !factor2) return Rejection{std::string(kFreeAxisFactorMessage)};
  const auto variant1 = variantFromLetterAnyCase(entry.at(3));
  const auto variant2 = variantFromLetterAnyCase(entry.at(7));
  if (!variant1 || !variant2) return Rejection{std::string(kFreeAxisVariantMessage)};
  if (!entry.isOneOf(4, U"/+-")) return Rejection{std::string(kFreeAxisOperatorMessage)};
  return FreeAxisEntry{
      *factor1, *variant1, static_cast<AxisOperator>(static_cast<char>(entry.at(4))),
      *factor2, *variant2, entry.utf8()};
}

std::optional<PanelVariant> panelVariantFromCaption(std::string_view caption) {
  if (caption == "r") return PanelVariant::r;
  if (caption == "p") return PanelVariant::p;
  if (caption == "s") return PanelVariant::s;
  if (caption == "t") return PanelVariant::t;
  if (caption == "rpst") return PanelVariant::rpst;
  return std::nullopt;
}

std::optional<PictureKind> pictureKindFromCaption(std::string_view caption) {
  if (caption == "/") return PictureKind::midpoint;
  if (caption == "+") return PictureKind::sum;
  return std::nullopt;
}

std::string_view panelVariantCaption(PanelVariant choice) {
  switch (choice) {
    case PanelVariant::r:
      return "r";
    case PanelVariant::p:
      return "p";
    case PanelVariant::s:
      return "s";
    case PanelVariant::t:
      return "t";
    case PanelVariant::rpst:
      return "rpst";
  }
  return {};
}

char kindCharacter(PictureKind kind) { return kind == PictureKind::midpoint ? '/' : '+'; }

std::optional<Variant> singleVariant(PanelVariant choice) {
  if (choice == PanelVariant::rpst) return std::nullopt;
  return static_cast<Variant>(static_cast<int>(choice) - 1);
}

}  // namespace kelvaro
