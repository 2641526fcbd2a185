#pragma once

#include <clocale>
#include <cstdio>
#include <locale>
#include <stdexcept>
#include <string>

namespace kelvaro::testing {

// The process' locale as a German desktop leaves it: the C library's (the
// window program's application object calls setlocale(LC_ALL, "")) and the
// streams' global locale, as a program may set it too. Back to "C" when it
// ends.
class GermanLocale {
 public:
  GermanLocale() {
    try {
      std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
      // The streams know no named locale (MinGW): the C library's alone.
    }
    for (const char* name : {"de_DE.UTF-8", "German_Germany.1252", "de-DE"}) {
      if (std::setlocale(LC_ALL, name)) break;
    }
  }
  ~GermanLocale() {
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
  }
  GermanLocale(const GermanLocale&) = delete;
  GermanLocale& operator=(const GermanLocale&) = delete;

  // Whether printf writes a decimal comma now, as a test of what does not
  // follow the locale needs.
  static bool inEffect() {
    char text[8];
    std::snprintf(text, sizeof text, "%.1f", 0.5);
    return std::string(text) == "0,5";
  }
};

}  // namespace kelvaro::testing
