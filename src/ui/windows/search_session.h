#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/transit_record.h"
#include "loading/orb_entry.h"
#include "search/free_axis_entry.h"
#include "search/picture_search.h"

namespace kelvaro::ui {

// The picture search that a right-hand choice of the variant panel starts.
struct PanelSearch {
  PictureAxis axis;
  PanelChoices choices;
};
// A right-hand choice before a left variant and a kind were ever chosen: the
// user is told the order of the choices (kPanelOrderMessage).
struct PanelOrderMissing {};
// Neither a free axis nor a search angle was accepted: nothing to search.
struct NoPanelAxis {};
using PanelStep = std::variant<PanelSearch, PanelOrderMissing, NoPanelAxis>;

// What the main window keeps between user actions for its overviews and
// searches: the loaded record and its orb, the entry the options share, the
// search angle and the choices of the variant panel. Plain data; the
// window's controls show it and the rules that act on it are here. A new
// load and "Noch einmal von vorne" keep the entries and choices, as the
// options show them again.
struct SearchSession {
  std::optional<TransitRecord> record;
  double orb = kOrbAfterLoad;
  // The last accepted entry of option 1 or 2; it names the panel's axis,
  // and option 3 empties it.
  std::string storedEntry;
  bool angleMode = false;  // the panel searches at the search angle, not on a free axis
  std::optional<PanelVariant> leftChoice;  // nothing chosen at the start
  std::optional<PictureKind> kindChoice;
  std::optional<PanelVariant> rightChoice;
  std::optional<FreeAxisEntry> freeAxisEntry;  // the axis of the panel in option 2, method 1
  double searchAngle = 0;
  bool allFactors = false;  // option 4: the fourth factor from all factors

  // A loaded record, with the orb every load starts with.
  void load(TransitRecord loaded);

  // Keeps the choice of the panel button with the group id `id`
  // (panelButtonId); true for a right-hand choice, which starts the search.
  bool choosePanelButton(int id);

  // The search a right-hand choice starts now.
  PanelStep panelStep() const;
};

}  // namespace kelvaro::ui
