#include "cli/standard_streams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

#include <cstdio>
#include <filesystem>

#include "core/text_encoding.h"
#endif

namespace kelvaro::cli {

#ifdef _WIN32

std::vector<std::string> utf8Arguments(int, char**) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> words;
  for (int i = 1; i < count; ++i) words.push_back(utf8FromPath(std::filesystem::path(wide[i])));
  ::LocalFree(wide);
  return words;
}

void useStandardStreamsAsBytes() {
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
  ::SetConsoleOutputCP(CP_UTF8);
}

#else

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

void useStandardStreamsAsBytes() {}

#endif

}  // namespace kelvaro::cli
