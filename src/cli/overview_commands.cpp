#include "cli/command_set.h"
#include "loading/axis_overview.h"
#include "loading/content_overview.h"

namespace kelvaro::cli {

void addOverviewCommands(CommandSet& commands) {
  commands.add("overview",
               "the result list after a load: axis table, house table and magic squares",
               [](const Session& session) {
                 AxisOverview overview = axisOverview(session.record, session.orb);
                 return CommandResult{std::move(overview.lines),
                                      {std::string(kSearchesReadyMessage)}};
               });
  commands.add("content", "the content overview: sums in several axes and their count grid",
               [](const Session& session) {
                 return CommandResult{vier_summen(session.record, session.orb), {}};
               });
}

}  // namespace kelvaro::cli
