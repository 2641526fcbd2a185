// Two persons chosen together in the persons window: "Vergleich …" makes the
// comparison, the composite or the Davison file, the same bytes the command
// line writes, and loads it with both persons in the header.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>

#include <fstream>
#include <iterator>

#include "archive/archive.h"
#include "archive/person_birth.h"
#include "archive/person_pair.h"
#include "atlas/place_atlas.h"
#include "chart/pair_chart.h"
#include "chart/transit_chart.h"
#include "core/text_encoding.h"
#include "core/transit_record.h"
#include "output/result_file.h"
#include "support/file_bytes.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/widgets/text_view.h"
#include "ui/windows/pair_chart_dialog.h"
#include "ui/windows/persons_window.h"

namespace kelvaro::testing {
namespace {

QLineEdit* field(QWidget& window, const char* name) { return child<QLineEdit>(window, name); }

// A click on a row of the list, with Ctrl to add it to the chosen ones.
void clickRow(QWidget& window, int row, Qt::KeyboardModifiers modifiers = {}) {
  auto* table = child<QTableView>(window, "PersonTable");
  const QRect cell = table->visualRect(table->model()->index(row, 0));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, cell.center());
}

archive::Person person(std::string name, std::string firstName, chart::Date day, int hour,
                       double latitude, double longitude, std::string zone, std::string place) {
  archive::Person made;
  made.name = std::move(name);
  made.firstName = std::move(firstName);
  made.birthDate = day;
  made.birthTime = archive::BirthTime{hour, 30, 0, false};
  made.zone = std::move(zone);
  made.place = std::move(place);
  made.latitude = latitude;
  made.longitude = longitude;
  made.birthMoment = archive::momentOfBirth(made);
  return made;
}

}  // namespace

class PairChartWindowTest : public UiTestCase {
  Q_OBJECT

  std::filesystem::path archiveFile() const {
    std::filesystem::create_directories(run_->folders().data);
    return archive::archiveFileIn(run_->folders().data);
  }

  std::vector<archive::Person> stored() const {
    auto opened = archive::Archive::open(archiveFile(), archive::Archive::Access::read);
    return std::get<std::vector<archive::Person>>(std::get<archive::Archive>(opened).persons());
  }

  // The persons window with Müller (row 0) and Weiß (row 1), both chosen.
  ui::PersonsWindow& chooseBoth(bool withLastPlace = true) {
    {
      auto opened = archive::Archive::open(archiveFile());
      auto& archive = std::get<archive::Archive>(opened);
      archive.storeAll(
          {person("Weiß", "Anna", {1981, 4, 12}, 6, 50.9333, 6.95, "Europe/Berlin", "Köln"),
           person("Müller", "Hans", {1975, 11, 3}, 22, 40.7167, -74, "America/New_York",
                  "New York")});
      if (withLastPlace) {
        archive.rememberTransitPlace({"Bonn", "50°44' N", "07°06' O", "Europe/Berlin"});
      }
    }
    click(child(run_->main(), "PersonsButton"));
    auto* window = run_->main().findChild<ui::PersonsWindow*>(QStringLiteral("PersonsWindow"));
    if (!QTest::qWaitForWindowActive(window)) qWarning("the window did not become active");
    clickRow(*window, 0);
    clickRow(*window, 1, Qt::ControlModifier);
    return *window;
  }

  ui::PairChartDialog& openDialog(ui::PersonsWindow& persons) {
    click(child(persons, "PairChart"));
    auto* dialog = run_->main().findChild<ui::PairChartDialog*>(QStringLiteral("PairChartDialog"));
    if (!dialog || !QTest::qWaitForWindowActive(dialog)) qWarning("no active dialog");
    return *dialog;
  }

  // The file the chart layer makes of the archive's persons A and B.
  std::string expectedFile(chart::PairKind kind, const archive::Person& a, const archive::Person& b,
                           const archive::TransitPlace& place = {"Bonn", "50°44' N", "07°06' O",
                                                                 "Europe/Berlin"}) {
    auto pair = std::get<archive::PairEntries>(archive::pairEntries(a, b));
    pair.first.place = place.place;
    pair.first.transitDate = "08.12.2026";
    pair.first.transitTime = "12:00";
    pair.first.transitZone = place.zone;
    pair.first.transitLatitude = place.latitude;
    pair.first.transitLongitude = place.longitude;
    const auto bytes = serializeTransitRecord(
        std::get<chart::PairChart>(chart::computePairChart(kind, pair.first, pair.second)).record);
    return {bytes.begin(), bytes.end()};
  }

  void setUp() override {
    run_ = std::make_unique<UiRun>();
    run_->start();
  }

 private slots:
  // One person chosen: the buttons of one; two: only "Vergleich …".
  void twoPersonsChosenTogether() {
    ui::PersonsWindow& persons = chooseBoth();
    QVERIFY(child(persons, "PairChart")->isEnabled());
    QVERIFY(!child(persons, "TransitFile")->isEnabled());
    QVERIFY(!child(persons, "Timeline")->isEnabled());
    clickRow(persons, 1);
    QVERIFY(!child(persons, "PairChart")->isEnabled());
    QVERIFY(child(persons, "TransitFile")->isEnabled());
    clickRow(persons, 0, Qt::ControlModifier);
    // Away to another window and back: both stay chosen.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    persons.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&persons));
    QCOMPARE(child<QTableView>(persons, "PersonTable")->selectionModel()->selectedRows().size(), 2);
    QVERIFY(child(persons, "PairChart")->isEnabled());

    ui::PairChartDialog& dialog = openDialog(persons);
    QVERIFY(dialog.isVisible());
    QVERIFY(child<QLabel>(dialog, "PersonA")->text().startsWith(QStringLiteral("Müller, Hans")));
    QVERIFY(child<QLabel>(dialog, "PersonB")->text().startsWith(QStringLiteral("Weiß, Anna")));
    // The transit as a new transit file of a person has it.
    QCOMPARE(field(dialog, "Ort")->text(), QStringLiteral("Bonn"));
    QCOMPARE(field(dialog, "Zeitzone")->text(), QStringLiteral("Europe/Berlin"));
    QVERIFY(!child(dialog, "DavisonSpeichern")->isEnabled());
    click(child(dialog, "Tauschen"));
    QVERIFY(child<QLabel>(dialog, "PersonA")->text().startsWith(QStringLiteral("Weiß, Anna")));
    click(child(dialog, "Abbrechen"));
    QVERIFY(!dialog.isVisible());
    QVERIFY(std::filesystem::is_empty(run_->folders().transit) ||
            !std::filesystem::exists(run_->folders().transit));
  }

  // Without a transit place used before, the transit is at A's birth place,
  // and follows A when the persons are swapped, until a place is typed.
  void withoutAnEarlierPlaceTheTransitIsAtAsBirthPlace() {
    ui::PairChartDialog& dialog = openDialog(chooseBoth(false));
    QCOMPARE(field(dialog, "Ort")->text(), QStringLiteral("New York"));
    QCOMPARE(field(dialog, "Zeitzone")->text(), QStringLiteral("America/New_York"));
    click(child(dialog, "Tauschen"));
    QCOMPARE(field(dialog, "Ort")->text(), QStringLiteral("Köln"));
    QCOMPARE(field(dialog, "Breite")->text(), QStringLiteral("50°56'00\" N"));
    retype(dialog, "Ort", QStringLiteral("Bonn"));
    click(child(dialog, "Tauschen"));
    QCOMPARE(field(dialog, "Ort")->text(), QStringLiteral("Bonn"));
    QCOMPARE(field(dialog, "Zeitzone")->text(), QStringLiteral("Europe/Berlin"));
  }

  void eachKindWritesTheFileOfTheChartLayer_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::addRow("Vergleich") << "Vergleich" << int(chart::PairKind::comparison)
                               << "Weiß-Anna-Vergleich-Müller-Hans-08122026.dat";
    QTest::addRow("Composit") << "Composit" << int(chart::PairKind::composite)
                              << "Composit-Weiß-Anna-Müller-Hans-08122026.dat";
    QTest::addRow("Davison") << "Davison" << int(chart::PairKind::davison)
                             << "Davison-Weiß-Anna-Müller-Hans-08122026.dat";
  }

  void eachKindWritesTheFileOfTheChartLayer() {
    QFETCH(QString, button);
    QFETCH(int, kind);
    QFETCH(QString, file);
    ui::PairChartDialog& dialog = openDialog(chooseBoth());
    click(child(dialog, "Tauschen"));  // Weiß is A
    click(child<QRadioButton>(dialog, button.toLatin1().constData()));
    retype(dialog, "Datum", QStringLiteral("08.12.2026"));
    retype(dialog, "Zeit", QStringLiteral("12:00"));
    const bool davison = kind == int(chart::PairKind::davison);
    QCOMPARE(child(dialog, "DavisonSpeichern")->isEnabled(), davison);
    if (davison) click(child(dialog, "DavisonSpeichern"));
    run_->platform().answerNext(false);  // not loaded now
    click(child(dialog, "Speichern"));
    QVERIFY(!dialog.isVisible());
    const auto target = run_->folders().transit / pathFromUtf8(ui::toUtf8(file));
    QVERIFY2(std::filesystem::exists(target), utf8FromPath(target).c_str());
    const std::vector<archive::Person> persons = stored();
    const archive::Person& weiss = persons[0].name == "Weiß" ? persons[0] : persons[1];
    const archive::Person& mueller = persons[0].name == "Weiß" ? persons[1] : persons[0];
    const std::string written = fileBytes(target);
    QCOMPARE(written, expectedFile(chart::PairKind(kind), weiss, mueller));
    QCOMPARE(persons.size(), std::size_t(davison ? 3 : 2));
    if (davison) {
      // The stored Davison person gives the same file as a transit file.
      const archive::Person& stored = persons[2];
      QCOMPARE(stored.name, std::string("Davison"));
      QCOMPARE(stored.firstName, std::string("Anna Weiß & Hans Müller"));
      chart::ChartEntry entry = archive::birthEntry(stored);
      entry.place = "Bonn";
      entry.transitDate = "08.12.2026";
      entry.transitTime = "12:00";
      entry.transitZone = "Europe/Berlin";
      entry.transitLatitude = "50°44' N";
      entry.transitLongitude = "07°06' O";
      const auto bytes = serializeTransitRecord(chart::computeTransitRecord(
          std::get<chart::ChartRequest>(chart::checkChartEntry(entry))));
      QCOMPARE(written, std::string(bytes.begin(), bytes.end()));
    }
    QVERIFY(run_->platform().unscripted().empty());
  }

  // The transit place is searched in the atlas as in a new transit file:
  // Enter takes the first place, a click the one clicked, with its
  // coordinates and zone; the file is made for the place chosen.
  void theTransitPlaceIsFoundInTheAtlas() {
    if (!atlas::atlasAvailable()) QSKIP("built without the place atlas");
    ui::PairChartDialog& dialog = openDialog(chooseBoth());
    click(child(dialog, "Tauschen"));  // Weiß is A
    retype(dialog, "Datum", QStringLiteral("08.12.2026"));
    retype(dialog, "Zeit", QStringLiteral("12:00"));
    retype(dialog, "Ort", QStringLiteral("Sydney"));
    QTest::keyClick(field(dialog, "Ort"), Qt::Key_Return);
    QCOMPARE(field(dialog, "Zeitzone")->text(), QStringLiteral("Australia/Sydney"));
    QVERIFY(dialog.isVisible());  // Enter in the place field saves nothing

    retype(dialog, "Ort", QStringLiteral("Cologne"));
    auto* matches = child<QListWidget>(dialog, "OrtTreffer");
    QTRY_VERIFY(matches->count() > 0);  // after a pause in the typing
    QVERIFY(matches->item(0)->text().startsWith(QStringLiteral("Köln")));
    QTest::mouseClick(matches->viewport(), Qt::LeftButton, {},
                      matches->visualItemRect(matches->item(0)).center());
    QCOMPARE(field(dialog, "Ort")->text(), QStringLiteral("Köln"));
    QCOMPARE(field(dialog, "Breite")->text(), QStringLiteral("50°56'00\" N"));
    QCOMPARE(field(dialog, "Laenge")->text(), QStringLiteral("06°57'00\" O"));
    QCOMPARE(field(dialog, "Zeitzone")->text(), QStringLiteral("Europe/Berlin"));
    QCOMPARE(matches->count(), 0);
    // Swapping keeps a place the user chose.
    click(child(dialog, "Tauschen"));
    click(child(dialog, "Tauschen"));
    QCOMPARE(field(dialog, "Ort")->text(), QStringLiteral("Köln"));

    run_->platform().answerNext(false);
    click(child(dialog, "Speichern"));
    const auto target =
        run_->folders().transit / pathFromUtf8("Weiß-Anna-Vergleich-Müller-Hans-08122026.dat");
    const std::vector<archive::Person> persons = stored();
    QCOMPARE(fileBytes(target),
             expectedFile(chart::PairKind::comparison, persons[0], persons[1],
                          {"Köln", "50°56'00\" N", "06°57'00\" O", "Europe/Berlin"}));
    QVERIFY(run_->platform().unscripted().empty());
  }

  // A refused entry keeps the window open, says why and writes nothing.
  void refusalsWriteNothing() {
    ui::PairChartDialog& dialog = openDialog(chooseBoth());
    // A comparison takes a partner born after the date; a composite does not.
    click(child(dialog, "Composit"));
    retype(dialog, "Datum", QStringLiteral("01.01.1980"));
    click(child(dialog, "Speichern"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QCOMPARE(run_->platform().boxes()[0].text,
             std::string("Weiß, Anna: Transitdatum: Der Transitzeitpunkt liegt vor der Geburt."));
    run_->platform().forgetBoxes();
    retype(dialog, "Datum", QStringLiteral("08.12.2026"));
    retype(dialog, "Zeitzone", QStringLiteral("Mars/Olympus"));
    click(child(dialog, "Speichern"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QVERIFY(run_->platform().boxes()[0].text.starts_with("Müller, Hans: Zeitzone des Transits"));
    QVERIFY(!std::filesystem::exists(run_->folders().transit) ||
            std::filesystem::is_empty(run_->folders().transit));
    click(child(dialog, "Abbrechen"));
  }

  // Loaded at once: the header line and a printed heading name both.
  void theComparisonLoadsWithBothNames() {
    ui::PairChartDialog& dialog = openDialog(chooseBoth());
    click(child(dialog, "Tauschen"));
    run_->platform().answerNext(true);
    click(child(dialog, "Speichern"));
    QTRY_VERIFY(run_->main().record().has_value());
    const TransitRecord& record = *run_->main().record();
    const std::string both = "Weiß, Anna (r, p, s), t = Radix Müller, Hans";
    QVERIFY(ui::toUtf8(child<QLabel>(run_->main(), "Panel2")->text()).find(both) !=
            std::string::npos);
    QVERIFY(printHeader(record).starts_with("Weiß," + std::string("Anna (r, p, s), t = Radix "
                                                                  "Müller, Hans, Bonn, ")));
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::PairChartWindowTest)
#include "pair_chart_window_test.moc"
#include "support/file_bytes.h"
