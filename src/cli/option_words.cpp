#include "cli/option_words.h"

#include <algorithm>

#include "core/text_encoding.h"

namespace kelvaro::cli {
namespace {

bool listed(const std::vector<std::string>& list, const std::string& key) {
  return std::find(list.begin(), list.end(), key) != list.end();
}

}  // namespace

Checked<OptionWords> readOptionWords(const std::vector<std::string>& words,
                                     const std::vector<std::string>& valueOptions,
                                     const std::vector<std::string>& flags) {
  OptionWords read;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (!word.starts_with("--")) {
      read.positionals.push_back(word);
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string key = word.substr(2, equals == std::string::npos ? equals : equals - 2);
    // A word may hold any bytes; the message shows them as text.
    const std::string named = "Die Angabe --" + showableUtf8(key);
    if (listed(flags, key)) {
      if (equals != std::string::npos) return Rejection{named + " nimmt keinen Wert."};
      if (!read.flags.insert(key).second) return Rejection{named + " steht doppelt da."};
      continue;
    }
    if (!listed(valueOptions, key)) {
      return Rejection{"Unbekannte Angabe \"--" + showableUtf8(key) + "\"."};
    }
    std::string value;
    if (equals != std::string::npos) {
      value = word.substr(equals + 1);
    } else if (i + 1 < words.size()) {
      value = words[++i];
    } else {
      return Rejection{named + " braucht einen Wert."};
    }
    if (!read.options.emplace(key, value).second) return Rejection{named + " steht doppelt da."};
  }
  return read;
}

bool namesOption(const std::vector<std::string>& words, std::string_view key) {
  for (const std::string_view word : words) {
    if (!word.starts_with("--")) continue;
    const std::string_view named = word.substr(2);
    if (named == key || (named.starts_with(key) && named.substr(key.size()).starts_with('='))) {
      return true;
    }
  }
  return false;
}

}  // namespace kelvaro::cli
