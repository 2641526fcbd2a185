#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#ifndef _WIN32
#include "support/run_process.h"
#endif

// Reading printed pages back: the text of a PDF file by pdftotext, split
// into pages and lines.
namespace kelvaro::testing {

#ifdef _WIN32
// pdftotext is a Linux program, which a test under Wine does not start: the
// text of the pages is checked on Linux.
inline constexpr bool kReadsPdfText = false;
inline std::string pdfText(const std::filesystem::path&) { return {}; }
#else
inline constexpr bool kReadsPdfText = true;
// pdftotext's complaint instead of the text when it cannot read the file.
inline std::string pdfText(const std::filesystem::path& pdf) {
  const auto run = runProcess({PDFTOTEXT, "-layout", pdf.string(), "-"});
  return run.status == 0 ? run.out : "pdftotext: " + run.err;
}
#endif

// The text lines of all pages, without their trailing blanks and with every
// run of blanks shortened to one (pdftotext places words by position and
// may widen a gap by a blank); pages end at a form feed.
inline std::vector<std::vector<std::string>> pagesOf(const std::string& text) {
  std::vector<std::vector<std::string>> pages(1);
  std::string line;
  const auto endLine = [&] {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    pages.back().push_back(line);
    line.clear();
  };
  for (const char c : text) {
    if (c == '\n') {
      endLine();
    } else if (c == '\f') {
      if (!line.empty()) endLine();
      pages.emplace_back();
    } else if (c != ' ' || (!line.empty() && line.back() != ' ')) {
      line += c;
    }
  }
  if (pages.back().empty()) pages.pop_back();
  return pages;
}

inline void writeFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

}  // namespace kelvaro::testing
