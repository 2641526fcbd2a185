#include <memory>

#include "cli/command_set.h"
#include "search/correspondences.h"
#include "search/magic_square.h"

namespace kelvaro::cli {

void addMagicAndCorrespondenceCommands(CommandSet& commands) {
  auto entry = std::make_shared<std::string>();
  CLI::App* magic = commands.add(
      "magic", "das magische Quadrat einer Faktor-Variante (die Zeilen der zweiten Textansicht)",
      [entry](const Session& session) {
        MagicSquareStep step = magicSquareEntryStep(session.record, session.orb, *entry);
        if (step.refusal) return CommandResult::refused({step.refusal->message});
        CommandResult result{std::move(step.view.lines), {}};
        result.isResultList = false;
        return result;
      });
  magic->add_option("EINGABE", *entry, "eine Faktor-Variante wie KNt")->required();

  commands.add("correspondences", "die korrespondierenden Halbsummen aller Faktor-Varianten",
               [](const Session& session) {
                 return CommandResult::listOf(correspondences(session.record, session.orb));
               });
}

}  // namespace kelvaro::cli
