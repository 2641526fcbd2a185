#include "cli/option_words.h"

#include <algorithm>

#include <CLI/CLI.hpp>

#include "core/text_encoding.h"

namespace kelvaro::cli {
namespace {

std::string namedOption(const std::string& key) { return "Die Angabe --" + showableUtf8(key); }

// The key of `keys` whose option the parser's message is about: value
// options are named "--key: …", flags "key was given …".
std::string keyOfMessage(std::string_view message, const std::vector<std::string>& keys) {
  for (const std::string& key : keys) {
    if (message.starts_with("--" + key + ":") || message.starts_with(key + " ")) return key;
  }
  return {};
}

// The German message of a word the parser could not take: a value option
// without its value or given twice, a flag with a value.
std::string mismatchText(const CLI::ArgumentMismatch& error,
                         const std::vector<std::string>& valueOptions,
                         const std::vector<std::string>& flags) {
  const std::string_view message = error.what();
  if (const std::string flag = keyOfMessage(message, flags); !flag.empty()) {
    return namedOption(flag) + " nimmt keinen Wert.";
  }
  const std::string key = keyOfMessage(message, valueOptions);
  if (message.ends_with(" missing")) return namedOption(key) + " braucht einen Wert.";
  return namedOption(key) + " steht doppelt da.";
}

// The words as the parser takes them: in reverse order, and "--key=" of a
// value option as "--key" and an empty word (CLI11 2.1 would take the next
// word as the value of "--key=").
std::vector<std::string> parserWords(const std::vector<std::string>& words,
                                     const std::vector<std::string>& valueOptions) {
  std::vector<std::string> reversed;
  for (auto word = words.rbegin(); word != words.rend(); ++word) {
    const bool emptyValue =
        word->starts_with("--") && word->ends_with('=') &&
        std::ranges::find(valueOptions, word->substr(2, word->size() - 3)) != valueOptions.end();
    if (emptyValue) reversed.emplace_back();
    reversed.push_back(emptyValue ? word->substr(0, word->size() - 1) : *word);
  }
  return reversed;
}

}  // namespace

Checked<OptionWords> readOptionWords(const std::vector<std::string>& words,
                                     const std::vector<std::string>& valueOptions,
                                     const std::vector<std::string>& flags) {
  CLI::App parser;
  parser.allow_extras();  // an unknown option is named below, in German
  // A path like /home/… is a word, not an option, on Windows too.
  parser.allow_windows_style_options(false);
  OptionWords read;
  parser.add_option("words", read.positionals);
  std::map<std::string, std::string> values;
  for (const std::string& key : valueOptions) {
    parser.add_option("--" + key, values[key])->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }
  std::map<std::string, const CLI::Option*> flagOptions;
  for (const std::string& key : flags) {
    flagOptions[key] = parser.add_flag("--" + key)->disable_flag_override();
  }
  std::vector<std::string> reversed = parserWords(words, valueOptions);
  try {
    parser.parse(reversed);
  } catch (const CLI::ArgumentMismatch& error) {
    return Rejection{mismatchText(error, valueOptions, flags)};
  } catch (const CLI::ParseError&) {
    return Rejection{"Der Aufruf ist fehlerhaft."};
  }
  if (const std::vector<std::string> unknown = parser.remaining(); !unknown.empty()) {
    const std::string& word = unknown.front();
    return Rejection{"Unbekannte Angabe \"" + showableUtf8(word.substr(0, word.find('='))) + "\"."};
  }
  for (const auto& [key, option] : flagOptions) {
    if (option->count() > 1) return Rejection{namedOption(key) + " steht doppelt da."};
    if (option->count() == 1) read.flags.insert(key);
  }
  for (const std::string& key : valueOptions) {
    if (parser.get_option("--" + key)->count() > 0) read.options.emplace(key, values[key]);
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
