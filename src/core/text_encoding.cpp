#include "core/text_encoding.h"

#include <array>

namespace kelvaro {
namespace {

// Unicode of the bytes 0x80–0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

char32_t windows1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
  return byte;
}

int windows1252FromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
    if (kHighControlRange[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one code point at `pos` and advances `pos`; malformed input yields
// U+FFFD and consumes one byte.
char32_t decodeAt(std::string_view s, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  std::size_t extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1Fu, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0Fu, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07u, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacement;
  }
  if (pos + extra >= s.size()) {
    ++pos;
    return kReplacement;
  }
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto byte = static_cast<unsigned char>(s[pos + k]);
    if (!isContinuation(byte)) {
      ++pos;
      return kReplacement;
    }
    cp = (cp << 6) | (byte & 0x3Fu);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += extra + 1;
  return cp;
}

// Advances `pos` over one character like decodeAt, with a shortcut for
// ASCII, which is nearly all of every result line.
inline void skipCharacter(std::string_view s, std::size_t& pos) {
  if (static_cast<unsigned char>(s[pos]) < 0x80) {
    ++pos;
  } else {
    decodeAt(s, pos);
  }
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) appendUtf8(out, windows1252ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const int byte = windows1252FromCodePoint(decodeAt(utf8, pos));
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

void appendWindows1252Lines(std::string& out, std::string_view utf8Lines) {
  for (std::size_t pos = 0; pos < utf8Lines.size();) {
    const char32_t cp = decodeAt(utf8Lines, pos);
    if (cp == U'\n') {
      out += "\r\n";
    } else {
      const int byte = windows1252FromCodePoint(cp);
      out += byte < 0 ? '?' : static_cast<char>(byte);
    }
  }
}

std::u32string utf8ToCodePoints(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) out += decodeAt(utf8, pos);
  return out;
}

std::string codePointsToUtf8(std::u32string_view codePoints) {
  std::string out;
  out.reserve(codePoints.size());
  for (char32_t cp : codePoints) appendUtf8(out, cp);
  return out;
}

std::string showableUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
      out += utf8[pos++];
    } else {
      appendUtf8(out, decodeAt(utf8, pos));
    }
  }
  return out;
}

bool isUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    // A malformed sequence decodes to U+FFFD from one byte; U+FFFD written
    // in the text takes its three.
    const std::size_t start = pos;
    if (decodeAt(bytes, pos) == kReplacement && pos - start != 3) return false;
  }
  return true;
}

std::size_t utf8Length(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size(); ++count) skipCharacter(utf8, pos);
  return count;
}

std::string utf8Left(std::string_view utf8, std::size_t n) {
  std::size_t pos = 0;
  for (std::size_t count = 0; count < n && pos < utf8.size(); ++count) skipCharacter(utf8, pos);
  return std::string(utf8.substr(0, pos));
}

std::string utf8Mid(std::string_view utf8, std::size_t first, std::size_t n) {
  std::size_t begin = 0;
  for (std::size_t count = 0; count < first && begin < utf8.size(); ++count) decodeAt(utf8, begin);
  return utf8Left(utf8.substr(begin), n);
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace kelvaro
