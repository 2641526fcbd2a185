// Any record and any words on the command line of kelvaro-cli: the words are
// parsed as kelvaro-cli parses them, and the chosen command runs on the
// record with the orb of --orb, as kelvaro-cli runs it (without --save).
//
// Input: the record (2560 bytes), then the texts of the words; the last
// bytes choose the command, how many words follow it and which are flags.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/orb_option.h"
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
  std::vector<std::string> words = {"kelvaro-cli"};
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
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError&) {
    return 0;  // wrong usage: kelvaro-cli prints CLI11's message and exits 1
  }

  const auto orb = cli::parseOrbOption(line.orbText);
  if (!orb) return 0;
  const cli::CommandAction* action = commands.chosen();
  require(action != nullptr, "a command line was accepted without a command");
  const cli::CommandResult result = (*action)(cli::Session{*record, *orb});
  require(!result.rejected || result.lines.empty(), "a refused entry left lines");
  require(!result.rejected || !result.messages.empty(), "an entry was refused without a message");
  fuzz::requireShowable(result.lines);
  return 0;
}
