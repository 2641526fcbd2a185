#include "cli/command_set.h"

#include "core/text_encoding.h"

namespace kelvaro::cli {

CommandResult wrongLength(const std::string& entry, std::size_t expectedLength) {
  return CommandResult::refused({"wrong length: \"" + entry + "\" has " +
                                 std::to_string(utf8Length(entry)) + " characters, the entry needs " +
                                 std::to_string(expectedLength)});
}

CLI::App* CommandSet::add(const std::string& name, const std::string& description,
                          CommandAction action) {
  CLI::App* command = app_.add_subcommand(name, description);
  actions_.emplace(command, std::move(action));
  return command;
}

const CommandAction* CommandSet::chosen() const {
  for (const CLI::App* command : app_.get_subcommands()) {
    const auto found = actions_.find(command);
    if (found != actions_.end()) return &found->second;
  }
  return nullptr;
}

}  // namespace kelvaro::cli
