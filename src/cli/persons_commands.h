#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "archive/archive.h"
#include "cli/option_words.h"

namespace kelvaro::cli {

// How a command of kelvaro-persons uses the archive.
enum class ArchiveUse {
  read,    // a missing archive is an error
  change,  // changes what is there; a missing archive is an error
  create,  // adds persons: a missing archive is made, and the user told so
};

// The archive of a command, opened when the command first needs it, after
// its own checks: a refused entry or an unreadable file makes no archive.
class PersonsArchive {
 public:
  PersonsArchive(std::filesystem::path file, ArchiveUse use) : file_(std::move(file)), use_(use) {}

  // The opened archive; nothing after a refusal, whose German message went to `err`.
  archive::Archive* open(std::ostream& err);
  const std::filesystem::path& file() const { return file_; }
  // Whether open() made the archive.
  bool made() const { return made_; }

 private:
  std::filesystem::path file_;
  ArchiveUse use_;
  std::optional<archive::Archive> opened_;
  bool made_ = false;
};

// What a command of kelvaro-persons gets: its words (after the command's
// name), its archive and the two streams (messages on `err` show any bytes
// as text).
struct PersonsInvocation {
  const OptionWords& words;
  PersonsArchive& archive;
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
  ArchiveUse archiveUse;
  int (*run)(const PersonsInvocation& invocation);
};

const std::vector<PersonsCommand>& personsCommands();

// The person whose number is the command's first word; or, with the message
// written on `err`, the exit status.
std::variant<archive::Person, int> personOfWord(const PersonsInvocation& call);

// kelvaro-persons timeline NUMMER --from=… --to=… …: the person's timeline
// of S, P and T (persons_timeline.cpp).
int personTimeline(const PersonsInvocation& call);

// kelvaro-persons on `arguments` (the words after the program's name):
// German help and messages; exit status 0 done, 2 refused (a message on
// `err`: also for an import with faulty records and for output that could
// not be written), 1 wrong usage. Without --archive the archive of the
// program folder (archive::defaultArchiveFile()).
int runPersons(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace kelvaro::cli
