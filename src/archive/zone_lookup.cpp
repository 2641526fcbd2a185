#include "archive/zone_lookup.h"

#include <map>
#include <mutex>
#include <string>

namespace kelvaro::archive {

Checked<chart::TimeZone> zoneNamed(std::string_view name) {
  static std::mutex guard;
  static std::map<std::string, Checked<chart::TimeZone>, std::less<>> known;
  const std::lock_guard<std::mutex> lock(guard);
  auto found = known.find(name);
  if (found == known.end()) {
    found = known.emplace(std::string(name), chart::TimeZone::parse(name)).first;
  }
  return found->second;
}

}  // namespace kelvaro::archive
