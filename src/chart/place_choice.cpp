#include "chart/place_choice.h"

#include <algorithm>

#include "chart/chart_entry.h"

namespace kelvaro::chart {
namespace {

constexpr unsigned kClearLead = 10;  // times the inhabitants of the next place
constexpr std::size_t kListed = 10;

std::string upperCased(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
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
  const std::string country = upperCased(countryCode);
  if (!country.empty()) {
    std::erase_if(found, [&country](const atlas::AtlasPlace& place) {
      return upperCased(place.countryCode) != country;
    });
  }
  if (found.empty()) {
    return Rejection{"Der Ort " + quoted + " steht nicht im Ortsatlas" +
                     (country.empty() ? "" : " (Land " + country + ")") + "."};
  }
  const bool clear =
      found.size() == 1 ||
      found[0].population >= static_cast<unsigned long long>(found[1].population) * kClearLead;
  if (clear) return found.front();
  std::string message =
      "Den Ort " + quoted + " gibt es im Ortsatlas " + std::to_string(found.size()) +
      "-mal. Bitte das Land mit --country angeben (z. B. --country=" + found.front().countryCode +
      ") oder den Namen genauer schreiben:";
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
