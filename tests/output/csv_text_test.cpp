#include "output/csv_text.h"

#include <gtest/gtest.h>

#include <fstream>

#ifndef _WIN32
#include "support/run_process.h"
#include "support/temp_dir.h"
#endif

namespace kelvaro::testing {
namespace {

// Fields with commas, quotes and line breaks quoted as RFC 4180 says; every
// line ended by CR LF; the byte order mark first.
TEST(CsvText, QuotesWhatNeedsQuotes) {
  EXPECT_EQ(csvText({{"a", "b"}, {{"1", "x,y"}, {"Müller, \"Jo\"", "zwei\nZeilen"}, {"", ""}}}),
            "\xEF\xBB\xBF"
            "a,b\r\n"
            "1,\"x,y\"\r\n"
            "\"Müller, \"\"Jo\"\"\",\"zwei\nZeilen\"\r\n"
            ",\r\n");
  EXPECT_EQ(csvText({{"nur"}, {}}), "\xEF\xBB\xBFnur\r\n");
}

#ifndef _WIN32  // the reader is a Linux program
// Python's csv module, as spreadsheets read it, gets every field back.
TEST(CsvText, ASpreadsheetReadsEveryFieldBack) {
  TempDir dir;
  const auto file = dir.path() / "tabelle.csv";
  std::ofstream(file, std::ios::binary) << csvText(
      {{"Name", "Länge", "Länge (Grad)"},
       {{"Weiß, Anna", "06°57' O", "6.9500"}, {"\"Zitat\"", "Zeile\r\nzwei", "-0.5000"}}});
  const auto read = runProcess({"/usr/bin/python3", KELVARO_CSV_READER, file.string()});
  ASSERT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.out,
            "Name\tLänge\tLänge (Grad)\n"
            "Weiß, Anna\t06°57' O\t6.9500\n"
            "\"Zitat\"\tZeile\\r\\nzwei\t-0.5000\n");
}
#endif

}  // namespace
}  // namespace kelvaro::testing
