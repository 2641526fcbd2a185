// The archive's move from the program folder of earlier versions to the
// data folder: once, whole, the old file kept; never while another program
// uses it, never for a file that is no archive of ours.
#include "archive/archive_move.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>

#include "archive/archive.h"
#include "archive/person_builder.h"
#include "core/text_encoding.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

using archive::Archive;

std::vector<std::string> namesIn(const std::filesystem::path& file) {
  auto opened = Archive::open(file, Archive::Access::read);
  if (const Rejection* refused = rejection(opened)) return {refused->message};
  std::vector<std::string> names;
  const auto persons = std::get<Archive>(opened).persons();
  for (const auto& person : std::get<std::vector<archive::Person>>(persons)) {
    names.push_back(person.name);
  }
  return names;
}

class ArchiveMove : public ::testing::Test {
 protected:
  ArchiveMove() {
    std::filesystem::create_directories(earlier().parent_path());
    auto opened = Archive::open(earlier());
    std::get<Archive>(opened).storeAll({cologne("Müller"), cologne("Weiß")});
  }
  std::filesystem::path earlier() const {
    return dir_.path() / "Astro" / "Kelvaro" / "personen.sqlite";
  }
  std::filesystem::path current() const {
    return dir_.path() / "daten" / "kelvaro" / "personen.sqlite";
  }
  std::filesystem::path aside() const {
    return dir_.path() / "Astro" / "Kelvaro" / "personen.sqlite.verschoben";
  }

  TempDir dir_;
};

TEST_F(ArchiveMove, MovesOnceAndKeepsTheOldFileAside) {
  const auto moved = archive::archiveAfterMove(earlier(), current());
  EXPECT_EQ(moved.file, current());
  EXPECT_EQ(moved.note,
            "Das Personenarchiv ist in den Datenordner " + current().parent_path().string() +
                " umgezogen. Die bisherige Datei bleibt als " + aside().string() + " erhalten.");
  EXPECT_EQ(namesIn(current()), (std::vector<std::string>{"Müller", "Weiß"}));
  EXPECT_EQ(namesIn(aside()), (std::vector<std::string>{"Müller", "Weiß"}));
  EXPECT_FALSE(std::filesystem::exists(earlier()));
  // Only the archive in the data folder: no copy, log or temporary file.
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(current().parent_path())) {
    files.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(files, std::vector<std::string>{"personen.sqlite"});

  // Later: the archive of the data folder, without a word; an archive that
  // reappeared at the old place is left alone.
  std::filesystem::copy_file(aside(), earlier());
  const std::string bytes = testing::fileBytes(earlier());
  const auto later = archive::archiveAfterMove(earlier(), current());
  EXPECT_EQ(later.file, current());
  EXPECT_EQ(later.note, "");
  EXPECT_EQ(testing::fileBytes(earlier()), bytes);
  EXPECT_FALSE(std::filesystem::exists(aside().string() + "-2"));
}

// Another program (here another connection) has it open: it stays where it
// is for this time, untouched.
TEST_F(ArchiveMove, AnArchiveInUseStaysForNow) {
  auto held = Archive::open(earlier());
  ASSERT_FALSE(rejection(held));
  const auto stayed = archive::archiveAfterMove(earlier(), current(), std::chrono::milliseconds(0));
  EXPECT_EQ(stayed.file, earlier());
  EXPECT_EQ(stayed.note, "Das Personenarchiv " + earlier().string() +
                             " wird gerade von einem anderen Programm benutzt und bleibt deshalb "
                             "vorerst dort. Kelvaro zieht es beim nächsten Mal nach " +
                             current().string() + " um.");
  EXPECT_FALSE(std::filesystem::exists(current()));
  EXPECT_EQ(namesIn(earlier()), (std::vector<std::string>{"Müller", "Weiß"}));
}

// A damaged file or another program's database at the old place stays there
// and is used there, so that its message is seen; no empty archive takes
// its place.
TEST_F(ArchiveMove, AFileThatIsNoArchiveOfOursStays) {
  for (const std::string& content : {std::string(4096, 'x'), std::string()}) {
    std::filesystem::remove(earlier());
    if (content.empty()) {
      sqlite3* db = nullptr;
      sqlite3_open(utf8FromPath(earlier()).c_str(), &db);
      sqlite3_exec(db, "CREATE TABLE kunden (name TEXT)", nullptr, nullptr, nullptr);
      sqlite3_close(db);
    } else {
      std::ofstream(earlier(), std::ios::binary) << content;
    }
    const std::string bytes = testing::fileBytes(earlier());
    const auto stayed = archive::archiveAfterMove(earlier(), current());
    EXPECT_EQ(stayed.file, earlier());
    EXPECT_EQ(stayed.note, "");
    EXPECT_EQ(testing::fileBytes(earlier()), bytes);
    EXPECT_FALSE(std::filesystem::exists(current()));
  }
}

}  // namespace
}  // namespace kelvaro::testing
