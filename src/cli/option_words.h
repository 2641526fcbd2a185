#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"

namespace kelvaro::cli {

// The words of a command line taken apart: options with a value, written
// "--key=value" or "--key value", flags "--key", and the other words in
// their order.
struct OptionWords {
  std::map<std::string, std::string> options;
  std::set<std::string> flags;
  std::vector<std::string> positionals;

  bool has(const std::string& key) const { return options.contains(key); }
  std::string value(const std::string& key) const {
    const auto found = options.find(key);
    return found == options.end() ? std::string() : found->second;
  }
};

// Read by the same parser as kelvaro-cli's options (CLI11). Refused, with a
// German message that names the option, when a word names an option or flag
// of neither list ("-x" and "--" too), an option lacks its value, a flag has
// one, or one is given twice.
Checked<OptionWords> readOptionWords(const std::vector<std::string>& words,
                                     const std::vector<std::string>& valueOptions,
                                     const std::vector<std::string>& flags = {});

// Whether a word of the command line is the option `--key`, alone or as
// "--key=value": the program's modes are chosen by such an option.
bool namesOption(const std::vector<std::string>& words, std::string_view key);

}  // namespace kelvaro::cli
