#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "archive/archive.h"
#include "cli/option_words.h"

namespace kelvaro::cli {

// What a command of kelvaro-persons gets: its words (after the command's
// name), the opened archive and the two streams.
struct PersonsInvocation {
  const OptionWords& words;
  archive::Archive& archive;
  std::ostream& out;
  std::ostream& err;
};

// One command of kelvaro-persons. A new command is one more row of
// personsCommands(): its name, usage, options and action.
struct PersonsCommand {
  std::string_view name;
  std::string_view usage;        // the line of the help after "kelvaro-persons [--archive DATEI]"
  std::string_view description;  // one line of the help
  std::vector<std::string> valueOptions;
  std::vector<std::string> flags;
  std::size_t minimumWords;  // words besides the options
  std::size_t maximumWords;
  archive::Archive::Access access;
  int (*run)(const PersonsInvocation& invocation);
};

const std::vector<PersonsCommand>& personsCommands();

// The person whose number is the command's first word; or, with the message
// written on `err`, the exit status.
std::variant<archive::Person, int> personOfWord(const PersonsInvocation& call);

// kelvaro-persons backups: the archive's backups, the newest first, each
// with its number, time, persons and file; kelvaro-persons restore NUMMER:
// the archive back to that backup (persons_backups.cpp).
int listBackups(const PersonsInvocation& call);
int restoreBackup(const PersonsInvocation& call);

// kelvaro-persons timeline NUMMER --from=… --to=… …: the person's timeline
// of S, P and T (persons_timeline.cpp).
int personTimeline(const PersonsInvocation& call);

// kelvaro-persons on `arguments` (the words after the program's name):
// German help and messages; exit status 0 done, 2 refused (a message on
// `err`), 1 wrong usage. Without --archive the archive of the program folder
// (archive::defaultArchive()).
int runPersons(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace kelvaro::cli
