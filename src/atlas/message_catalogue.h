#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kelvaro::atlas {

// The translations of one compiled message catalogue (a gettext ".mo" file),
// read once into memory: each message id with its translation. Reading it
// ourselves asks nothing of the process's locale or environment, so any
// thread may look names up in any language at any time.
class MessageCatalogue {
 public:
  // The catalogue of the file; empty when the file is missing or no
  // catalogue (every string must lie inside the file).
  static MessageCatalogue read(const std::filesystem::path& file);
  // The same from the file's bytes.
  static MessageCatalogue parse(std::string_view bytes);

  // The translation of `id`, or nullptr when the catalogue has none. Plural
  // forms and contexts are not looked up: the first form is the translation.
  const std::string* find(const std::string& id) const;
  std::size_t size() const { return translations_.size(); }

 private:
  std::unordered_map<std::string, std::string> translations_;
};

}  // namespace kelvaro::atlas
