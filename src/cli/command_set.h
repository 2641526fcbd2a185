#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "core/result_text.h"
#include "core/search_result.h"
#include "core/transit_record.h"

namespace kelvaro::cli {

// What every command works on: the loaded record and the checked orb.
struct Session {
  TransitRecord record;
  double orb;
};

// What a command leaves behind: the lines of the result list (or of the
// second text view) and the messages the window would have shown.
struct CommandResult {
  ResultText lines;
  std::vector<std::string> messages;
  bool rejected = false;  // a refused entry: messages only, exit status 2
  // False when the lines are not the result list (the magic square writes
  // the second text view), so there is nothing the save button would save.
  bool isResultList = true;
  // --csv: the CSV table written instead of the lines (which --save saves).
  std::optional<std::string> csv = {};

  static CommandResult refused(std::vector<std::string> messages) {
    return {{}, std::move(messages), true};
  }
  static CommandResult listOf(SearchResult result) { return {std::move(result.lines), {}}; }
};

// An entry whose length is not the one its option reads: the window would
// simply wait for more characters; the command line refuses it.
CommandResult wrongLength(const std::string& entry, std::size_t expectedLength);

using CommandAction = std::function<CommandResult(const Session&)>;

// The subcommands of kelvaro-cli. A command file adds its subcommand with
// add(), declares the subcommand's arguments on the returned CLI::App, and
// reads them in its action, which runs after the record is loaded.
class CommandSet {
 public:
  explicit CommandSet(CLI::App& app) : app_(app) {}

  CLI::App* add(const std::string& name, const std::string& description, CommandAction action);

  // The action of the subcommand given on the command line, if any.
  const CommandAction* chosen() const;

 private:
  CLI::App& app_;
  std::map<const CLI::App*, CommandAction> actions_;
};

// One registration function per command file.
void addRecordCommands(CommandSet& commands);
void addOverviewCommands(CommandSet& commands);
void addPictureCommands(CommandSet& commands);
void addSearchCommands(CommandSet& commands);
void addMagicAndCorrespondenceCommands(CommandSet& commands);
// Only in kelvaro-cli-chart, the program with the ephemeris.
void addCalendarCommands(CommandSet& commands);

}  // namespace kelvaro::cli
