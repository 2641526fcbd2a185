#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/record_builder.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

using testing::linesOf;
using testing::runCli;
using testing::samplePath;

const std::string kSample = samplePath("mueller-juergen.dat");

TEST(PictureCommands, PicturesPrintTheSearchLines) {
  const auto run = runCli({kSample, "pictures", "knT+jup", "r", "/", "t"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = linesOf(run.out);
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_TRUE(lines[0].starts_with("r/t-Planetenbilder in KNT+JUp ")) << lines[0];
  EXPECT_EQ(run.err, "");
}

TEST(PictureCommands, SingleFactorFlagAnswersTheQuestion) {
  testing::TempDir dir;
  const auto path = dir.write("x.dat", testing::RecordBuilder(11.25).bytes());
  const auto restricted =
      runCli({path, "angle-pictures", "0:00", "p", "+", "p", "--single-factor"});
  ASSERT_EQ(restricted.status, 0) << restricted.err;
  const auto lines = linesOf(restricted.out);
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[0], "p+p Summen in  00°00'");
  EXPECT_EQ(lines[1], " MCp+MCp");
  const auto open = runCli({path, "angle-pictures", "0:00", "p", "+", "p"});
  EXPECT_EQ(linesOf(open.out)[1].size(), 22u * 8);
}

TEST(PictureCommands, AngleFieldsMayBeEmpty) {
  const auto run = runCli({kSample, "angle-pictures", ":", "rpst", "/", "t"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(linesOf(run.out)[0], "rpst/t Halbsummen in  00°00'");
}

TEST(PictureCommands, RefusedEntriesPrintTheirMessageOnly) {
  struct Case {
    std::vector<std::string> arguments;
    std::string err;
  };
  const std::vector<Case> cases = {
      {{"pictures", "KNx+JUp", "r", "/", "t"}, "Möglich sind nur Varianten-Indizes r, p, s, t\n"},
      {{"pictures", "KNt*JUp", "rpst", "+", "rpst"},
       "Bitte in der Suchachse  / + oder - verwenden\n"},
      {{"angle-pictures", "23:00", "r", "/", "t"},
       "\nDas ist kein gültiger Such-Winkel.               \n"},
      {{"angle-pictures", "7:5x", "r", "/", "t"},
       "\nDas ist kein gültiger Such-Winkel.               \n"},
      {{"quadro", "KN+JU-MO/SA"}, "Bitte im Planetenbild = richtig verwenden\n"},
      {{"quadro", "KN+JU=MO*SA"}, "Bitte im Planetenbild nur + oder / verwenden\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {kSample};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const auto run = runCli(arguments);
    EXPECT_EQ(run.status, 2) << c.arguments[1];
    EXPECT_EQ(run.out, "") << c.arguments[1];
    EXPECT_EQ(run.err, c.err) << c.arguments[1];
  }
}

TEST(PictureCommands, WrongLengthAndWrongUsage) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"pictures", "KNt+JU", "r", "/", "t"},
        {"quadro", "KN+JU=MO/SAx"}}) {
    std::vector<std::string> all = {kSample};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const auto run = runCli(all);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("Falsche Länge")) << run.err;
  }
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"pictures", "KNt+JUp", "x", "/", "t"},
        {"pictures", "KNt+JUp", "r", "*", "t"},
        {"pictures", "KNt+JUp", "r", "/"},
        {"angle-pictures", "730", "r", "/", "t"},
        {"quadro"}}) {
    std::vector<std::string> all = {kSample};
    all.insert(all.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(runCli(all).status, 1) << arguments[0];
  }
}

TEST(PictureCommands, QuadroFollowsTheOrb) {
  const auto narrow = runCli({"--orb", "0:01", kSample, "quadro", "kn+ju=mo/sa"});
  ASSERT_EQ(narrow.status, 0) << narrow.err;
  const auto wide = runCli({"--orb", "9:59", kSample, "quadro", "kn+ju=mo/sa"});
  const auto narrowLines = linesOf(narrow.out);
  const auto wideLines = linesOf(wide.out);
  EXPECT_EQ(narrowLines[0], " KN+JU=MO/SA");
  EXPECT_EQ(narrowLines.back(),
            " Hier sind die jeweiligen MCp-Häuser und der Zodiak mit angegeben.");
  EXPECT_GT(wideLines.size(), narrowLines.size());
  EXPECT_LE(wideLines.size(), 4u + 256u + 3u);  // at most every combination
}

}  // namespace
}  // namespace kelvaro
