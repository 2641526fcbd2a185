#pragma once

#include <string_view>

#include "search/free_axis_entry.h"

// Captions, prompts and places of the controls of option 2 and of the
// variant panel in the main window.
namespace kelvaro::ui {

inline constexpr std::string_view kFreeAxisButtonCaption =
    "2  Freie Suchachswahl nach allen Planetenbildern";

// Prompt line of the option and the left edge it moves to, per method.
inline constexpr std::string_view kFreeAxisPrompt =
    "Geben Sie bitte eine Halbsumme oder Summe mit Varianten ein.";
inline constexpr int kFreeAxisPromptLeft = 435;
inline constexpr std::string_view kQuadroPrompt =
    "Geben Sie bitte ein Planetenbild ohne Varianten-Indizes ein";
inline constexpr int kQuadroPromptLeft = 510;
inline constexpr std::string_view kFreeAxisExample =
    "Beispiel: KNt+JUp, Faktor 3 /+ 4 werden gemäß Varianten-Vorgabe gesucht ";
// The prompt line once an entry is accepted and the panel is shown.
inline constexpr std::string_view kPanelPrompt = "  Halbsummen- und Summen-Suche:";
inline constexpr std::string_view kPanelInstruction = "Bitte von links nach rechts wählen";

// Names of the left and right factor columns above the panel.
inline constexpr std::string_view kPictureColumnLeft = "F3";
inline constexpr std::string_view kPictureColumnRight = "F4";
inline constexpr std::string_view kAngleColumnLeft = "F1";
inline constexpr std::string_view kAngleColumnRight = "F2";

// The columns of the variant panel. A radio button's id in the panel's
// button group is its column times ten plus the number of its choice.
enum class PanelColumn { left = 1, kind = 2, right = 3 };

constexpr int panelButtonId(PanelColumn column, PanelVariant choice) {
  return static_cast<int>(column) * 10 + static_cast<int>(choice);
}
constexpr int panelButtonId(PictureKind choice) {
  return static_cast<int>(PanelColumn::kind) * 10 + static_cast<int>(choice);
}
constexpr PanelColumn panelColumnOf(int id) { return static_cast<PanelColumn>(id / 10); }
constexpr int panelChoiceOf(int id) { return id % 10; }

}  // namespace kelvaro::ui
