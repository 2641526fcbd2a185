#include "cli/command_line.h"

#include <string>

#include "core/version.h"

namespace kelvaro::cli {

void declareCommandLine(CLI::App& app, CommandLine& line, CommandSet& commands) {
  app.set_help_all_flag("--help-all", "help for every command");
  app.set_version_flag("--version", std::string("kelvaro-cli ") + kVersion,
                       "Version anzeigen und beenden");
  app.add_option("--orb", line.orbText, "the orb as D:MM (default 1:12)");
  line.save =
      app.add_option("--save", line.saveFolder, "also save the lines into DIR as the save button does")
          ->option_text("DIR");
  app.add_option("FILE", line.file, "the transit data file")->required();
  app.require_subcommand(1, 1);

  addRecordCommands(commands);
  addOverviewCommands(commands);
  addPictureCommands(commands);
  addSearchCommands(commands);
  addMagicAndCorrespondenceCommands(commands);
}

}  // namespace kelvaro::cli
