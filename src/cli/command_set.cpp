#include "cli/command_set.h"

namespace kelvaro::cli {

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
