#include "cli/command_line.h"

#include "kelvaro_version.h"

namespace kelvaro::cli {

void declareCommandLine(CLI::App& app, CommandLine& line, CommandSet& commands) {
  // A path like /home/… is a file, not an option, on Windows too.
  app.allow_windows_style_options(false);
  app.set_help_all_flag("--help-all", "help for every command");
  app.set_version_flag("--version", "kelvaro-cli " KELVARO_VERSION);
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
