#include <variant>

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "loading/transit_file.h"
#include "search/correspondences.h"
#include "search/magic_square.h"
#include "support/cli_runner.h"

namespace kelvaro {
namespace {

using testing::linesOf;
using testing::runCli;
using testing::samplePath;

const char* const kSamples[] = {"mueller-juergen.dat", "weiss-anna.dat"};
const std::pair<const char*, double> kOrbs[] = {{"1:12", 1.2}, {"9:59", 9 + 59.0 / 60}};

TEST(MagicCommand, PrintsTheLinesOfTheSecondTextView) {
  for (const char* sample : kSamples) {
    const TransitRecord record = testing::sampleRecord(sample);
    for (const auto& [orbText, orb] : kOrbs) {
      for (const char* entry : {"KNt", "sos", "GZr", "mcp"}) {
        const auto run = runCli({"--orb", orbText, samplePath(sample), "magic", entry});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(linesOf(run.out), magicSquareEntryStep(record, orb, entry).view.lines)
            << sample << " " << orbText << " " << entry;
      }
    }
  }
}

TEST(MagicCommand, RefusedEntriesPrintTheirMessageOnly) {
  const auto variant = runCli({samplePath(kSamples[0]), "magic", "KNT"});
  EXPECT_EQ(variant.status, 2);
  EXPECT_EQ(variant.out, "");
  EXPECT_EQ(variant.err, "Bitte eine Variante aus r,p,s,t verwenden\n");
  const auto name = runCli({samplePath(kSamples[0]), "magic", "Dut"});
  EXPECT_EQ(name.status, 2);
  EXPECT_EQ(name.out, "");
  EXPECT_EQ(name.err, "Bitte einen gültigen Faktor eingeben \n");
}

TEST(MagicCommand, OtherLengthsPrintTheTwoOpeningLines) {
  for (const char* entry : {"KN", "KNtt", ""}) {
    const auto run = runCli({samplePath(kSamples[0]), "magic", entry});
    EXPECT_EQ(run.status, 0) << entry;
    EXPECT_EQ(run.out, " \nDas magische Quadrat\n") << entry;
    EXPECT_EQ(run.err, "") << entry;
  }
  EXPECT_EQ(runCli({samplePath(kSamples[0]), "magic"}).status, 1);
}

TEST(CorrespondencesCommand, PrintsTheWholeReport) {
  for (const char* sample : kSamples) {
    const TransitRecord record = testing::sampleRecord(sample);
    for (const auto& [orbText, orb] : kOrbs) {
      const auto run = runCli({"--orb", orbText, samplePath(sample), "correspondences"});
      ASSERT_EQ(run.status, 0) << run.err;
      const auto lines = linesOf(run.out);
      EXPECT_EQ(lines, correspondences(record, orb).lines) << sample << " " << orbText;
      ASSERT_TRUE(lines.size() == 171 || lines.size() == 169) << lines.size();
      // The pair table: column line, 23 rows of 95 characters, column line.
      for (std::size_t i = lines.size() - 27; i < lines.size() - 2; ++i) {
        EXPECT_EQ(utf8Length(lines[i]), 95u) << sample << " " << orbText << " line " << i;
      }
    }
  }
}

}  // namespace
}  // namespace kelvaro
