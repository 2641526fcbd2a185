#include "cli/command_set.h"

#include "core/text_encoding.h"

namespace kelvaro::cli {

CommandResult wrongLength(const std::string& entry, std::size_t expectedLength) {
  return CommandResult::refused(
      {"Falsche Länge: \"" + entry + "\" hat " + std::to_string(utf8Length(entry)) +
       " Zeichen, die Eingabe braucht " + std::to_string(expectedLength) + "."});
}

CLI::App* CommandSet::add(const std::string& name, const std::string& description,
                          CommandAction action) {
  CLI::App* command = app_.add_subcommand(name, description)->group("Befehle");
  // A subcommand makes its help flags before it takes over the group name;
  // made again they join the other options.
  command->set_help_flag("-h,--help", app_.get_help_ptr()->get_description());
  command->set_help_all_flag("--help-all", app_.get_help_all_ptr()->get_description());
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
