// The window "Personen": reached from the start page and the main window,
// new and changed persons, the search, sorting, deleting and bringing back,
// AAF in and out, a damaged archive, and a person's transit file in two
// clicks.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <tuple>

#include "archive/archive.h"
#include "archive/archive_backup.h"
#include "archive/person_birth.h"
#include "archive/persons_table.h"
#include "atlas/place_atlas.h"
#include "core/text_encoding.h"
#include "core/transit_record.h"
#include "loading/transit_file.h"
#include "output/csv_text.h"
#include "print/print_support.h"
#include "timing/ephemeris_layout.h"
#include "ui/help/window_help.h"
#include "ui/platform/timeline_choices.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/windows/backups_dialog.h"
#include "ui/windows/calendar_window.h"
#include "ui/windows/ephemeris_window.h"
#include "ui/windows/new_transit_form.h"
#include "ui/windows/person_form.h"
#include "ui/windows/persons_window.h"

namespace kelvaro::testing {
namespace {

QLineEdit* field(QWidget& window, const char* name) { return child<QLineEdit>(window, name); }

// The column of the list, top to bottom.
QStringList column(QWidget& window, int index) {
  auto* table = child<QTableView>(window, "PersonTable");
  QStringList texts;
  for (int row = 0; row < table->model()->rowCount(); ++row) {
    texts << table->model()->index(row, index).data().toString();
  }
  return texts;
}

void chooseRow(QWidget& window, int row) {
  child<QTableView>(window, "PersonTable")->selectRow(row);
}

}  // namespace

class PersonsWindowTest : public UiTestCase {
  Q_OBJECT

  std::filesystem::path archiveFile() const {
    std::filesystem::create_directories(run_->folders().data);
    return archive::archiveFileIn(run_->folders().data);
  }

  ui::PersonsWindow& openPersons(const char* button = "PersonsButton") {
    click(child(run_->main(), button));
    auto* window = run_->main().findChild<ui::PersonsWindow*>(QStringLiteral("PersonsWindow"));
    if (window && !QTest::qWaitForWindowActive(window))
      qWarning("the window did not become active");
    return *window;
  }

  // "Neu …" with the fields of a person, then "Speichern".
  ui::PersonForm& enterPerson(ui::PersonsWindow& persons, const QString& name,
                              const QString& date) {
    click(child(persons, "NewPerson"));
    auto* form = persons.findChild<ui::PersonForm*>(QStringLiteral("PersonForm"));
    if (!QTest::qWaitForWindowActive(form)) qWarning("the form did not become active");
    retype(*form, "PersonName", name);
    retype(*form, "PersonFirstName", QStringLiteral("Anna"));
    retype(*form, "PersonBirthDate", date);
    retype(*form, "PersonBirthTime", QStringLiteral("14:30"));
    retype(*form, "PersonPlace", QStringLiteral("Köln"));
    retype(*form, "PersonLatitude", QStringLiteral("50°56' N"));
    retype(*form, "PersonLongitude", QStringLiteral("6°57' O"));
    retype(*form, "PersonZone", QStringLiteral("Europe/Berlin"));
    click(child(*form, "PersonSave"));
    return *form;
  }

  void storePersons(const std::vector<archive::Person>& persons) {
    auto opened = archive::Archive::open(archiveFile());
    std::get<archive::Archive>(opened).storeAll(persons);
  }

  static archive::Person person(std::string name, std::string place, int day) {
    archive::Person made;
    made.name = std::move(name);
    made.firstName = "Anna";
    made.birthDate = {1970, 3, day};
    made.birthTime = archive::BirthTime{14, 30, 0, false};
    made.zone = "Europe/Berlin";
    made.place = std::move(place);
    made.latitude = 50.9333;
    made.longitude = 6.95;
    made.birthMoment = archive::momentOfBirth(made);
    return made;
  }

  void setUp() override {
    run_ = std::make_unique<UiRun>();
    run_->start();
  }

 private slots:
  void reachedFromTheStartPageAndTheMainWindow() {
    QVERIFY(child(run_->main(), "PersonsButton")->isVisible());
    QVERIFY(!child(run_->main(), "MainPersonsButton")->isVisible());
    ui::PersonsWindow& persons = openPersons();
    QVERIFY(persons.isVisible());
    QCOMPARE(QApplication::focusWidget(), field(persons, "PersonSearch"));
    QCOMPARE(child<QLabel>(persons, "PersonCount")->text(), QStringLiteral("0 Personen"));
    QVERIFY(!child(persons, "EditPerson")->isEnabled());
    QTest::keyClick(field(persons, "PersonSearch"), Qt::Key_F1);
    QVERIFY(ui::windowHelp(persons)->isVisible());
    ui::windowHelp(persons)->close();
    persons.close();

    run_->platform().chooseNext(run_->sample("mueller-juergen.dat"));
    click(child(run_->main(), "Button2"));
    run_->program().orbDialog().accept();
    click(child(run_->program().contentOverview(), "Button1"));
    QVERIFY(child(run_->main(), "MainPersonsButton")->isVisible());
    QVERIFY(openPersons("MainPersonsButton").isVisible());
  }

  void newAndChangedPersonsWithRefusals() {
    ui::PersonsWindow& persons = openPersons();
    ui::PersonForm& form =
        enterPerson(persons, QStringLiteral("Müller"), QStringLiteral("30.02.1970"));
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::error,
                    "Geburtsdatum: \"30.02.1970\" ist kein gültiges Datum. "
                    "Bitte als TT.MM.JJJJ angeben."));
    QTRY_COMPARE(QApplication::focusWidget(), field(form, "PersonBirthDate"));
    retype(form, "PersonBirthDate", QStringLiteral("05.03.1970"));
    click(child(form, "PersonSave"));
    QVERIFY(!form.isVisible());
    QCOMPARE(column(persons, 0), QStringList{QStringLiteral("Müller")});
    QCOMPARE(column(persons, 2), QStringList{QStringLiteral("05.03.1970")});

    // The same birth again is refused; the form stays open.
    run_->platform().forgetBoxes();
    enterPerson(persons, QStringLiteral("Müller"), QStringLiteral("05.03.1970"));
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::error,
                    "Müller, Anna steht mit denselben Geburtsdaten schon im Archiv."));
    QVERIFY(form.isVisible());
    click(child(form, "PersonCancel"));

    chooseRow(persons, 0);
    click(child(persons, "EditPerson"));
    QCOMPARE(field(form, "PersonLatitude")->text(), QStringLiteral("50°56'00\" N"));
    retype(form, "PersonPlace", QStringLiteral("Bonn"));
    child<QPlainTextEdit>(form, "PersonNotes")->setPlainText(QStringLiteral("Klientin"));
    click(child(form, "PersonSave"));
    QCOMPARE(column(persons, 3), QStringList{QStringLiteral("Bonn")});
    const auto stored = std::get<archive::Archive>(archive::Archive::open(archiveFile())).persons();
    QCOMPARE(std::get<std::vector<archive::Person>>(stored).front().notes, std::string("Klientin"));
    QCOMPARE(std::get<std::vector<archive::Person>>(stored).front().id, archive::PersonId{1});
  }

  // An imported kind shows as it is and is saved unchanged, also one the
  // box does not offer; the kind the user chooses is saved as chosen.
  void theFormKeepsEveryKind() {
    archive::Person female = person("Weiblich", "Köln", 5);
    female.kind = "f";
    archive::Person other = person("Anders", "Köln", 6);
    other.kind = "x";
    storePersons({female, other});
    ui::PersonsWindow& persons = openPersons();
    for (const auto& [name, kind, caption] : {std::tuple{"Anders", "x", "x – so gespeichert"},
                                              std::tuple{"Weiblich", "f", "f – weiblich"}}) {
      chooseRow(persons, static_cast<int>(column(persons, 0).indexOf(QString::fromUtf8(name))));
      click(child(persons, "EditPerson"));
      auto* form = persons.findChild<ui::PersonForm*>(QStringLiteral("PersonForm"));
      QCOMPARE(child<QComboBox>(*form, "PersonKind")->currentText(), QString::fromUtf8(caption));
      retype(*form, "PersonSource", QStringLiteral("Geburtsurkunde"));
      click(child(*form, "PersonSave"));
      QVERIFY2(!form->isVisible(), name);
      auto opened = archive::Archive::open(archiveFile());
      const auto stored =
          std::get<std::vector<archive::Person>>(std::get<archive::Archive>(opened).persons());
      const auto saved =
          std::find_if(stored.begin(), stored.end(),
                       [&wanted = name](const archive::Person& p) { return p.name == wanted; });
      QCOMPARE(saved->kind, std::string(kind));
      QCOMPARE(saved->source, std::string("Geburtsurkunde"));
    }
    // The next person does not find the kept kind offered.
    click(child(persons, "NewPerson"));
    auto* form = persons.findChild<ui::PersonForm*>(QStringLiteral("PersonForm"));
    auto* kinds = child<QComboBox>(*form, "PersonKind");
    QCOMPARE(kinds->currentText(), QStringLiteral("unbekannt"));
    QCOMPARE(kinds->findText(QStringLiteral("x – so gespeichert")), -1);
    click(child(*form, "PersonCancel"));
  }

  // Tab goes through the fields top to bottom, then the buttons; Enter in
  // "Ort" searches the atlas and fills the country, and opens no help.
  void theFormGoesFieldByFieldAndEnterOnlySearches() {
    ui::PersonsWindow& persons = openPersons();
    click(child(persons, "NewPerson"));
    auto* form = persons.findChild<ui::PersonForm*>(QStringLiteral("PersonForm"));
    QVERIFY(QTest::qWaitForWindowActive(form));
    QTRY_COMPARE(QApplication::focusWidget(), child(*form, "PersonName"));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 15; ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order,
             (QStringList{"PersonName", "PersonFirstName", "PersonKind", "PersonBirthDate",
                          "PersonBirthTime", "PersonPlace", "PersonCountry", "PersonLatitude",
                          "PersonLongitude", "PersonZone", "PersonSource", "PersonVia",
                          "PersonNotes", "HelpButton", "PersonSave", "PersonCancel"}));

    retype(*form, "PersonCountry", QStringLiteral("F"));
    retype(*form, "PersonPlace", atlas::atlasAvailable() ? QStringLiteral("Koeln") : QString());
    QTest::keyClick(field(*form, "PersonPlace"), Qt::Key_Return);
    QVERIFY(!ui::windowHelp(*form) || !ui::windowHelp(*form)->isVisible());
    QVERIFY(form->isVisible());
    if (atlas::atlasAvailable()) {
      // "Land" limits the search: no Köln in France.
      QCOMPARE(run_->platform().boxes().size(), 1U);
      QCOMPARE(run_->platform().boxes().back().text,
               std::string("Ort: \"Koeln\" steht nicht im Ortsatlas (Land F)."));
      run_->platform().forgetBoxes();
      field(*form, "PersonCountry")->clear();
      QTest::keyClick(field(*form, "PersonPlace"), Qt::Key_Return);
      QCOMPARE(field(*form, "PersonPlace")->text(), QStringLiteral("Köln"));
      QCOMPARE(field(*form, "PersonCountry")->text(), QStringLiteral("D"));
      QCOMPARE(field(*form, "PersonZone")->text(), QStringLiteral("Europe/Berlin"));
      QCOMPARE(QApplication::focusWidget(), child(*form, "PersonCountry"));
      // Small places too: the code for the exchange file, the German name beside it; a
      // code typed over it leaves no name that is not its own.
      const std::vector<std::array<QString, 4>> small = {
          {"Gengenbach", "D", "Deutschland", "Europe/Berlin"},
          {"Bad Ischl", "A", "Österreich", "Europe/Vienna"},
          {"Brig", "CH", "Schweiz", "Europe/Zurich"}};
      for (const auto& [place, code, country, zone] : small) {
        field(*form, "PersonCountry")->clear();
        retype(*form, "PersonPlace", place);
        QTest::keyClick(field(*form, "PersonPlace"), Qt::Key_Return);
        QCOMPARE(field(*form, "PersonPlace")->text(), place);
        QCOMPARE(field(*form, "PersonCountry")->text(), code);
        QCOMPARE(form->findChild<QLabel*>("PersonCountryName")->text(), country);
        QCOMPARE(field(*form, "PersonZone")->text(), zone);
      }
      retype(*form, "PersonCountry", QStringLiteral("F"));
      QVERIFY(form->findChild<QLabel*>("PersonCountryName")->text().isEmpty());
      // With "Land" CH, Freiburg is the Swiss one (not Freiburg im Breisgau).
      retype(*form, "PersonCountry", QStringLiteral("CH"));
      retype(*form, "PersonPlace", QStringLiteral("Freiburg"));
      QTest::keyClick(field(*form, "PersonPlace"), Qt::Key_Return);
      QCOMPARE(field(*form, "PersonZone")->text(), QStringLiteral("Europe/Zurich"));
      QCOMPARE(field(*form, "PersonCountry")->text(), QStringLiteral("CH"));
      QCOMPARE(form->findChild<QLabel*>("PersonCountryName")->text(), QStringLiteral("Schweiz"));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QVERIFY(ui::windowHelp(*form)->isVisible());
    QVERIFY(run_->platform().boxes().empty());
  }

  // kelvaro-persons adds while the window is open: the window shows it once
  // the user comes back to it, with the search and the chosen person kept.
  void showsWhatAnotherProgramAddedWhenActivatedAgain() {
    storePersons({person("Müller", "Köln", 5), person("Arndt", "Bonn", 6)});
    ui::PersonsWindow& persons = openPersons();
    typeText(field(persons, "PersonSearch"), QStringLiteral("n"));
    chooseRow(persons, 1);
    QCOMPARE(child<QLabel>(persons, "PersonCount")->text(), QStringLiteral("2 Personen"));
    storePersons({person("Zander", "Bonn", 7)});
    QWidget terminal;  // the user goes to another program's window, and comes back
    terminal.show();
    terminal.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&terminal));
    persons.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&persons));
    QCOMPARE(column(persons, 0), (QStringList{QStringLiteral("Arndt"), QStringLiteral("Müller"),
                                              QStringLiteral("Zander")}));
    QCOMPARE(child<QLabel>(persons, "PersonCount")->text(), QStringLiteral("3 Personen"));
    const auto rows = child<QTableView>(persons, "PersonTable")->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.front().data().toString(), QStringLiteral("Müller"));
  }

  void theSearchFiltersAsTheUserTypesAndColumnsSort() {
    storePersons(
        {person("Müller", "Köln", 5), person("Zander", "München", 7), person("Arndt", "Bonn", 6)});
    ui::PersonsWindow& persons = openPersons();
    QCOMPARE(column(persons, 0), (QStringList{QStringLiteral("Arndt"), QStringLiteral("Müller"),
                                              QStringLiteral("Zander")}));
    typeText(field(persons, "PersonSearch"), QStringLiteral("mu"));
    QCOMPARE(column(persons, 0),
             (QStringList{QStringLiteral("Müller"), QStringLiteral("Zander")}));  // München
    QCOMPARE(child<QLabel>(persons, "PersonCount")->text(), QStringLiteral("2 von 3 Personen"));
    typeText(field(persons, "PersonSearch"), QStringLiteral("el"));
    QCOMPARE(column(persons, 0), QStringList{QStringLiteral("Müller")});  // "muel"
    retype(persons, "PersonSearch", QString());
    auto* header = child<QTableView>(persons, "PersonTable")->horizontalHeader();
    const QPoint dateHeading(header->sectionViewportPosition(2) + header->sectionSize(2) / 2,
                             header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, dateHeading);
    QCOMPARE(column(persons, 2),
             (QStringList{QStringLiteral("05.03.1970"), QStringLiteral("06.03.1970"),
                          QStringLiteral("07.03.1970")}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, dateHeading);
    QCOMPARE(column(persons, 0).front(), QStringLiteral("Zander"));
  }

  void deletedPersonsComeBackUntilTheWindowCloses() {
    storePersons({person("Eins", "Köln", 5), person("Zwei", "Köln", 6)});
    ui::PersonsWindow& persons = openPersons();
    chooseRow(persons, 0);
    run_->platform().answerNext(false);
    click(child(persons, "DeletePerson"));
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::question,
                    "Soll Eins, Anna (05.03.1970) aus dem Archiv gelöscht werden?"));
    QCOMPARE(column(persons, 0).size(), 2);
    QVERIFY(!child(persons, "RestorePerson")->isEnabled());
    run_->platform().answerNext(true);
    click(child(persons, "DeletePerson"));
    QCOMPARE(column(persons, 0), QStringList{QStringLiteral("Zwei")});
    click(child(persons, "RestorePerson"));
    QCOMPARE(column(persons, 0), (QStringList{QStringLiteral("Eins"), QStringLiteral("Zwei")}));
    chooseRow(persons, 0);
    run_->platform().answerNext(true);
    click(child(persons, "DeletePerson"));
    click(child(persons, "ClosePersons"));
    QVERIFY(!persons.isVisible());
    openPersons();
    QVERIFY(!child(persons, "RestorePerson")->isEnabled());
    QCOMPARE(column(persons, 0), QStringList{QStringLiteral("Zwei")});
  }

  void aafInAndOut() {
    const auto aaf = run_->folders().program / "klienten.aaf";
    std::ofstream(aaf) << "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel,D\n"
                          "#B93:*,49n05,8e11,1he,0\n"
                          "#A93:Kaputt,*,m,31.2.1970,1:00,X,D\n"
                          "#A93:Wałęsa,Lech,m,29.9.1943,12:00,Popowo,PL\n"
                          "#B93:*,52n06,18e12,1he00,0\n";
    ui::PersonsWindow& persons = openPersons();
    run_->platform().chooseNext(aaf.string());
    click(child(persons, "ImportAaf"));
    // The first dialog opens in the user's documents (or home), AAF files first.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString firstFolder = QDir(documents).exists() ? documents : QDir::homePath();
    QCOMPARE(ui::pathText(run_->platform().fileDialogFolders().back()),
             QDir::toNativeSeparators(firstFolder));
    const std::vector<std::string> aafTypes = {"AAF-Dateien (*.aaf *.AAF)", "Alle Dateien (*)"};
    QCOMPARE(run_->platform().fileDialogFilters().back(), aafTypes);
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::information,
                    "2 übernommen, 0 schon vorhanden, 1 fehlerhaft\nZeile 3: Geburtsdatum: "
                    "\"31.2.1970\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ angeben."));
    QCOMPARE(column(persons, 0), (QStringList{QStringLiteral("Ferber"), QStringLiteral("Wałęsa")}));

    // Windows-1252 has no "ł": the question, and UTF-8 on Yes.
    const auto out = run_->folders().program / "export.aaf";
    run_->platform().forgetBoxes();
    run_->platform().saveNextAs(out).answerNext(true);
    click(child(persons, "ExportAaf"));
    // The export's dialog opens where the import's file was chosen.
    QCOMPARE(run_->platform().saveDialogs().back().folder, run_->folders().program);
    QCOMPARE(run_->platform().saveDialogs().back().filters, aafTypes);
    QCOMPARE(run_->platform().boxes().size(), std::size_t{2});
    QCOMPARE(run_->platform().boxes().back(),
             (ui::ShownBox{ui::BoxKind::information,
                           "2 Personen nach " + out.string() + " exportiert."}));
    QVERIFY(fileBytes(out).find("#A93:Wałęsa,Lech,m,29.9.1943,12:00,Popowo,PL\r\n") !=
            std::string::npos);

    // The search selects what is exported; Windows-1252 then.
    typeText(field(persons, "PersonSearch"), QStringLiteral("kandel"));
    run_->platform().saveNextAs(out);
    click(child(persons, "ExportAaf"));
    const std::string ferber = fileBytes(out);
    QVERIFY(ferber.find("#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel,D\r\n") != std::string::npos);
    QVERIFY(ferber.find("Wa") == std::string::npos);

    // "Als CSV speichern …": the persons shown, as the table of the archive layer.
    const auto table = run_->startFolder() / "personen.csv";
    run_->platform().forgetBoxes();
    run_->platform().saveNextAs(table);
    click(child(persons, "SaveCsv"));
    QCOMPARE(run_->platform().saveDialogs().back().proposedName, std::string("personen.csv"));
    auto stored = std::get<std::vector<archive::Person>>(
        std::get<archive::Archive>(archive::Archive::open(archiveFile())).persons());
    std::erase_if(stored, [](const archive::Person& person) { return person.place != "Kandel"; });
    QCOMPARE(stored.size(), std::size_t{1});
    QCOMPARE(fileBytes(table), csvText(archive::personsTable(stored)));
    QVERIFY(fileBytes(table).find("\r\n1,Ferber,Tobias,27.09.1970,11:04,") != std::string::npos);
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::information, "1 Person nach " + table.string() + " geschrieben."));

    // The next start opens the AAF dialogs there too.
    const auto elsewhere = run_->startFolder() / "ausgabe.aaf";
    run_->platform().saveNextAs(elsewhere);
    click(child(persons, "ExportAaf"));
    run_->start();
    run_->platform().cancelNextFileDialog();
    click(child(openPersons(), "ImportAaf"));
    QCOMPARE(run_->platform().fileDialogFolders().back(), run_->startFolder());
  }

  void aDamagedArchiveIsReportedAndKept() {
    std::ofstream(archiveFile(), std::ios::binary) << std::string(5000, 'x');
    click(child(run_->main(), "PersonsButton"));
    auto* persons = run_->main().findChild<ui::PersonsWindow*>(QStringLiteral("PersonsWindow"));
    QVERIFY(!persons->isVisible());
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QVERIFY(run_->platform().boxes().front().text.find("kein lesbares Personenarchiv") !=
            std::string::npos);
    QCOMPARE(std::filesystem::file_size(archiveFile()), std::uintmax_t{5000});
  }

  // "Sicherung wiederherstellen …": the backups with time and persons; the
  // chosen one, after the question, replaces the archive and the list.
  void aBackupIsRestoredInTheWindow() {
    ui::PersonsWindow& persons = openPersons();
    click(child(persons, "RestoreBackup"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QVERIFY(run_->platform().boxes().back().text.starts_with(
        "Es gibt noch keine Sicherung des Personenarchivs."));
    persons.close();

    storePersons({person("Weiß", "Köln", 12), person("Müller", "Bonn", 13)});
    storePersons({person("Zorn", "Sydney", 14)});  // an import: the two are backed up
    ui::PersonsWindow& again = openPersons();
    QCOMPARE(column(again, 0).size(), 3);
    for (const bool yes : {false, true}) {
      click(child(again, "RestoreBackup"));
      auto* dialog = again.findChild<ui::BackupsDialog*>(QStringLiteral("BackupsDialog"));
      QVERIFY(dialog && QTest::qWaitForWindowActive(dialog));
      auto* table = child<QTableWidget>(*dialog, "BackupTable");
      QCOMPARE(table->rowCount(), 1);  // the question was no change to back up
      QCOMPARE(table->item(0, 1)->text(), QStringLiteral("2"));
      run_->platform().answerNext(yes);
      click(child(*dialog, "RestoreChosenBackup"));
      QVERIFY(!dialog->isVisible());
      const auto& boxes = run_->platform().boxes();
      QVERIFY(boxes[boxes.size() - (yes ? 2 : 1)].text.starts_with(
          "Soll das Personenarchiv auf den Stand vom "));
      if (!yes) QCOMPARE(column(again, 0).size(), 3);
    }
    QCOMPARE(column(again, 0), (QStringList{QStringLiteral("Müller"), QStringLiteral("Weiß")}));
    QVERIFY(run_->platform().boxes().back().text.ends_with(" ist wiederhergestellt."));
    // The state before the restore is the newest backup.
    QCOMPARE(archive::backupsOf(archiveFile()).front().persons, 3);
  }

  // The archive of the program folder of earlier versions moves to the data
  // folder when the window first needs it, and the user is told.
  void anEarlierArchiveMovesAtTheFirstUse() {
    const auto earlier = archive::archiveFileIn(run_->folders().program);
    {
      auto opened = archive::Archive::open(earlier);
      std::get<archive::Archive>(opened).storeAll({person("Weiß", "Köln", 12)});
    }
    ui::PersonsWindow& persons = openPersons();
    QCOMPARE(column(persons, 0), QStringList{QStringLiteral("Weiß")});
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QVERIFY(run_->platform().boxes().front().text.starts_with(
        "Das Personenarchiv ist in den Datenordner " + utf8FromPath(run_->folders().data)));
    QVERIFY(std::filesystem::exists(archiveFile()));
    QVERIFY(!std::filesystem::exists(earlier));
  }

  // "Transit-Datei …" and "Speichern": the person's file, made at the
  // transit place used last, and no second person in the archive.
  void aPersonsTransitFileInTwoClicks() {
    storePersons({person("Müller", "Köln", 5)});
    {
      auto opened = archive::Archive::open(archiveFile());
      std::get<archive::Archive>(opened).rememberTransitPlace(
          {"Bonn", "50°44' N", "07°06' O", "Europe/Berlin"});
    }
    ui::PersonsWindow& persons = openPersons();
    chooseRow(persons, 0);
    click(child(persons, "TransitFile"));
    auto* form = run_->main().findChild<ui::NewTransitForm*>(QStringLiteral("NewTransitForm"));
    QVERIFY(form && form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(field(*form, "Name")->text(), QStringLiteral("Müller"));
    QCOMPARE(field(*form, "Geburtsdatum")->text(), QStringLiteral("05.03.1970"));
    QCOMPARE(field(*form, "Geburtszeit")->text(), QStringLiteral("14:30"));
    QCOMPARE(field(*form, "Geburtsort")->text(), QStringLiteral("Köln"));
    QCOMPARE(field(*form, "Geburtsbreite")->text(), QStringLiteral("50°56'00\" N"));
    QCOMPARE(field(*form, "Ort")->text(), QStringLiteral("Bonn"));
    QCOMPARE(field(*form, "Zeitzone")->text(), QStringLiteral("Europe/Berlin"));
    QVERIFY(child<QCheckBox>(*form, "StoreInArchive")->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), child(*form, "Speichern"));

    run_->platform().answerNext(false);  // not loaded now
    click(child(*form, "Speichern"));
    QVERIFY(!form->isVisible());
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    const auto files = std::distance(std::filesystem::directory_iterator(run_->folders().transit),
                                     std::filesystem::directory_iterator());
    QCOMPARE(files, std::ptrdiff_t{1});
    const auto opened = archive::Archive::open(archiveFile());
    const archive::Archive& archive = std::get<archive::Archive>(opened);
    QCOMPARE(std::get<std::vector<archive::Person>>(archive.persons()).size(), std::size_t{1});
    QCOMPARE(std::get<std::optional<archive::TransitPlace>>(archive.lastTransitPlace())->place,
             std::string("Bonn"));
  }

  // "Zeitleiste …": the calendar window for the chosen person, with S, P and
  // T in the zone of the user's clock; a person whose place is to be checked
  // has no timeline, and the message says why.
  void aPersonsTimeline() {
    archive::Person unchecked = person("Ohne", "Nirgendwo", 6);
    unchecked.latitude.reset();
    archive::Person zurich = person("Müller", "Zürich", 5);
    zurich.zone = "Europe/Zurich";
    storePersons({zurich, unchecked});
    ui::PersonsWindow& persons = openPersons();
    QVERIFY(!child(persons, "Timeline")->isEnabled());
    chooseRow(persons, static_cast<int>(column(persons, 0).indexOf(QStringLiteral("Müller"))));
    click(child(persons, "Timeline"));
    auto* calendar = run_->main().findChild<ui::CalendarWindow*>(QStringLiteral("CalendarWindow"));
    QVERIFY(calendar && calendar->isVisible());
    QCOMPARE(calendar->windowTitle(), QStringLiteral("Zeitleiste – Müller, Anna"));
    for (const char* kind : {"SolarArcBox", "ProgressedBox", "TransitBox"}) {
      QVERIFY(child<QCheckBox>(*calendar, kind)->isChecked());
    }
    QCOMPARE(field(*calendar, "ZoneEdit")->text(),
             ui::toQString(ui::userZoneName().value_or("Europe/Zurich")));
    calendar->close();

    chooseRow(persons, static_cast<int>(column(persons, 0).indexOf(QStringLiteral("Ohne"))));
    click(child(persons, "Timeline"));
    QVERIFY(!calendar->isVisible());
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::error,
                    "Bei Ohne, Anna fehlen Breite, Länge oder Zeitzone des "
                    "Geburtsorts (Ort prüfen)."));
  }

  // A birth time nobody knows is noon, and the timeline says so above its lines.
  void aPersonsTimelineNotesAnUnknownBirthTime() {
    archive::Person noTime = person("Ohnezeit", "Köln", 6);
    noTime.birthTime.reset();
    noTime.birthMoment.reset();
    storePersons({person("Müller", "Köln", 5), noTime});
    ui::PersonsWindow& persons = openPersons();
    const auto open = [&](const char* name) {
      chooseRow(persons, static_cast<int>(column(persons, 0).indexOf(QString::fromUtf8(name))));
      click(child(persons, "Timeline"));
      auto* calendar =
          run_->main().findChild<ui::CalendarWindow*>(QStringLiteral("CalendarWindow"));
      return child<QLabel>(*calendar, "TimelineNote");
    };
    const QLabel* note = open("Ohnezeit");
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("Hinweis: Die Geburtszeit von Ohnezeit, Anna ist "
                                          "unbekannt; die Zeitleiste ist für 12:00 Uhr Ortszeit "
                                          "berechnet."));
    QVERIFY(!open("Müller")->isVisible());
  }

  // "Grafische Ephemeride …": the current year of the chosen person with S,
  // P and T and the points with MC, SO, AS or MO; an unchecked place is
  // refused with the timeline's message.
  void aPersonsEphemeris() {
    archive::Person unchecked = person("Ohne", "Nirgendwo", 6);
    unchecked.latitude.reset();
    const archive::Person koeln = person("Müller", "Köln", 5);
    storePersons({koeln, unchecked});
    ui::PersonsWindow& persons = openPersons();
    QVERIFY(!child(persons, "Ephemeris")->isEnabled());
    chooseRow(persons, static_cast<int>(column(persons, 0).indexOf(QStringLiteral("Müller"))));
    click(child(persons, "Ephemeris"));
    auto* ephemeris = persons.findChild<ui::EphemerisWindow*>(QStringLiteral("EphemerisWindow"));
    QVERIFY(ephemeris && ephemeris->isVisible());
    const chart::BirthData birth = std::get<chart::BirthData>(archive::birthDataOf(koeln));
    const int year = QDate::currentDate().year();
    const auto expected = timing::timeline(birth, timing::ephemerisRequest(birth, year));
    QVERIFY(expected && ephemeris->timeline().result.lines == expected->result.lines);
    QVERIFY(ephemeris->timeline().result.lines.front().find("vom 01.01." + std::to_string(year)) !=
            std::string::npos);
    ephemeris->close();

    chooseRow(persons, static_cast<int>(column(persons, 0).indexOf(QStringLiteral("Ohne"))));
    click(child(persons, "Ephemeris"));
    QVERIFY(!ephemeris->isVisible());
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::error,
                    "Bei Ohne, Anna fehlen Breite, Länge oder Zeitzone des "
                    "Geburtsorts (Ort prüfen)."));
  }

  // A new transit file stores its person (unless the box is cleared) and
  // its transit place.
  void theNewFileFormStoresThePerson() {
    click(child(run_->main(), "NewTransitButton"));
    auto* form = run_->main().findChild<ui::NewTransitForm*>(QStringLiteral("NewTransitForm"));
    for (const auto& [name, text] : std::vector<std::pair<const char*, QString>>{
             {"Name", QStringLiteral("Weiß")},
             {"Vorname", QStringLiteral("Anna")},
             {"Geburtsdatum", QStringLiteral("12.04.1981")},
             {"Geburtszeit", QStringLiteral("06:30")},
             {"Geburtsort", QStringLiteral("Hamm")},
             {"Geburtsbreite", QStringLiteral("51°41' N")},
             {"Geburtslaenge", QStringLiteral("7°49' O")},
             {"Geburtszeitzone", QStringLiteral("Europe/Berlin")},
             {"Ort", QStringLiteral("Sydney")},
             {"Breite", QStringLiteral("33°52' S")},
             {"Laenge", QStringLiteral("151°12' O")},
             {"Zeitzone", QStringLiteral("Australia/Sydney")}}) {
      retype(*form, name, text);
    }
    run_->platform().answerNext(false);
    click(child(*form, "Speichern"));
    QVERIFY(!form->isVisible());
    ui::PersonsWindow& persons = openPersons();
    QCOMPARE(column(persons, 0), QStringList{QStringLiteral("Weiß")});
    QCOMPARE(column(persons, 3), QStringList{QStringLiteral("Hamm")});
    persons.close();

    click(child(run_->main(), "NewTransitButton"));
    retype(*form, "Name", QStringLiteral("Zweite"));
    retype(*form, "Geburtsdatum", QStringLiteral("12.04.1981"));
    retype(*form, "Geburtszeit", QStringLiteral("06:30"));
    for (const char* name : {"Geburtsbreite", "Breite"}) retype(*form, name, QStringLiteral("50"));
    for (const char* name : {"Geburtslaenge", "Laenge"}) retype(*form, name, QStringLiteral("7"));
    for (const char* name : {"Geburtszeitzone", "Zeitzone"})
      retype(*form, name, QStringLiteral("UT"));
    child<QCheckBox>(*form, "StoreInArchive")->setChecked(false);
    run_->platform().answerNext(false);
    click(child(*form, "Speichern"));
    QCOMPARE(column(openPersons(), 0), QStringList{QStringLiteral("Weiß")});
    if (!atlas::atlasAvailable()) return;

    // A birth place from the atlas brings its country's code along.
    click(child(run_->main(), "NewTransitButton"));
    retype(*form, "Name", QStringLiteral("Dritte"));
    retype(*form, "Geburtsdatum", QStringLiteral("01.03.1540"));
    retype(*form, "Geburtszeit", QStringLiteral("12:00"));
    retype(*form, "Geburtsort", QStringLiteral("Bad Ischl"));
    QTest::keyClick(field(*form, "Geburtsort"), Qt::Key_Return);
    QCOMPARE(field(*form, "Geburtszeitzone")->text(), QStringLiteral("Europe/Vienna"));
    child<QCheckBox>(*form, "StoreInArchive")->setChecked(true);
    run_->platform().answerNext(false);
    click(child(*form, "Speichern"));
    QVERIFY(!form->isVisible());
    const auto stored = std::get<archive::Archive>(archive::Archive::open(archiveFile())).persons();
    const auto& all = std::get<std::vector<archive::Person>>(stored);
    const auto third = std::find_if(all.begin(), all.end(),
                                    [](const archive::Person& p) { return p.name == "Dritte"; });
    QVERIFY(third != all.end());
    QCOMPARE(third->place, std::string("Bad Ischl"));
    QCOMPARE(third->country, std::string("A"));
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::PersonsWindowTest)
#include "persons_window_test.moc"
