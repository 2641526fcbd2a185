#include "output/file_name_check.h"

#include <string_view>

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

constexpr std::string_view kForbidden = "/\\<>:\"|?*";

bool isControl(char32_t c) { return c < 0x20; }

bool isForbidden(char32_t c) {
  return isControl(c) || (c < 0x80 && kForbidden.find(static_cast<char>(c)) != kForbidden.npos);
}

// How the message names the character: printable ones in quotes, control
// characters by their code.
std::string describe(char32_t c) {
  if (isControl(c))
    return "ein Steuerzeichen (Code " + std::to_string(static_cast<unsigned>(c)) + ")";
  return std::string("das Zeichen \"") + static_cast<char>(c) + "\"";
}

}  // namespace

std::optional<std::string> fileNameRefusal(const std::string& name) {
  const std::string head = "Der Inhalt wurde nicht gespeichert: Der Dateiname\r" + name + "\r";
  if (name == "." || name == "..") return head + "ist nicht erlaubt.";
  for (const char32_t c : utf8ToCodePoints(name)) {
    if (isForbidden(c))
      return head + "enthält " + describe(c) + ", das in Dateinamen nicht erlaubt ist.";
  }
  return std::nullopt;
}

}  // namespace kelvaro
