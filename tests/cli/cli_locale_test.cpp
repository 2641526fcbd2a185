// kelvaro-cli prints and saves the same bytes whatever the process' locale.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/cli_runner.h"
#include "support/german_locale.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

// What every command prints for the sample, with the result file that
// --save writes beside it.
std::vector<std::string> everyCommand() {
  const std::vector<std::vector<std::string>> commands = {
      {"header"},
      {"describe"},
      {"overview"},
      {"content"},
      {"correspondences"},
      {"search1", "KN+JU"},
      {"angle", "7:30", "SO"},
      {"triple", "VE+JU=KN+"},
      {"pictures", "KNt+JUp", "rpst", "/", "rpst"}};
  std::vector<std::string> written;
  for (const auto& command : commands) {
    const TempDir dir;
    std::vector<std::string> words = {"--orb", "2:30", "--save", dir.path().string(),
                                      samplePath("mueller-juergen.dat")};
    words.insert(words.end(), command.begin(), command.end());
    const ProcessOutput run = runCli(words);
    EXPECT_EQ(run.status, 0) << command[0] << ": " << run.err;
    written.push_back(run.out);
    for (const auto& saved : std::filesystem::directory_iterator(dir.path())) {
      std::ifstream in(saved.path(), std::ios::binary);
      written.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  return written;
}

TEST(CliLocale, LinesAndSavedFilesAreTheSameUnderAGermanLocale) {
  const std::vector<std::string> inC = everyCommand();
  const GermanLocale german;
#ifndef _WIN32
  ASSERT_TRUE(german.inEffect()) << "the locale de_DE.UTF-8 is missing (scripts/install-deps)";
#endif
  const std::vector<std::string> inGerman = everyCommand();
  ASSERT_EQ(inGerman.size(), inC.size());
  for (std::size_t i = 0; i < inC.size(); ++i) EXPECT_EQ(inGerman[i], inC[i]) << "output " << i;
}

}  // namespace
}  // namespace kelvaro::testing
