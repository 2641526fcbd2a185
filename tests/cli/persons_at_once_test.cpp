// kelvaro-persons started several times at the same moment.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

// A new archive appears whole or not at all: four programs that make it at
// the same moment each add their person, and no one ever sees half an
// archive (once "another program's database" or "in use").
TEST(PersonsAtOnce, FourProgramsMakingANewArchiveAddFourPersons) {
  TempDir dir;
  // The shell starts the four within a millisecond; each prints its number
  // or its message.
  const std::string add = std::string("'") + KELVARO_PERSONS +
                          "' --archive \"$1\" add --name=Name$i --first-name=Anna "
                          "'--birth=05.03.1970 14:30' --birth-zone=UT --birth-lat=50 "
                          "--birth-lon=7 --place=Köln 2>&1";
  const std::string script = "for i in 1 2 3 4; do " + add + " & done; wait";
  for (int round = 0; round < 40; ++round) {
    const auto archive = dir.path() / ("neu" + std::to_string(round) + ".sqlite");
    const ProcessOutput output = runProcess({"/bin/sh", "-c", script, "sh", archive.string()});
    std::multiset<std::string> lines;
    std::istringstream text(output.out);
    for (std::string line; std::getline(text, line);) lines.insert(line);
    // One of them made the archive, and only that one says so.
    ASSERT_EQ(lines, (std::multiset<std::string>{
                         "1", "2", "3", "4",
                         "Das Personenarchiv " + archive.string() + " ist neu angelegt."}))
        << "round " << round;
  }
  // Only the archives, their backups and the logs SQLite may keep beside an
  // archive when its programs end at once: no temporary file is left.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory() || name.ends_with(".sqlite-wal") || name.ends_with(".sqlite-shm")) {
      continue;
    }
    EXPECT_TRUE(name.ends_with(".sqlite") && !name.starts_with(".")) << entry.path();
  }
}

}  // namespace
}  // namespace kelvaro::testing
