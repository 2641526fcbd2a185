#include "ui/windows/search_session.h"

#include <utility>

#include "ui/widgets/option_captions.h"

namespace kelvaro::ui {

void SearchSession::load(TransitRecord loaded) {
  record = std::move(loaded);
  orb = kOrbAfterLoad;
}

bool SearchSession::choosePanelButton(int id) {
  const int choice = panelChoiceOf(id);
  switch (panelColumnOf(id)) {
    case PanelColumn::left:
      leftChoice = static_cast<PanelVariant>(choice);
      return false;
    case PanelColumn::kind:
      kindChoice = static_cast<PictureKind>(choice);
      return false;
    case PanelColumn::right:
      rightChoice = static_cast<PanelVariant>(choice);
      return true;
  }
  return false;
}

// In the angle mode the axis is the search angle, named after the stored
// entry; on a free axis it is the accepted entry under the stored entry's
// name, which option 1 may have replaced since.
PanelStep SearchSession::panelStep() const {
  if (!leftChoice || !kindChoice || !rightChoice) return PanelOrderMissing{};
  const PanelChoices choices{*leftChoice, *kindChoice, *rightChoice};
  if (angleMode) return PanelSearch{angleAxis(searchAngle, storedEntry), choices};
  if (!freeAxisEntry || !record) return NoPanelAxis{};
  FreeAxisEntry entry = *freeAxisEntry;
  entry.stored = storedEntry;
  return PanelSearch{entryAxis(*record, entry), choices};
}

}  // namespace kelvaro::ui
