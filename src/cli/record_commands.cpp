#include "cli/command_set.h"
#include "loading/transit_description.h"

namespace kelvaro::cli {

void addRecordCommands(CommandSet& commands) {
  commands.add("header", "die Kopfzeile, die nach dem Laden oben in der Leiste steht",
               [](const Session& session) {
                 return CommandResult{{headerLine(session.record)}, {}};
               });
  commands.add("describe", "der Datensatz als lesbarer Text (die Eingabe von kelvaro-make-transit)",
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
