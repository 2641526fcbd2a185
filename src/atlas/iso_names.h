#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/message_catalogue.h"

// The German names of the countries (ISO 3166-1) and of their regions
// (ISO 3166-2), from Debian's iso-codes: the lists of codes and English
// names as JSON, their translations as message catalogues.
namespace kelvaro::atlas {

// The objects of a JSON text whose values are strings ({"alpha_2": "DE",
// "name": "Germany"}), each as its keys and values, in their order; other
// values are left out. Enough for the flat lists of iso-codes.
std::vector<std::map<std::string, std::string>> flatJsonObjects(std::string_view json);

class IsoNames {
 public:
  // From /usr/share/iso-codes/json and the German catalogues under
  // /usr/share/locale; empty where they are missing.
  static IsoNames read(const std::filesystem::path& jsonFolder,
                       const std::filesystem::path& localeFolder);
  static IsoNames parse(std::string_view countriesJson, std::string_view regionsJson,
                        const MessageCatalogue& countriesInGerman,
                        const MessageCatalogue& regionsInGerman);

  // "DE" → "Deutschland", "KR" → "Südkorea" (the common name where the
  // list has one); nullptr for a code it lacks.
  const std::string* country(const std::string& code) const;
  // "CH-VS" → "Wallis"; nullptr for a code it lacks.
  const std::string* region(const std::string& code) const;

 private:
  std::map<std::string, std::string> countries_;
  std::map<std::string, std::string> regions_;
};

}  // namespace kelvaro::atlas
