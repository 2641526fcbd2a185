// Any record and any words on the command line of kelvaro-cli: kelvaro-cli's
// run function parses the words and runs the chosen command on the record
// with the orb of --orb (never with --save: the fuzzer writes no files).
//
// Input: the record (2560 bytes), then the texts of the words; the last
// bytes choose the command, how many words follow it, which are flags, and
// whether "--" stands before the file (which may then begin with "-").
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/command_words.h"
#include "cli/run.h"
#include "fuzz_support.h"

namespace {

using namespace kelvaro;
using fuzz::require;

// Every subcommand, in the order of declaration.
std::vector<std::string> commandNames(const CLI::App& app) {
  std::vector<std::string> names;
  for (const CLI::App* command : app.get_subcommands(std::function<bool(const CLI::App*)>())) {
    names.push_back(command->get_name());
  }
  return names;
}

const std::vector<std::string> kFlags = {"--single-factor", "--all-factors", "--orb", "--", "-h"};

std::vector<std::string> consumeWords(FuzzedDataProvider& data,
                                      const std::vector<std::string>& commands) {
  std::vector<std::string> words;
  if (data.ConsumeBool()) {
    words.emplace_back("--orb");
    words.push_back(fuzz::consumeText(data));
  }
  words.emplace_back("transit.dat");
  const std::size_t command = data.ConsumeIntegralInRange<std::size_t>(0, commands.size());
  words.push_back(command < commands.size() ? commands[command] : fuzz::consumeText(data));
  const int arguments = data.ConsumeIntegralInRange(0, 6);
  for (int k = 0; k < arguments; ++k) {
    const std::size_t flag = data.ConsumeIntegralInRange<std::size_t>(0, kFlags.size() * 3);
    words.push_back(flag < kFlags.size() ? kFlags[flag] : fuzz::consumeText(data));
  }
  // "--" before the file, which then may begin with "-".
  if (data.ConsumeBool()) {
    const auto file = std::find(words.begin(), words.end(), "transit.dat");
    *file = data.ConsumeBool() ? "-transit.dat" : *file;
    words.insert(file, "--");
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const auto record = fuzz::consumeRecord(data);
  if (!record) return 0;

  CLI::App app;
  cli::CommandLine line;
  cli::CommandSet commands(app);
  cli::declareCommandLine(app, line, commands);
  const std::vector<std::string> words = consumeWords(data, commandNames(app));
  for (const std::string& word : words) {
    if (word.starts_with("--save")) return 0;
  }

  std::ostringstream out;
  std::ostringstream err;
  const auto load = [&record](const std::string&) -> LoadResult { return *record; };
  const int status = cli::run(words, out, err, load);
  require(status == cli::kExitDone || status == cli::kExitUsage || status == cli::kExitRefused,
          "an exit status that kelvaro-cli does not know");
  require(status != cli::kExitRefused || out.str().empty(), "a refused entry left lines");
  require(status == cli::kExitDone || !err.str().empty(), "a failure without a message");
  require(fuzz::isWellFormedUtf8(out.str()), "the lines are not UTF-8");
  require(fuzz::isWellFormedUtf8(err.str()), "a message is not UTF-8");
  // Where the file and the command stand, as the calendar's hand-over sees them.
  const cli::CommandWords found =
      cli::findCommandWords(std::vector<std::string_view>(words.begin(), words.end()));
  require(!found.command || (found.file && *found.file < *found.command),
          "a command before the file");
  require(!found.mark || (found.file && *found.mark < *found.file), "a mark after the file");
  return 0;
}
