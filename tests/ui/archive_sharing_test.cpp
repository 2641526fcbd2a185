// The persons window and kelvaro-persons on one archive, the way it once
// broke: the window open, a file dialog shown on the archive's folder and
// cancelled, the command line adding and listing, the window adding. The
// archive must stay whole, every person in it once, no number given twice.
#include <sqlite3.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QTableView>
#include <map>

#include "archive/archive.h"
#include "core/text_encoding.h"
#include "support/run_process.h"
#include "ui/platform/qt_platform.h"
#include "ui/support/file_dialog_answers.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/windows/person_form.h"
#include "ui/windows/persons_window.h"

namespace kelvaro::testing {
namespace {

// The names and numbers in the archive file, read by a connection of its own
// after `PRAGMA integrity_check` (whose answer goes into `check`).
std::multimap<std::string, long long> namesAndNumbers(const std::filesystem::path& file,
                                                      std::string& check) {
  std::multimap<std::string, long long> found;
  sqlite3* db = nullptr;
  sqlite3_open_v2(utf8FromPath(file).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr);
  while (sqlite3_step(statement) == SQLITE_ROW) {
    check += reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
  }
  sqlite3_finalize(statement);
  sqlite3_prepare_v2(db, "SELECT name, id FROM persons", -1, &statement, nullptr);
  while (sqlite3_step(statement) == SQLITE_ROW) {
    found.emplace(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                  sqlite3_column_int64(statement, 1));
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return found;
}

}  // namespace

class ArchiveSharingTest : public UiTestCase {
  Q_OBJECT

  void setUp() override {
    run_ = std::make_unique<UiRun>();
    run_->start();
  }

  // "Neu …" in the window, a person born in Köln, "Speichern".
  static void addInWindow(ui::PersonsWindow& persons, const QString& name) {
    click(child(persons, "NewPerson"));
    auto* form = persons.findChild<ui::PersonForm*>(QStringLiteral("PersonForm"));
    if (!QTest::qWaitForWindowActive(form)) qWarning("the form did not become active");
    retype(*form, "PersonName", name);
    retype(*form, "PersonFirstName", QStringLiteral("Anna"));
    retype(*form, "PersonBirthDate", QStringLiteral("05.03.1970"));
    retype(*form, "PersonBirthTime", QStringLiteral("14:30"));
    retype(*form, "PersonPlace", QStringLiteral("Köln"));
    retype(*form, "PersonLatitude", QStringLiteral("50°56' N"));
    retype(*form, "PersonLongitude", QStringLiteral("6°57' O"));
    retype(*form, "PersonZone", QStringLiteral("Europe/Berlin"));
    click(child(*form, "PersonSave"));
  }

  // kelvaro-persons add: the number it gave.
  static std::string addOnCommandLine(const std::filesystem::path& archive,
                                      const std::string& name) {
    const ProcessOutput added =
        runProcess({KELVARO_PERSONS, "--archive", archive.string(), "add", "--name=" + name,
                    "--first-name=Bert", "--birth=06.03.1970 10:00", "--birth-zone=UT",
                    "--birth-lat=50", "--birth-lon=7", "--place=Bonn"});
    return added.status == 0 ? added.out
                             : "exit " + std::to_string(added.status) + ": " + added.err;
  }

  static int listedOnCommandLine(const std::filesystem::path& archive) {
    const ProcessOutput listed =
        runProcess({KELVARO_PERSONS, "--archive", archive.string(), "list", "--tsv"});
    return static_cast<int>(std::count(listed.out.begin(), listed.out.end(), '\n')) - 1;
  }

 private slots:
  void theWindowADialogAndTheCommandLineShareTheArchive() {
    click(child(run_->main(), "PersonsButton"));
    auto* persons = run_->main().findChild<ui::PersonsWindow*>(QStringLiteral("PersonsWindow"));
    QVERIFY(persons && QTest::qWaitForWindowActive(persons));
    const auto archive = archive::archiveFileIn(run_->folders().data);
    addInWindow(*persons, QStringLiteral("Erste"));

    // "AAF importieren …" opened on the archive's folder, looked at, cancelled.
    ui::QtPlatform desktop;
    bool listed = false;
    whenDialogListed(3, listed, [](QFileDialog& dialog) { dialog.reject(); });
    QCOMPARE(desktop.chooseFile(persons, run_->folders().data, {}), std::nullopt);
    QVERIFY(listed);

    QCOMPARE(addOnCommandLine(archive, "Zweite"), std::string("2\n"));
    QCOMPARE(listedOnCommandLine(archive), 2);
    addInWindow(*persons, QStringLiteral("Dritte"));
    QCOMPARE(addOnCommandLine(archive, "Vierte"), std::string("4\n"));
    addInWindow(*persons, QStringLiteral("Fünfte"));
    QCOMPARE(child<QTableView>(*persons, "PersonTable")->model()->rowCount(), 5);
    QCOMPARE(listedOnCommandLine(archive), 5);
    click(child(*persons, "ClosePersons"));

    std::string check;
    const auto found = namesAndNumbers(archive, check);
    QCOMPARE(check, std::string("ok"));
    const std::multimap<std::string, long long> expected = {
        {"Erste", 1}, {"Zweite", 2}, {"Dritte", 3}, {"Vierte", 4}, {"Fünfte", 5}};
    QCOMPARE(found, expected);
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::ArchiveSharingTest)
#include "archive_sharing_test.moc"
