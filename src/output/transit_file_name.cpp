#include "output/transit_file_name.h"

#include <cstdio>

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

// Letters and digits of the characters a transit file's texts can hold
// (Windows-1252): ASCII, the Latin-1 letters, and Š, Œ, Ž, š, œ, ž, Ÿ, ƒ.
bool isLetterOrDigit(char32_t c) {
  if (c < 0x80) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  }
  if (c == 0xAA || c == 0xB5 || c == 0xBA || c == 0x192) return true;
  return c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7;
}

}  // namespace

std::string transitFileName(const std::string& name, const std::string& firstName, int day,
                            int month, int year) {
  char date[16];
  std::snprintf(date, sizeof date, "%02d%02d%04d", day % 100, month % 100, year % 10000);
  const std::u32string whole = utf8ToCodePoints(name + "-" + firstName + "-" + date + ".dat");
  std::size_t first = 0;
  while (first < whole.size() && !isLetterOrDigit(whole[first])) ++first;
  return codePointsToUtf8(std::u32string_view(whole).substr(first));
}

std::optional<std::string> transitFileNameLengthRefusal(const std::string& fileName) {
  if (fileName.size() <= kLongestFileName) return std::nullopt;
  return "Name: Name und Vorname sind zusammen zu lang für den Dateinamen " +
         std::string("(er hätte ") + std::to_string(fileName.size()) + " Bytes, erlaubt sind " +
         std::to_string(kLongestFileName) + "). Bitte kürzer angeben.";
}

}  // namespace kelvaro
