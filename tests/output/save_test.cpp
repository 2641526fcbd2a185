#include "output/save.h"

#ifndef _WIN32  // file permissions, named pipes, /proc and the sandbox are POSIX
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif  // _WIN32

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "output/file_name_check.h"
#include "output/result_file.h"
#include "support/file_bytes.h"
#include "support/record_builder.h"
#include "support/sandbox.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::RecordBuilder;
using testing::TempDir;

const std::string kFileName = "Müller,Jürgen München_05_03_2007_14_30_00.txt";
// The save header in Windows-1252.
const std::string kHeaderBytes =
    "M\xFC"
    "ller, J\xFC"
    "rgen, M\xFC"
    "nchen, 05.03.2007, 14:30:00";

TransitRecord person(const std::string& surname = "Müller", const std::string& time = "14:30:00") {
  return RecordBuilder()
      .text(0, surname)
      .text(1, "Jürgen")
      .text(2, "München")
      .text(3, "05.03.2007")
      .text(4, time)
      .build();
}

fs::path utf8Path(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::vector<std::string> filesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::u8string name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  return names;
}

std::string messageOf(const Checked<SavedFile>& saved) {
  const Rejection* refused = rejection(saved);
  return refused != nullptr ? refused->message : "";
}

TEST(Save, WritesTheFileByteForByteAndReturnsTheInformationText) {
  const struct {
    std::vector<std::string> lines;
    std::string body;
  } cases[] = {
      {{"Halbsummen-Suche"}, "Halbsummen-Suche\r\n"},
      {{}, "\r\n"},
      {{"Kopf", "MCr/MCr  12°30' in den Häusern  ", "", "Ж"},
       "Kopf\r\nMCr/MCr  12\xB0"
       "30' in den H\xE4usern  \r\n\r\n?\r\n"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const auto saved =
        saveResultList(dir.path(), person(), ResultText(c.lines), ExistingFile::replace);
    ASSERT_EQ(messageOf(saved), "");
    EXPECT_EQ(std::get<SavedFile>(saved).information,
              "Der Inhalt wurde im Programm-Ordner gespeichert unter\r" + kFileName +
                  "\r\rMöchten Sie weitere Suchergebnisse aus dieser Transitdatei speichern,\r"
                  "so müssen Sie den Namen der bereits vorhandenen Datei ändern,\r"
                  "damit sie nicht überschrieben wird.");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{kFileName});
    EXPECT_EQ(testing::fileBytes(dir.path() / utf8Path(kFileName)),
              " \r\n" + kHeaderBytes + "\r\n \r\n" + c.body);
  }
}

TEST(Save, ASecondSaveReplacesTheFirst) {
  TempDir dir;
  ASSERT_EQ(messageOf(saveResultList(dir.path(), person(), {"erste", "lange", "Liste"},
                                     ExistingFile::replace)),
            "");
  ASSERT_EQ(messageOf(saveResultList(dir.path(), person(), {"zweite"}, ExistingFile::replace)), "");
  EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{kFileName});
  EXPECT_EQ(testing::fileBytes(dir.path() / utf8Path(kFileName)),
            " \r\n" + kHeaderBytes + "\r\n \r\nzweite\r\n");
}

// Kept, an earlier file stays as it was and the lines take the next free
// name, which the information box names.
TEST(Save, ASaveThatKeepsTheEarlierFileTakesTheNextFreeName) {
  TempDir dir;
  ASSERT_EQ(messageOf(saveResultList(dir.path(), person(), {"erste"}, ExistingFile::keep)), "");
  const std::string second = "Müller,Jürgen München_05_03_2007_14_30_00 (2).txt";
  const std::string third = "Müller,Jürgen München_05_03_2007_14_30_00 (3).txt";
  const auto saved = saveResultList(dir.path(), person(), {"zweite"}, ExistingFile::keep);
  ASSERT_EQ(messageOf(saved), "");
  EXPECT_EQ(std::get<SavedFile>(saved).name, second);
  EXPECT_TRUE(std::get<SavedFile>(saved).information.starts_with(
      "Der Inhalt wurde im Programm-Ordner gespeichert unter\r" + second + "\r\r"));
  // A folder in the way of a name is passed by too.
  fs::create_directory(dir.path() / utf8Path(third));
  const auto fourth = saveResultList(dir.path(), person(), {"dritte"}, ExistingFile::keep);
  EXPECT_EQ(std::get<SavedFile>(fourth).name, "Müller,Jürgen München_05_03_2007_14_30_00 (4).txt");
  EXPECT_EQ(testing::fileBytes(dir.path() / utf8Path(kFileName)),
            " \r\n" + kHeaderBytes + "\r\n \r\nerste\r\n");
  EXPECT_EQ(testing::fileBytes(dir.path() / utf8Path(second)),
            " \r\n" + kHeaderBytes + "\r\n \r\nzweite\r\n");
  EXPECT_EQ(filesIn(dir.path()).size(), 4u);
}

TEST(Save, RefusesANameThatCouldLeaveTheFolderOrThatWindowsForbids) {
  const struct {
    std::string surname, time, named;
  } cases[] = {
      {"../../boese", "14:30:00", "das Zeichen \"/\""},
      {"/tmp/boese", "14:30:00", "das Zeichen \"/\""},
      {"..\\boese", "14:30:00", "das Zeichen \"\\\""},
      {"Mül<ler>", "14:30:00", "das Zeichen \"<\""},
      {"M\"x", "14:30:00", "das Zeichen \"\"\""},
      {"M|x", "14:30:00", "das Zeichen \"|\""},
      {"M?", "14:30:00", "das Zeichen \"?\""},
      {"M*", "14:30:00", "das Zeichen \"*\""},
      {"M\tx", "14:30:00", "ein Steuerzeichen (Code 9)"},
      {"Müller", "9:30", "das Zeichen \":\""},  // a short time text moves its colon into the name
  };
  for (const auto& c : cases) {
    TempDir dir;
    const fs::path inner = dir.path() / "ordner";
    fs::create_directory(inner);
    const auto saved =
        saveResultList(inner, person(c.surname, c.time), {"Zeile"}, ExistingFile::replace);
    EXPECT_EQ(messageOf(saved), "Der Inhalt wurde nicht gespeichert: Der Dateiname\r" +
                                    resultFileName(person(c.surname, c.time)) + "\renthält " +
                                    c.named + ", das in Dateinamen nicht erlaubt ist.")
        << c.surname;
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"ordner"}) << c.surname;
    EXPECT_TRUE(filesIn(inner).empty()) << c.surname;
  }
  EXPECT_EQ(fileNameRefusal(".."),
            "Der Inhalt wurde nicht gespeichert: Der Dateiname\r..\rist nicht erlaubt.");
  EXPECT_TRUE(fileNameRefusal(".").has_value());
}

TEST(Save, DotsInsideANameAreAnOrdinaryFile) {
  TempDir dir;
  ASSERT_EQ(messageOf(saveResultList(dir.path(), person(".."), {"Zeile"}, ExistingFile::replace)),
            "");
  EXPECT_EQ(filesIn(dir.path()),
            std::vector<std::string>{"..,Jürgen München_05_03_2007_14_30_00.txt"});
}

TEST(Save, AMissingFolderIsReportedWithThePathAndNothingIsCreated) {
  TempDir dir;
  const fs::path missing = dir.path() / "weg";
  const auto saved = saveResultList(missing, person(), {"Zeile"}, ExistingFile::replace);
  EXPECT_EQ(messageOf(saved), "Die Datei " + (missing / utf8Path(kFileName)).string() +
                                  " lässt sich nicht speichern: Datei oder Ordner nicht vorhanden");
  EXPECT_FALSE(fs::exists(missing));
}

TEST(Save, AFolderInTheWayOfTheFileIsReportedAndKept) {
  TempDir dir;
  fs::create_directory(dir.path() / utf8Path(kFileName));
  const auto saved = saveResultList(dir.path(), person(), {"Zeile"}, ExistingFile::replace);
  EXPECT_NE(messageOf(saved).find("lässt sich nicht speichern: Ist ein Ordner"), std::string::npos)
      << messageOf(saved);
  EXPECT_TRUE(fs::is_directory(dir.path() / utf8Path(kFileName)));
  EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{kFileName});  // no temporary file left
}

#ifndef _WIN32  // file permissions, named pipes, /proc and the sandbox are POSIX
// Stands in for a full disk: the process may write no file larger than
// `bytes` while it lives (this works for root too, unlike permissions).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousSignal_ = ::signal(SIGXFSZ, SIG_IGN);  // write() then fails with EFBIG
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previousSignal_);
  }

 private:
  rlimit saved_{};
  sighandler_t previousSignal_;
};

TEST(Save, AFailureWhileWritingKeepsTheEarlierFileWhole) {
  TempDir dir;
  ASSERT_EQ(messageOf(saveResultList(dir.path(), person(), {"frueher"}, ExistingFile::replace)),
            "");
  const std::string earlier = testing::fileBytes(dir.path() / utf8Path(kFileName));

  const std::vector<std::string> longList(200, std::string(60, 'x'));
  Checked<SavedFile> saved;
  {
    const FileSizeLimit limit(4096);
    saved = saveResultList(dir.path(), person(), ResultText(longList), ExistingFile::replace);
  }
  EXPECT_NE(messageOf(saved).find("lässt sich nicht speichern: Datei zu groß"), std::string::npos)
      << messageOf(saved);
  EXPECT_EQ(testing::fileBytes(dir.path() / utf8Path(kFileName)), earlier);
  EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{kFileName});
}

// What a failed save must leave behind: the earlier file as it was and no
// temporary file. Returns what is wrong.
std::string checkAfterFailure(const fs::path& folder, const std::string& earlier,
                              const Checked<SavedFile>& saved, const std::string& reason) {
  const std::string expected = "Die Datei " + (folder / utf8Path(kFileName)).string() +
                               " lässt sich nicht speichern: " + reason;
  if (messageOf(saved) != expected) return "message: " + messageOf(saved);
  if (testing::fileBytes(folder / utf8Path(kFileName)) != earlier)
    return "the earlier file changed";
  for (const std::string& name : filesIn(folder)) {
    if (name != kFileName && name != "voll") return "left behind: " + name;
  }
  return {};
}

TEST(Save, AFullDiskIsReportedAndTheEarlierFileSurvives) {
  const auto outcome = testing::inPrivateTmpfs(64, [](const fs::path& folder) -> std::string {
    if (!messageOf(saveResultList(folder, person(), {"frueher"}, ExistingFile::replace)).empty())
      return "first save failed";
    const std::string earlier = testing::fileBytes(folder / utf8Path(kFileName));
    if (std::string error = testing::fillUp(folder); !error.empty()) return error;
    const auto saved =
        saveResultList(folder, person(), {"spaeter", "und noch mehr"}, ExistingFile::replace);
    return checkAfterFailure(folder, earlier, saved, "Kein Platz mehr auf dem Datenträger");
  });
  if (!outcome.available) GTEST_SKIP() << "no tmpfs: " << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}

TEST(Save, AReadOnlyDiskIsReportedAndTheEarlierFileSurvives) {
  const auto outcome = testing::inPrivateTmpfs(64, [](const fs::path& folder) -> std::string {
    if (!messageOf(saveResultList(folder, person(), {"frueher"}, ExistingFile::replace)).empty())
      return "first save failed";
    const std::string earlier = testing::fileBytes(folder / utf8Path(kFileName));
    if (std::string error = testing::remountReadOnly(folder); !error.empty()) return error;
    const auto saved = saveResultList(folder, person(), {"spaeter"}, ExistingFile::replace);
    return checkAfterFailure(folder, earlier, saved, "Schreibgeschütztes Dateisystem");
  });
  if (!outcome.available) GTEST_SKIP() << "no tmpfs: " << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}

TEST(Save, AReadOnlyFolderIsReportedAndTheEarlierFileSurvives) {
  TempDir dir;
  ASSERT_EQ(messageOf(saveResultList(dir.path(), person(), {"frueher"}, ExistingFile::replace)),
            "");
  const std::string earlier = testing::fileBytes(dir.path() / utf8Path(kFileName));
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  const auto outcome = testing::asOrdinaryUser([&]() -> std::string {
    const auto saved = saveResultList(dir.path(), person(), {"spaeter"}, ExistingFile::replace);
    return checkAfterFailure(dir.path(), earlier, saved, "Keine Berechtigung");
  });
  if (!outcome.available) GTEST_SKIP() << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}
#endif  // _WIN32

}  // namespace
}  // namespace kelvaro
