#include "cli/command_words.h"

namespace kelvaro::cli {
namespace {

// The options of kelvaro-cli that take the next word as their value.
bool takesValue(std::string_view word) { return word == "--orb" || word == "--save"; }

bool asksForHelp(std::string_view word) {
  return word == "-h" || word == "--help" || word == "--help-all";
}

}  // namespace

CommandWords findCommandWords(const std::vector<std::string_view>& words) {
  CommandWords found;
  bool options = true;
  for (std::size_t i = 0; i < words.size() && !found.command; ++i) {
    const std::string_view word = words[i];
    if (options && !found.file && word == "--") {
      found.mark = i;
      options = false;
    } else if (options && word.starts_with("-") && word.size() > 1) {
      found.help = found.help || asksForHelp(word);
      if (takesValue(word)) ++i;
    } else if (!found.file) {
      found.file = i;
      options = true;  // options may stand between the file and the command
    } else {
      found.command = i;
    }
  }
  return found;
}

}  // namespace kelvaro::cli
