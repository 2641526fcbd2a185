#include "atlas/iso_names.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "core/text_encoding.h"

namespace kelvaro::atlas {
namespace {

std::string fileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return std::move(bytes).str();
}

// Four hexadecimal digits of a \u escape.
std::optional<char32_t> hexUnit(std::string_view text, std::size_t at) {
  if (at + 4 > text.size()) return std::nullopt;
  char32_t value = 0;
  for (std::size_t i = at; i < at + 4; ++i) {
    const char c = text[i];
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<char32_t>(digit);
  }
  return value;
}

// The string that begins at the quote at `at`, its escapes resolved;
// `at` moves past its closing quote. nullopt for a string without its end.
std::optional<std::string> jsonString(std::string_view json, std::size_t& at) {
  std::string text;
  for (++at; at < json.size(); ++at) {
    const char c = json[at];
    if (c == '"') {
      ++at;
      return text;
    }
    if (c != '\\') {
      text += c;
      continue;
    }
    if (++at >= json.size()) return std::nullopt;
    const char escaped = json[at];
    if (escaped == 'u') {
      auto unit = hexUnit(json, at + 1);
      if (!unit) return std::nullopt;
      at += 4;
      // A surrogate pair: the second unit follows as its own escape.
      if (*unit >= 0xD800 && *unit < 0xDC00 && json.substr(at + 1, 2) == "\\u") {
        if (const auto low = hexUnit(json, at + 3); low && *low >= 0xDC00 && *low < 0xE000) {
          unit = 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00);
          at += 6;
        }
      }
      appendUtf8(text, *unit);
    } else {
      const std::string_view from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
      const std::size_t which = from.find(escaped);
      if (which == std::string_view::npos) return std::nullopt;
      text += to[which];
    }
  }
  return std::nullopt;
}

// The name a country or region goes by in German: the translation of its
// common name where it has one, else that of its name, else the English.
std::string germanName(const std::map<std::string, std::string>& entry,
                       const MessageCatalogue& german) {
  for (const char* key : {"common_name", "name"}) {
    const auto english = entry.find(key);
    if (english == entry.end()) continue;
    const std::string* translated = german.find(english->second);
    return translated ? *translated : english->second;
  }
  return {};
}

}  // namespace

std::vector<std::map<std::string, std::string>> flatJsonObjects(std::string_view json) {
  std::vector<std::map<std::string, std::string>> objects;
  std::map<std::string, std::string>* object = nullptr;
  std::optional<std::string> key;
  for (std::size_t at = 0; at < json.size();) {
    const char c = json[at];
    if (c == '{') {
      object = &objects.emplace_back();
      key.reset();
    } else if (c == '}') {
      object = nullptr;
    } else if (c == '"') {
      auto text = jsonString(json, at);
      if (!text) break;
      if (object && key) {
        (*object)[*key] = std::move(*text);
        key.reset();
      } else if (object) {
        key = std::move(text);
      }
      continue;
    } else if (c == ',') {
      key.reset();  // a key whose value was no string
    }
    ++at;
  }
  return objects;
}

IsoNames IsoNames::read(const std::filesystem::path& jsonFolder,
                        const std::filesystem::path& localeFolder) {
  const std::filesystem::path german = localeFolder / "de" / "LC_MESSAGES";
  return parse(fileText(jsonFolder / "iso_3166-1.json"), fileText(jsonFolder / "iso_3166-2.json"),
               MessageCatalogue::read(german / "iso_3166-1.mo"),
               MessageCatalogue::read(german / "iso_3166-2.mo"));
}

IsoNames IsoNames::parse(std::string_view countriesJson, std::string_view regionsJson,
                         const MessageCatalogue& countriesInGerman,
                         const MessageCatalogue& regionsInGerman) {
  IsoNames names;
  for (const auto& entry : flatJsonObjects(countriesJson)) {
    const auto code = entry.find("alpha_2");
    if (code != entry.end()) names.countries_[code->second] = germanName(entry, countriesInGerman);
  }
  for (const auto& entry : flatJsonObjects(regionsJson)) {
    const auto code = entry.find("code");
    if (code != entry.end()) names.regions_[code->second] = germanName(entry, regionsInGerman);
  }
  return names;
}

const std::string* IsoNames::country(const std::string& code) const {
  const auto found = countries_.find(code);
  return found == countries_.end() || found->second.empty() ? nullptr : &found->second;
}

const std::string* IsoNames::region(const std::string& code) const {
  const auto found = regions_.find(code);
  return found == regions_.end() || found->second.empty() ? nullptr : &found->second;
}

}  // namespace kelvaro::atlas
