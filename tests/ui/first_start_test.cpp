// The first start on Windows: the folders the launcher makes on Linux.
#include <fstream>

#include <QTest>

#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "ui/platform/first_start.h"

namespace kelvaro::testing {
namespace {

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

class FirstStartTest : public QObject {
  Q_OBJECT

 private slots:
  // Both folders missing: both are made, the transit folder with the
  // samples' transit files and nothing else of theirs.
  void makesBothFoldersAndCopiesTheSamples() {
    TempDir dir;
    const auto samples = dir.path() / "samples";
    std::filesystem::create_directories(samples);
    writeFile(samples / "mueller.dat", std::string(2560, 'm'));
    writeFile(samples / "mueller.txt", "text");
    const ui::ProgramFolders folders{dir.path() / "Astro" / "Kelvaro",
                                     dir.path() / "astro" / "transdat", dir.path() / "Daten"};

    ui::prepareFoldersOnFirstStart(folders, samples);

    QVERIFY(std::filesystem::is_directory(folders.program));
    QCOMPARE(testing::fileBytes(folders.transit / "mueller.dat"), std::string(2560, 'm'));
    QVERIFY(!std::filesystem::exists(folders.transit / "mueller.txt"));
  }

  // A transit folder the user has: not one file of it changes and no
  // sample is added, also on every later start.
  void leavesAnExistingTransitFolderAlone() {
    TempDir dir;
    const auto samples = dir.path() / "samples";
    std::filesystem::create_directories(samples);
    writeFile(samples / "mueller.dat", "sample");
    const ui::ProgramFolders folders{dir.path() / "Kelvaro", dir.path() / "transdat",
                                     dir.path() / "Daten"};
    std::filesystem::create_directories(folders.transit);
    writeFile(folders.transit / "mueller.dat", "the user's own");

    ui::prepareFoldersOnFirstStart(folders, samples);
    ui::prepareFoldersOnFirstStart(folders, samples);

    QCOMPARE(testing::fileBytes(folders.transit / "mueller.dat"), std::string("the user's own"));
    QCOMPARE(std::distance(std::filesystem::directory_iterator(folders.transit),
                           std::filesystem::directory_iterator()),
             1);
  }

  // A file where the program folder should be, and no samples: the
  // program folder stays missing (the main window reports it), the
  // transit folder is made all the same.
  void goesOnWhereAFolderCannotBeMade() {
    TempDir dir;
    writeFile(dir.path() / "Kelvaro", "in the way");
    const ui::ProgramFolders folders{dir.path() / "Kelvaro" / "sub", dir.path() / "transdat",
                                     dir.path() / "Daten"};

    ui::prepareFoldersOnFirstStart(folders, dir.path() / "no-samples");

    QVERIFY(!std::filesystem::exists(folders.program));
    QVERIFY(std::filesystem::is_directory(folders.transit));
  }

  // Started in the install folder, it works in the program folder; started
  // anywhere else, it stays there.
  void leavesOnlyTheInstallFolder() {
    TempDir dir;
    const ui::ProgramFolders folders{dir.path() / "Kelvaro", dir.path() / "transdat",
                                     dir.path() / "Daten"};
    const auto installed = dir.path() / "Programme" / "Kelvaro";
    const auto elsewhere = dir.path() / "Desktop";
    for (const auto& folder : {folders.program, installed, elsewhere}) {
      std::filesystem::create_directories(folder);
    }
    const auto before = std::filesystem::current_path();

    std::filesystem::current_path(installed / ".");
    ui::leaveInstallFolder(folders, installed);
    QVERIFY(std::filesystem::equivalent(std::filesystem::current_path(), folders.program));

    std::filesystem::current_path(elsewhere);
    ui::leaveInstallFolder(folders, installed);
    QVERIFY(std::filesystem::equivalent(std::filesystem::current_path(), elsewhere));
    std::filesystem::current_path(before);
  }
};

}  // namespace kelvaro::testing

QTEST_GUILESS_MAIN(kelvaro::testing::FirstStartTest)
#include "first_start_test.moc"
