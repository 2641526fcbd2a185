// Killing kelvaro-persons in the middle of an import, at many moments: the
// archive stays whole and holds all of the import or none of it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

using Clock = std::chrono::steady_clock;

// An AAF file of `count` persons with the Julian days of their births.
std::string generatedAaf(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    const unsigned day = 1 + i % 28;
    const unsigned month = 1 + i / 28 % 12;
    const std::chrono::sys_days date{std::chrono::year{1970} / std::chrono::month{month} /
                                     std::chrono::day{day}};
    const double noonInCologne =
        2440587.5 + static_cast<double>(date.time_since_epoch().count()) + 11.0 / 24;
    text += "#A93:Person" + std::to_string(i) + ",Vorname,w," + std::to_string(day) + "." +
            std::to_string(month) + ".1970,12:00,Köln,D\n#B93:" + std::to_string(noonInCologne) +
            ",50n56,6e57,1he00,0\n#COM:Notiz " + std::to_string(i) + "\n";
  }
  return text;
}

struct Integrity {
  std::string check;
  long long persons = -1;
};

Integrity integrityOf(const std::filesystem::path& file) {
  sqlite3* db = nullptr;
  Integrity found;
  if (sqlite3_open(file.c_str(), &db) == SQLITE_OK) {
    sqlite3_exec(
        db, "PRAGMA integrity_check",
        [](void* into, int, char** values, char**) {
          static_cast<Integrity*>(into)->check += values[0] ? values[0] : "";
          return 0;
        },
        &found, nullptr);
    sqlite3_exec(
        db, "SELECT count(*) FROM persons",
        [](void* into, int, char** values, char**) {
          static_cast<Integrity*>(into)->persons = std::atoll(values[0]);
          return 0;
        },
        &found, nullptr);
  }
  sqlite3_close(db);
  return found;
}

// Starts kelvaro-persons import and kills it after `delay`; true when it was
// still running then.
bool killedWhileImporting(const std::filesystem::path& archive, const std::filesystem::path& aaf,
                          std::chrono::microseconds delay) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int quiet = ::open("/dev/null", O_WRONLY);
    ::dup2(quiet, STDOUT_FILENO);
    ::dup2(quiet, STDERR_FILENO);
    ::execl(KELVARO_PERSONS, KELVARO_PERSONS, "--archive", archive.c_str(), "import", aaf.c_str(),
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  std::this_thread::sleep_for(delay);
  const bool running = ::kill(pid, SIGKILL) == 0;
  int status = 0;
  ::waitpid(pid, &status, 0);
  return running && WIFSIGNALED(status);
}

TEST(PersonsKill, AKilledImportLeavesAllOrNoneOfIt) {
  TempDir dir;
  constexpr int kCount = 3000;
  const auto aaf = dir.path() / "viele.aaf";
  std::ofstream(aaf) << generatedAaf(kCount);
  const auto archive = dir.path() / "personen.sqlite";
  ASSERT_EQ(runProcess({KELVARO_PERSONS, "--archive", archive.string(), "add", "--name=Vorher",
                        "--first-name=V", "--birth=01.01.1960 12:00", "--birth-zone=UT",
                        "--birth-lat=50", "--birth-lon=7", "--place=X"})
                .status,
            0);

  // How long a whole import takes here, into a copy.
  const auto scratch = dir.path() / "probe.sqlite";
  const Clock::time_point start = Clock::now();
  const ProcessOutput probe =
      runProcess({KELVARO_PERSONS, "--archive", scratch.string(), "import", aaf.string()});
  ASSERT_EQ(probe.out, std::to_string(kCount) + " übernommen, 0 schon vorhanden, 0 fehlerhaft\n");
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);

  int killed = 0;
  for (int step = 1; step <= 16; ++step) {
    killed += killedWhileImporting(archive, aaf, whole * step / 17);
    const Integrity after = integrityOf(archive);
    ASSERT_EQ(after.check, "ok") << "after a kill at step " << step;
    ASSERT_TRUE(after.persons == 1 || after.persons == 1 + kCount)
        << after.persons << " persons after a kill at step " << step;
    if (after.persons == 1 + kCount) break;  // the import went through before the kill
  }
  EXPECT_GT(killed, 0);
  const ProcessOutput finished =
      runProcess({KELVARO_PERSONS, "--archive", archive.string(), "import", aaf.string()});
  EXPECT_EQ(finished.status, 0) << finished.err;
  EXPECT_EQ(integrityOf(archive).persons, 1 + kCount);
}

}  // namespace
}  // namespace kelvaro::testing
