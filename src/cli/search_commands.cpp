#include <memory>
#include <optional>
#include <string>

#include "cli/angle_argument.h"
#include "cli/command_set.h"
#include "core/text_encoding.h"
#include "search/angle_search.h"
#include "search/midpoint_sum_search.h"
#include "search/triple_search.h"

namespace kelvaro::cli {
namespace {

CommandResult midpointSum(const Session& session, const std::string& entry) {
  if (utf8Length(entry) != kMidpointSumEntryLength) {
    return wrongLength(entry, kMidpointSumEntryLength);
  }
  const auto checked = checkMidpointSumEntry(entry);
  if (const Rejection* refused = rejection(checked))
    return CommandResult::refused({refused->message});
  return CommandResult::listOf(
      midpointSumSearch(session.record, session.orb, std::get<MidpointSumEntry>(checked)).result);
}

// "D:MM": the texts of the degrees and the minutes field.
CommandResult angle(const Session& session, const std::string& angleText,
                    const std::optional<std::string>& factorText) {
  const SearchAngleCheck check = checkAngleArgument(angleText);
  if (!check.valid) return CommandResult::refused({std::string(kInvalidSearchAngleMessage)});
  std::optional<int> chosenFactor;
  if (factorText) {
    if (utf8Length(*factorText) != kAngleFactorEntryLength) {
      return wrongLength(*factorText, kAngleFactorEntryLength);
    }
    const auto checked = checkAngleFactor(*factorText);
    if (const Rejection* refused = rejection(checked)) {
      return CommandResult::refused({refused->message});
    }
    chosenFactor = std::get<int>(checked);
  }
  return CommandResult::listOf(angleSearch(session.record, session.orb, check.angle, chosenFactor));
}

CommandResult triple(const Session& session, const std::string& entry, bool allFactors) {
  if (utf8Length(entry) != kTripleEntryLength) return wrongLength(entry, kTripleEntryLength);
  TripleStep step = tripleEntryStep(session.record, session.orb, entry, allFactors);
  if (!step.messages.empty()) return CommandResult::refused(std::move(step.messages));
  return CommandResult{std::move(step.lines), {}};
}

}  // namespace

void addSearchCommands(CommandSet& commands) {
  {
    auto entry = std::make_shared<std::string>();
    CLI::App* command = commands.add(
        "search1", "Option 1: Halbsummen und Summen zweier Faktoren in MC, SO, AS (z. B. KN+JU)",
        [entry](const Session& session) { return midpointSum(session, *entry); });
    command->add_option("EINGABE", *entry, "F1, Rechenzeichen / + oder -, F2")->required();
  }
  {
    auto angleText = std::make_shared<std::string>();
    auto factorText = std::make_shared<std::optional<std::string>>();
    CLI::App* command = commands.add(
        "angle",
        "Option 3: Summen und Halbsummen in einem Suchachs-Winkel, wahlweise eines Faktors",
        [angleText, factorText](const Session& session) {
          return angle(session, *angleText, *factorText);
        });
    addAngleArgument(command, *angleText);
    command->add_option("FAKTOR", *factorText, "der gewählte Faktor (ohne ihn: jeder Faktor)");
  }
  {
    auto entry = std::make_shared<std::string>();
    auto allFactors = std::make_shared<bool>(false);
    CLI::App* command =
        commands.add("triple", "Option 4: der vierte Faktor von F1+F2=F3+x (oder mit /)",
                     [entry, allFactors](const Session& session) {
                       return triple(session, *entry, *allFactors);
                     });
    command->add_option("EINGABE", *entry, "die Gleichung, z. B. VE+JU=KN+")->required();
    command->add_flag("--all-factors", *allFactors,
                      "den vierten Faktor aus allen Faktoren suchen, nicht nur aus F1 bis F3");
  }
}

}  // namespace kelvaro::cli
