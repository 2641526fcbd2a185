#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

// The bundled transit files are exactly what their readable sources produce.
TEST(Samples, AreMadeFromTheirTextSources) {
  testing::TempDir dir;
  for (const std::string name : {"mueller-juergen", "weiss-anna"}) {
    const std::string made = (dir.path() / (name + ".dat")).string();
    const auto run =
        testing::runProcess({testing::makeTransitPath(), testing::samplePath(name + ".txt"), made});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = testing::fileBytes(made);
    EXPECT_EQ(bytes.size(), 2560u);
    EXPECT_EQ(bytes, testing::fileBytes(testing::samplePath(name + ".dat"))) << name;
  }
}

TEST(Samples, DescribeReadsBackTheSource) {
  testing::TempDir dir;
  const auto described = testing::runCli({testing::samplePath("weiss-anna.dat"), "describe"});
  ASSERT_EQ(described.status, 0);
  const std::string source = (dir.path() / "again.txt").string();
  std::ofstream(source) << described.out;
  const std::string made = (dir.path() / "again.dat").string();
  ASSERT_EQ(testing::runProcess({testing::makeTransitPath(), source, made}).status, 0);
  EXPECT_EQ(testing::fileBytes(made), testing::fileBytes(testing::samplePath("weiss-anna.dat")));
}

TEST(Samples, MakeTransitReportsErrorsInTheSource) {
  testing::TempDir dir;
  const std::string source = (dir.path() / "bad.txt").string();
  std::ofstream(source) << "S0 x\nMC 1 2 3\n";
  const auto run =
      testing::runProcess({testing::makeTransitPath(), source, (dir.path() / "o.dat").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Zeile 2: vier Längen (R P S T) erwartet"), std::string::npos);
}

}  // namespace
}  // namespace kelvaro
