#include "output/file_replace.h"

#ifndef _WIN32  // named pipes, devices, owners and permission bits are POSIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif  // _WIN32

#include <csignal>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/free_file_name.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::size_t entriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(FileReplace, AWriteProtectedFileIsRefusedAndKept) {
  TempDir dir;
  const fs::path file = dir.path() / "alt.txt";
  std::ofstream(file) << "frueher";
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::error_code error = replaceFileContents(file, "spaeter");
  EXPECT_EQ(error, make_error_code(ReplaceRefusal::writeProtected));
  EXPECT_EQ(systemErrorText(error), "Die vorhandene Datei ist schreibgeschützt");
  EXPECT_EQ(testing::fileBytes(file), "frueher");
  EXPECT_EQ(entriesIn(dir.path()), 1u);
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_FALSE(replaceFileContents(file, "spaeter"));
  EXPECT_EQ(testing::fileBytes(file), "spaeter");
}

TEST(FileReplace, KeepingAFileFailsWhereItsNameIsTaken) {
  TempDir dir;
  const fs::path file = dir.path() / "alt.txt";
  std::ofstream(file) << "frueher";
  EXPECT_EQ(writeFileContents(file, "spaeter", ExistingFile::keep), std::errc::file_exists);
  EXPECT_EQ(testing::fileBytes(file), "frueher");
  EXPECT_EQ(entriesIn(dir.path()), 1u);
  EXPECT_FALSE(writeFileContents(dir.path() / "neu.txt", "neu", ExistingFile::keep));
  EXPECT_EQ(testing::fileBytes(dir.path() / "neu.txt"), "neu");
}

TEST(FreeFileName, TheNumberStandsBeforeTheExtension) {
  EXPECT_EQ(numberedFileName("Müller,Anna Köln_01.txt", 1), "Müller,Anna Köln_01.txt");
  EXPECT_EQ(numberedFileName("Müller,Anna Köln_01.txt", 2), "Müller,Anna Köln_01 (2).txt");
  EXPECT_EQ(numberedFileName("a_Gradscheibe.png", 13), "a_Gradscheibe (13).png");
  EXPECT_EQ(numberedFileName("ohne", 3), "ohne (3)");
  EXPECT_EQ(numberedFileName(".txt", 2), ".txt (2)");
  TempDir dir;
  std::ofstream(dir.path() / "a.txt") << "1";
  std::ofstream(dir.path() / "a (2).txt") << "2";
  const WrittenFile written = writeIntoFolder(dir.path(), "a.txt", "3", ExistingFile::keep);
  EXPECT_FALSE(written.error);
  EXPECT_EQ(written.name, "a (3).txt");
  EXPECT_EQ(testing::fileBytes(dir.path() / "a (3).txt"), "3");
  EXPECT_EQ(testing::fileBytes(dir.path() / "a.txt"), "1");
}

TEST(FreeFileName, ACommandLinesFileGoesBesideAnEarlierOne) {
  TempDir dir;
  const fs::path target = dir.path() / "Zeitleiste.ics";
  const WrittenFile first = writeBesideEarlier(target, "1");
  EXPECT_FALSE(first.error);
  EXPECT_EQ(first.name, utf8FromPath(target));
  const WrittenFile second = writeBesideEarlier(target, "2");
  EXPECT_FALSE(second.error);
  EXPECT_EQ(second.name, utf8FromPath(dir.path() / "Zeitleiste (2).ics"));
  EXPECT_EQ(testing::fileBytes(target), "1");
  EXPECT_EQ(testing::fileBytes(dir.path() / "Zeitleiste (2).ics"), "2");
  EXPECT_EQ(takenNameNote("Zeitleiste.ics", "Zeitleiste (2).ics"),
            "Die Datei Zeitleiste.ics gibt es schon; geschrieben als Zeitleiste (2).ics.");
  // A name that is a folder is not numbered: the write fails.
  EXPECT_TRUE(writeBesideEarlier(dir.path() / ".", "3").error);
}

#ifndef _WIN32
TEST(FileReplace, OnlyAPlainFileIsReplaced) {
  TempDir dir;
  const fs::path pipe = dir.path() / "pipe.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  const fs::path elsewhere = dir.path() / "anderswo.txt";
  std::ofstream(elsewhere) << "frueher";
  const fs::path link = dir.path() / "link.txt";
  fs::create_symlink(elsewhere, link);
  const fs::path device = dir.path() / "null.txt";
  const bool hasDevice = ::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  for (const fs::path& target : {pipe, link, device}) {
    if (target == device && !hasDevice) continue;
    EXPECT_EQ(replaceFileContents(target, "spaeter"),
              make_error_code(ReplaceRefusal::notAPlainFile))
        << target;
  }
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(testing::fileBytes(elsewhere), "frueher");
  if (hasDevice) {
    EXPECT_TRUE(fs::is_character_file(device));
  }
  EXPECT_EQ(entriesIn(dir.path()), hasDevice ? 4u : 3u);
}

// Killed while the temporary file is written (Ctrl+C, kill, a closed
// terminal): the program ends by the signal and leaves nothing behind.
TEST(FileReplace, AnInterruptedWriteLeavesNoTemporaryFile) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    TempDir dir;
    const fs::path target = dir.path() / "zeitleiste.ics";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const std::string bytes(std::size_t{1} << 26, 'x');  // a write that takes a while
      writeFileContents(target, bytes, ExistingFile::keep);
      ::_exit(0);
    }
    bool started = false;  // the temporary file is there
    for (int wait = 0; wait < 20000 && !started; ++wait) {
      started = entriesIn(dir.path()) > 0;
      if (!started) ::usleep(500);
    }
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(started);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(entriesIn(dir.path()), 0u) << signal;
  }
}

TEST(FileReplace, AReplacedFileKeepsItsPermissionBits) {
  TempDir dir;
  const fs::path file = dir.path() / "privat.txt";
  for (const mode_t mode : {0600, 0640, 0604}) {
    std::ofstream(file) << "frueher";
    ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    ASSERT_FALSE(replaceFileContents(file, "spaeter"));
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, mode);
    EXPECT_EQ(testing::fileBytes(file), "spaeter");
  }
}
#endif  // _WIN32

}  // namespace
}  // namespace kelvaro
