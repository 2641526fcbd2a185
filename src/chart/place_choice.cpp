#include "chart/place_choice.h"

#include <algorithm>

#include "chart/chart_entry.h"
#include "core/entry_text.h"

namespace kelvaro::chart {
namespace {

constexpr unsigned kClearLead = 10;  // times the inhabitants of the next place
constexpr std::size_t kListed = 10;

// The place after the first that could be meant as well: the next one, or
// where the first is named as written, the next of that name.
const atlas::AtlasPlace* nextCandidate(std::string_view name,
                                       const std::vector<atlas::AtlasPlace>& found) {
  const std::string written = upperCasedAscii(name);
  const std::string first = upperCasedAscii(found.front().name);
  const auto rival = std::find_if(found.begin() + 1, found.end(), [&](const auto& place) {
    return first != written || upperCasedAscii(place.name) == first;
  });
  return rival == found.end() ? nullptr : &*rival;
}

// "166.810", with the German thousands separator.
std::string thousands(unsigned number) {
  std::string digits = std::to_string(number);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ".");
  return digits;
}

std::string candidateLine(const atlas::AtlasPlace& place) {
  return "  " + atlas::placeLabel(place) + " (" + place.countryCode + "), " +
         thousands(place.population) + " Einwohner";
}

}  // namespace

Checked<atlas::AtlasPlace> chooseAtlasPlace(std::string_view name,
                                            std::vector<atlas::AtlasPlace> found,
                                            std::string_view countryCode) {
  const std::string quoted = "\"" + std::string(name) + "\"";
  const std::string country = upperCasedAscii(countryCode);
  if (!country.empty()) {
    std::erase_if(found, [&country](const atlas::AtlasPlace& place) {
      return upperCasedAscii(place.countryCode) != country;
    });
  }
  if (found.empty()) {
    return Rejection{"Der Ort " + quoted + " steht nicht im Ortsatlas" +
                     (country.empty() ? "" : " (Land " + country + ")") + "."};
  }
  const atlas::AtlasPlace* next = nextCandidate(name, found);
  if (next == nullptr ||
      found[0].population >= static_cast<unsigned long long>(next->population) * kClearLead) {
    return found.front();
  }
  std::string message =
      "Den Ort " + quoted + " gibt es im Ortsatlas " + std::to_string(found.size()) + "-mal";
  message += country.empty() ? ". Bitte das Land mit --country angeben (z. B. --country=" +
                                   found.front().countryCode + ") oder den Namen genauer schreiben:"
                             : " (Land " + country + "). Bitte den Namen genauer schreiben:";
  for (std::size_t i = 0; i < found.size() && i < kListed; ++i) {
    message += "\r" + candidateLine(found[i]);
  }
  if (found.size() > kListed) message += "\r  …";
  return Rejection{message};
}

std::string placeDescription(const atlas::AtlasPlace& place) {
  return atlas::placeLabel(place) + ", " + latitudeText(place.latitude) + ", " +
         longitudeText(place.longitude) + ", " + place.zone;
}

}  // namespace kelvaro::chart
