#include "core/dial_size.h"

#include <algorithm>
#include <cmath>

#include "core/entry_text.h"
#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr std::string_view kSizesNamed = "360, 90, 45, 22,5 oder 11,25";

// "22.5" and "22,5" alike.
std::string withDecimalPoint(std::string_view text) {
  std::string written(text);
  for (char& c : written) {
    if (c == ',') c = '.';
  }
  return written;
}

}  // namespace

double DialSize::place(double longitude) const {
  const double size = degrees();
  const double r = std::fmod(longitude, size);
  const double placed = r < 0 ? r + size : r;
  return placed < size ? placed : 0.0;  // a value just below 0 can round up to the size
}

double DialSize::distance(double a, double b) const {
  const double d = std::fabs(place(a) - place(b));
  return std::min(d, degrees() - d);
}

std::string DialSize::sizeText() const {
  std::string text = optionText();
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text + "°";
}

std::string DialSize::label() const { return sizeText() + "-Scheibe"; }

std::string DialSize::optionText() const {
  switch (kind_) {
    case Kind::full:
      return "360";
    case Kind::quarter:
      return "90";
    case Kind::eighth:
      return "45";
    case Kind::sixteenth:
      break;
    case Kind::thirtySecond:
      return "11.25";
  }
  return "22.5";
}

std::string DialSize::placeText(double longitude) const {
  // The standard dial keeps the texts every list has always shown.
  if (isStandard()) return winkel_text(longitude, 2, AngleMode::dial22);
  const double reduced = place(longitude);
  int whole = truncToInt(reduced);
  const int seconds = truncToInt((reduced - whole) * 3600);
  int minutes = seconds / 60 + (seconds % 60 > 30 ? 1 : 0);
  if (minutes == 60) {
    ++whole;
    minutes = 0;
  }
  const int width = kind_ == Kind::full ? 3 : 2;
  return zahl_text(whole, width) + "°" + zahl_text(minutes, 2) + "'";
}

Checked<DialSize> parseDialSize(std::string_view text) {
  std::string_view value = trimmed(text);
  constexpr std::string_view kDegreeSign = "°";
  if (value.ends_with(kDegreeSign)) value.remove_suffix(kDegreeSign.size());
  const std::string asked = withDecimalPoint(value);
  for (const DialSize size : kDialSizes) {
    if (asked == size.optionText()) return size;
  }
  return Rejection{"Unbekannte Scheibe »" + std::string(trimmed(text)) + "«: erlaubt sind " +
                   std::string(kSizesNamed) + " Grad."};
}

}  // namespace kelvaro
