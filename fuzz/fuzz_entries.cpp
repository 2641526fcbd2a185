// Any record, any orb and any entry texts for the checks and searches of
// every option, called the way the window calls them: the check first, the
// search only with what the check accepted.
//
// Input: the record (2560 bytes), then the field texts; the last bytes
// choose the option, the orb, the panel and the factor variant of the magic
// square lists.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "loading/orb_entry.h"
#include "search/angle_search.h"
#include "search/free_axis_entry.h"
#include "search/magic_square.h"
#include "search/midpoint_sum_search.h"
#include "search/picture_search.h"
#include "search/quadro_search.h"
#include "search/search_angle.h"
#include "search/triple_search.h"

namespace {

using namespace kelvaro;
using fuzz::require;

PanelChoices consumePanel(FuzzedDataProvider& data) {
  return {static_cast<PanelVariant>(data.ConsumeIntegralInRange(1, 5)),
          static_cast<PictureKind>(data.ConsumeIntegralInRange(1, 2)),
          static_cast<PanelVariant>(data.ConsumeIntegralInRange(1, 5))};
}

void pictures(const TransitRecord& record, double orb, const PictureAxis& axis,
              FuzzedDataProvider& data) {
  const PanelChoices choices = consumePanel(data);
  if (asksSingleFactorQuestion(choices)) singleFactorQuestion(choices.kind);
  fuzz::requireShowable(pictureSearch(record, orb, axis, choices, data.ConsumeBool()));
}

void midpointSum(const TransitRecord& record, double orb, FuzzedDataProvider& data) {
  const auto checked = checkMidpointSumEntry(fuzz::consumeText(data));
  if (rejection(checked)) return;
  const auto& entry = std::get<MidpointSumEntry>(checked);
  require(!rejection(checkMidpointSumEntry(entry.text)), "the stored entry is refused");
  fuzz::requireShowable(midpointSumSearch(record, orb, entry).result);
}

void freeAxis(const TransitRecord& record, double orb, FuzzedDataProvider& data) {
  const auto checked = checkFreeAxisEntry(fuzz::consumeText(data));
  if (rejection(checked)) return;
  const auto& entry = std::get<FreeAxisEntry>(checked);
  require(!rejection(checkFreeAxisEntry(entry.stored)), "the stored entry is refused");
  pictures(record, orb, entryAxis(record, entry), data);
}

void quadro(const TransitRecord& record, double orb, FuzzedDataProvider& data) {
  const QuadroOutcome outcome = quadroSearch(record, orb, fuzz::consumeText(data));
  fuzz::requireShowable(outcome.result);
}

std::optional<double> searchAngle(FuzzedDataProvider& data) {
  const std::string degrees = fuzz::consumeText(data);
  const std::string minutes = fuzz::consumeText(data);
  const SearchAngleCheck check = checkSearchAngle(degrees, minutes);
  if (!check.valid) return std::nullopt;
  require(check.angle >= 0 && check.angle < 23, "an accepted search angle beyond 22°59'");
  return check.angle;
}

void angle(const TransitRecord& record, double orb, FuzzedDataProvider& data) {
  const auto angle = searchAngle(data);
  if (!angle) return;
  std::optional<int> chosen;
  if (data.ConsumeBool()) {
    const auto checked = checkAngleFactor(fuzz::consumeText(data));
    if (rejection(checked)) return;
    chosen = std::get<int>(checked);
    require(*chosen >= 1 && *chosen <= factor::kLastByName, "an accepted factor out of range");
  }
  fuzz::requireShowable(angleSearch(record, orb, *angle, chosen));
}

// The stored entry: empty (option 3 empties it), or what option 1 or the
// free axis of option 2 kept of an accepted entry.
std::string storedEntry(FuzzedDataProvider& data) {
  const std::string text = fuzz::consumeText(data);
  const auto midpointSumEntry = checkMidpointSumEntry(text);
  if (!rejection(midpointSumEntry)) return std::get<MidpointSumEntry>(midpointSumEntry).text;
  const auto freeAxisEntry = checkFreeAxisEntry(text);
  if (!rejection(freeAxisEntry)) return std::get<FreeAxisEntry>(freeAxisEntry).stored;
  return {};
}

void anglePictures(const TransitRecord& record, double orb, FuzzedDataProvider& data) {
  const auto angle = searchAngle(data);
  if (!angle) return;
  pictures(record, orb, angleAxis(*angle, storedEntry(data)), data);
}

void triple(const TransitRecord& record, double orb, FuzzedDataProvider& data) {
  const std::string text = fuzz::consumeText(data);
  const bool allFactors = data.ConsumeBool();
  const TripleEntryCheck check = checkTripleEntry(text);
  require(check.entry.has_value() == check.messages.empty(), "an entry both accepted and refused");
  const TripleStep step = tripleEntryStep(record, orb, text, allFactors);
  require(step.messages == check.messages, "the step refuses differently than the check");
  require(step.heading.has_value() == check.entry.has_value(), "a heading without a search");
  if (step.heading) require(fuzz::isWellFormedUtf8(*step.heading), "the heading is not UTF-8");
  fuzz::requireShowable(step.lines);
}

void magicSquare(const TransitRecord& record, double orb, FuzzedDataProvider& data) {
  const std::string text = fuzz::consumeText(data);
  const MagicSquareStep step = magicSquareEntryStep(record, orb, text);
  fuzz::requireShowable(step.view);
  require(step.fieldText.has_value() == step.refusal.has_value(), "a refusal without field text");
  if (step.refusal) {
    const MagicSquareStep again = magicSquareEntryStep(record, orb, *step.fieldText);
    require(!again.refusal && again.view.lines.size() == 2, "the reset field text is refused");
  }
  const auto variant = static_cast<Variant>(data.ConsumeIntegralInRange(0, 3));
  const int number = data.ConsumeIntegralInRange(1, factor::kLastByName);
  findMagicSquareLists(record, orb, number, variant);
}

// The orb entry and --orb: an accepted orb opens the entry again with the
// same field texts and the same orb.
void orbEntry(FuzzedDataProvider& data) {
  const std::string degrees = fuzz::consumeText(data);
  const std::string minutes = fuzz::consumeText(data);
  const OrbEntryCheck check = checkOrbEntry(degrees, minutes);
  require(check.valid || check.orb == kOrbAfterInvalidEntry, "a refused orb is not 1.0");
  if (check.valid) {
    require(check.orb > 0, "an accepted orb is not positive");
    const auto [d, m] = orbEntryFieldTexts(check.orb);
    const OrbEntryCheck again = checkOrbEntry(d, m);
    require(again.valid && again.orb == check.orb, "the orb does not survive its entry");
    require(fuzz::isWellFormedUtf8(orbLabelText(check.orb)), "the orb label is not UTF-8");
  }
  const auto option = parseOrbText(fuzz::consumeText(data));
  if (option) require(*option > 0 && *option < 10, "--orb accepted an orb of 10° or more");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const auto record = fuzz::consumeRecord(data);
  if (!record) return 0;
  const int option = data.ConsumeIntegralInRange(0, 7);
  const double orb = fuzz::consumeOrb(data);
  switch (option) {
    case 0:
      midpointSum(*record, orb, data);
      break;
    case 1:
      freeAxis(*record, orb, data);
      break;
    case 2:
      quadro(*record, orb, data);
      break;
    case 3:
      angle(*record, orb, data);
      break;
    case 4:
      anglePictures(*record, orb, data);
      break;
    case 5:
      triple(*record, orb, data);
      break;
    case 6:
      magicSquare(*record, orb, data);
      break;
    default:
      orbEntry(data);
  }
  return 0;
}
