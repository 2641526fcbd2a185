#include "cli/command_set.h"
#include "loading/transit_description.h"

namespace kelvaro::cli {

void addRecordCommands(CommandSet& commands) {
  commands.add("header", "the header line shown in the top bar after loading",
               [](const Session& session) {
                 return CommandResult{{headerLine(session.record)}, {}};
               });
  commands.add("describe", "the record as readable text (the input of kelvaro-make-transit)",
               [](const Session& session) {
                 CommandResult result;
                 std::string text = describeTransitRecord(session.record);
                 for (std::size_t start = 0; start < text.size();) {
                   const std::size_t end = text.find('\n', start);
                   result.lines.push_back(text.substr(start, end - start));
                   start = end + 1;
                 }
                 return result;
               });
}

}  // namespace kelvaro::cli
