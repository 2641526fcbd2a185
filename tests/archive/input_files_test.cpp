// Paths that are no plain file, as an AAF file and as the archive: refused
// by what stat() says, at once, before anything waits on them; AAF files
// over the size limit and read errors are reported, not read or thrown.
#include <gtest/gtest.h>

#include <fstream>

#include "archive/aaf_file.h"
#include "archive/archive.h"
#include "archive/file_kind.h"
#include "support/temp_dir.h"
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace kelvaro::testing {
namespace {

using archive::Archive;

std::string faultOf(const Checked<std::string>& read) {
  const Rejection* refused = rejection(read);
  return refused ? refused->message : "(gelesen)";
}

TEST(AafFile, ReadsAFileAndRefusesFoldersAndMissingFiles) {
  TempDir dir;
  const auto file = dir.path() / "personen.aaf";
  std::ofstream(file, std::ios::binary) << "#A93:Müller\r\n";
  EXPECT_EQ(std::get<std::string>(archive::readAafFile(file)), "#A93:Müller\r\n");
  EXPECT_EQ(faultOf(archive::readAafFile(dir.path())),
            "Die AAF-Datei " + dir.path().string() + " ist ein Ordner, keine Datei.");
  EXPECT_EQ(faultOf(archive::readAafFile(dir.path() / "fehlt.aaf")),
            "Die AAF-Datei " + (dir.path() / "fehlt.aaf").string() +
                " lässt sich nicht lesen: Datei oder Ordner nicht vorhanden.");
}

// Sparse files: their size costs no disk. One byte over the limit is
// refused without a byte read; the limit itself is read whole.
TEST(AafFile, FilesOverTheLimitAreRefusedUnread) {
  TempDir dir;
  const auto file = dir.path() / "gross.aaf";
  std::ofstream(file, std::ios::binary).close();
  std::filesystem::resize_file(file, std::uintmax_t{2} * 1024 * 1024 * 1024);
  EXPECT_EQ(
      faultOf(archive::readAafFile(file)),
      "Die AAF-Datei " + file.string() + " ist 2048 MB groß; Kelvaro liest AAF-Dateien bis 50 MB.");
  std::filesystem::resize_file(file, archive::kAafFileLimit + 1);
  EXPECT_NE(faultOf(archive::readAafFile(file)).find("ist 51 MB groß"), std::string::npos);
  std::filesystem::resize_file(file, archive::kAafFileLimit);
  const auto whole = archive::readAafFile(file);
  ASSERT_FALSE(rejection(whole)) << faultOf(whole);
  EXPECT_EQ(std::get<std::string>(whole).size(), archive::kAafFileLimit);
}

#ifndef _WIN32
TEST(AafFile, PipesDevicesAndReadErrorsAreRefused) {
  TempDir dir;
  const auto pipe = dir.path() / "pipe.aaf";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(faultOf(archive::readAafFile(pipe)),
            "Die AAF-Datei " + pipe.string() + " ist eine benannte Pipe, keine Datei.");
  EXPECT_EQ(faultOf(archive::readAafFile("/dev/zero")),
            "Die AAF-Datei /dev/zero ist ein Gerät, keine Datei.");
  // A plain file of size 0 whose every read fails.
  EXPECT_EQ(faultOf(archive::readAafFile("/proc/self/mem")),
            "Die AAF-Datei /proc/self/mem lässt sich nicht lesen: Ein-/Ausgabefehler.");
  // A file that gives more than its size says is read to its end.
  EXPECT_NE(std::get<std::string>(archive::readAafFile("/proc/self/status")).find("Name:"),
            std::string::npos);
}

TEST(ArchiveFile, PipesAndDevicesAreNeverOpened) {
  TempDir dir;
  const auto pipe = dir.path() / "pipe.sqlite";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const auto access : {Archive::Access::read, Archive::Access::write}) {
    const auto opened = Archive::open(pipe, access);
    ASSERT_TRUE(rejection(opened));
    EXPECT_EQ(rejection(opened)->message,
              "Das Personenarchiv " + pipe.string() + " ist eine benannte Pipe, keine Datei.");
    const auto device = Archive::open("/dev/null", access);
    ASSERT_TRUE(rejection(device));
    EXPECT_EQ(rejection(device)->message,
              "Das Personenarchiv /dev/null ist ein Gerät, keine Datei.");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "pipe.sqlite-wal"));
  EXPECT_EQ(archive::archiveFileFault(dir.path() / "neu.sqlite"), std::nullopt);
  EXPECT_EQ(archive::archiveFileFault(dir.path()),
            "Das Personenarchiv " + dir.path().string() + " ist ein Ordner, keine Datei.");
}
#endif

}  // namespace
}  // namespace kelvaro::testing
