#include "cli/command_set.h"
#include "loading/axis_overview.h"
#include "loading/content_overview.h"

namespace kelvaro::cli {

void addOverviewCommands(CommandSet& commands) {
  commands.add(
      "overview", "die Ergebnisliste nach dem Laden: Achsen, Häuser und magische Quadrate",
      [](const Session& session) {
        AxisOverview overview = axisOverview(session.record, session.orb);
        return CommandResult{std::move(overview.lines), {std::string(kSearchesReadyMessage)}};
      });
  commands.add("content", "die Inhaltsübersicht: Summen in mehreren Achsen und ihr Zählraster",
               [](const Session& session) {
                 return CommandResult{vier_summen(session.record, session.orb), {}};
               });
}

}  // namespace kelvaro::cli
