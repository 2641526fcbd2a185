#include <memory>

#include "cli/command_set.h"
#include "search/correspondences.h"
#include "search/magic_square.h"

namespace kelvaro::cli {

void addMagicAndCorrespondenceCommands(CommandSet& commands) {
  auto entry = std::make_shared<std::string>();
  CLI::App* magic = commands.add(
      "magic", "the magic square of one factor variant (the lines of the second text view)",
      [entry](const Session& session) {
        MagicSquareStep step = magicSquareEntryStep(session.record, session.orb, *entry);
        if (step.refusal) return CommandResult::refused({step.refusal->message});
        CommandResult result{std::move(step.view.lines), {}};
        result.isResultList = false;
        return result;
      });
  magic->add_option("ENTRY", *entry, "a factor variant such as KNt")->required();

  commands.add("correspondences", "the corresponding midpoints of all factor variants",
               [](const Session& session) {
                 return CommandResult::listOf(correspondences(session.record, session.orb));
               });
}

}  // namespace kelvaro::cli
