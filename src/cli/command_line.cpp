#include "cli/command_line.h"

#include "cli/parser_texts.h"

namespace kelvaro::cli {

void declareCommandLine(CLI::App& app, CommandLine& line, CommandSet& commands) {
  // A path like /home/… is a file, not an option, on Windows too.
  app.allow_windows_style_options(false);
  useGermanTexts(app);
  app.add_option("--orb", line.orbText, "der Orbis als G:MM (Vorgabe 1:12)")->option_text("G:MM");
  line.save = app.add_option("--save", line.saveFolder,
                             "die Zeilen außerdem in ORDNER speichern, wie es \"Speichern\" tut")
                  ->option_text("ORDNER");
  app.add_option("DATEI", line.file, "die Transit-Datei")->required();
  app.require_subcommand(1, 1);

  addRecordCommands(commands);
  addOverviewCommands(commands);
  addPictureCommands(commands);
  addSearchCommands(commands);
  addMagicAndCorrespondenceCommands(commands);
}

}  // namespace kelvaro::cli
