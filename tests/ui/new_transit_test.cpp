// The window "Neue Transit-Datei": a file from birth data and an atlas
// place, its refusals, and the load road it leads into.
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <chrono>
#include <filesystem>
#include <memory>

#include <stdexcept>

#include "atlas/place_atlas.h"
#include "chart/chart_entry.h"
#include "chart/time_zone.h"
#include "core/text_encoding.h"
#include "core/transit_record.h"
#include "ui/help/window_help.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/windows/new_transit_form.h"

namespace kelvaro::testing {
namespace {

QLineEdit* field(QWidget& window, const char* name) { return child<QLineEdit>(window, name); }

// Types the text key by key into the widget (umlauts and "°" included,
// which QTest's own key clicks do not take).
void keyTexts(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

// Replaces the text of a field key by key, as a user does.
void typeInto(QWidget& window, const char* name, const QString& text) {
  QLineEdit* entry = field(window, name);
  entry->setFocus();
  entry->selectAll();
  QTest::keyClick(entry, Qt::Key_Delete);
  keyTexts(entry, text);
}

// The UT moment that the transit's date, time and zone fields name.
std::chrono::sys_seconds transitMoment(QWidget& form) {
  const auto date =
      std::get<chart::Date>(chart::checkDate("Datum", field(form, "Datum")->text().toStdString()));
  const auto time = std::get<chart::ClockTime>(
      chart::checkTime("Zeit", field(form, "Zeit")->text().toStdString()));
  const auto zone = std::get<chart::TimeZone>(
      chart::TimeZone::parse(field(form, "Zeitzone")->text().toStdString()));
  return std::get<std::chrono::sys_seconds>(zone.toUniversal({date, {time.hour, time.minute, 0}}));
}

std::size_t filesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

}  // namespace

class NewTransitTest : public UiTestCase {
  Q_OBJECT

  ui::NewTransitForm& openForm() {
    click(child(run_->main(), "NewTransitButton"));
    auto* form = run_->main().findChild<ui::NewTransitForm*>(QStringLiteral("NewTransitForm"));
    if (form && !QTest::qWaitForWindowActive(form))
      qWarning("the new window did not become active");
    return *form;
  }

  // Birth data of a person born in Cologne, a transit there.
  void fillPerson(ui::NewTransitForm& form) {
    typeInto(form, "Name", QStringLiteral("Müller"));
    typeInto(form, "Vorname", QStringLiteral("Anna"));
    typeInto(form, "Geburtsdatum", QStringLiteral("05.03.1970"));
    typeInto(form, "Geburtszeit", QStringLiteral("14:30"));
    typeInto(form, "Geburtsort", QStringLiteral("Köln"));
    typeInto(form, "Geburtsbreite", QStringLiteral("50°56' N"));
    typeInto(form, "Geburtslaenge", QStringLiteral("6°57' O"));
    typeInto(form, "Geburtszeitzone", QStringLiteral("Europe/Berlin"));
    typeInto(form, "Datum", QStringLiteral("08.12.2026"));
    typeInto(form, "Zeit", QStringLiteral("12:00"));
    typeInto(form, "Zeitzone", QStringLiteral("+01:00"));
    typeInto(form, "Breite", QStringLiteral("50.9333"));
    typeInto(form, "Laenge", QStringLiteral("6.95"));
  }

  void setUp() override {
    run_ = std::make_unique<UiRun>();
    run_->start();
  }

 private slots:
  void cologneFromTheAtlasInAFewKeystrokesAndItLoads() {
    if (!atlas::atlasAvailable()) QSKIP("built without the place atlas");
    ui::NewTransitForm& form = openForm();
    QVERIFY(form.isVisible());
    QCOMPARE(QApplication::focusWidget(), field(form, "Name"));
    QVERIFY(!field(form, "Datum")->text().isEmpty());  // now, by default
    keyTexts(field(form, "Name"), QStringLiteral("Müller"));
    typeInto(form, "Geburtsdatum", QStringLiteral("05.03.1970"));
    typeInto(form, "Geburtszeit", QStringLiteral("14:30"));
    typeInto(form, "Geburtsort", QStringLiteral("Cologne"));
    QTRY_VERIFY(child<QListWidget>(form, "GeburtsortTreffer")->count() > 0);  // after a pause
    QTest::keyClick(field(form, "Geburtsort"), Qt::Key_Return);
    QCOMPARE(field(form, "Geburtsort")->text(), QStringLiteral("Köln"));
    QCOMPARE(field(form, "Geburtsbreite")->text(), QStringLiteral("50°56'00\" N"));
    QCOMPARE(field(form, "Geburtslaenge")->text(), QStringLiteral("06°57'00\" O"));
    QCOMPARE(field(form, "Geburtszeitzone")->text(), QStringLiteral("Europe/Berlin"));
    QCOMPARE(field(form, "Geburtsland")->text(), QStringLiteral("D"));
    QCOMPARE(field(form, "Ort")->text(), QStringLiteral("Köln"));
    QCOMPARE(field(form, "Laenge")->text(), QStringLiteral("06°57'00\" O"));
    // Enter searches at once, without the pause; the transit place is then its own.
    typeInto(form, "Ort", QStringLiteral("Sydney"));
    QTest::keyClick(field(form, "Ort"), Qt::Key_Return);
    QCOMPARE(field(form, "Zeitzone")->text(), QStringLiteral("Australia/Sydney"));
    QCOMPARE(field(form, "Geburtszeitzone")->text(), QStringLiteral("Europe/Berlin"));
    QVERIFY(!ui::windowHelp(form) || !ui::windowHelp(form)->isVisible());  // Enter only searches
    typeInto(form, "Datum", QStringLiteral("08.12.2026"));
    typeInto(form, "Zeitzone", QStringLiteral("UT"));

    run_->platform().answerNext(true);
    click(child(form, "Speichern"));
    QVERIFY(!form.isVisible());
    const auto file = run_->folders().transit / pathFromUtf8("Müller--08122026.dat");
    QVERIFY(std::filesystem::exists(file));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});  // the question to load
    // The usual road: the orb entry opens on the new record.
    ui::Program& program = run_->program();
    QVERIFY(program.orbDialog().isVisible());
    QVERIFY(run_->main().record().has_value());
    QCOMPARE(run_->main().record()->surname(), std::string("Müller"));
    QCOMPARE(run_->main().record()->place(), std::string("Sydney"));
    QCOMPARE(run_->main().record()->coordinate1(), std::string("33°52' S"));
    QVERIFY(run_->platform().fileDialogFolders().empty());
    program.orbDialog().accept();
    click(child(program.contentOverview(), "Button1"));
    QCOMPARE(run_->main().state(), ui::MainWindow::State::ready);
  }

  void refusedFieldsGetTheirBoxAndTheFocus() {
    ui::NewTransitForm& form = openForm();
    const auto refuse = [&](const char* name, const QString& wrong, const std::string& message) {
      fillPerson(form);
      typeInto(form, name, wrong);
      run_->platform().forgetBoxes();
      click(child(form, "Speichern"));
      QCOMPARE(run_->platform().boxes(), oneBox(ui::BoxKind::error, message));
      QCOMPARE(QApplication::focusWidget(), field(form, name));
    };
    refuse("Name", QString(), "Name: Bitte angeben.");
    refuse("Geburtszeitzone", QStringLiteral("Europe/Koeln"),
           "Zeitzone der Geburt: Die Zeitzone \"Europe/Koeln\" ist unbekannt. Bitte einen Namen "
           "wie Europe/Berlin, UT oder eine feste Abweichung wie +01:00 angeben.");
    refuse("Breite", QStringLiteral("91"),
           "Breite des Transitorts: \"91\" liegt außerhalb von 89°59' S bis 89°59' N.");
    refuse("Datum", QStringLiteral("01.01.1960"),
           "Transitdatum: Der Transitzeitpunkt liegt vor der Geburt.");
    QCOMPARE(filesIn(run_->folders().transit), std::size_t{0});
    QVERIFY(form.isVisible());
    click(child(form, "Abbrechen"));
    QVERIFY(!form.isVisible());
    QCOMPARE(run_->main().state(), ui::MainWindow::State::initial);
  }

  // The present moment keeps its instant: a zone typed for the transit, or
  // copied with the birth place, shows it on its own clock, until the user
  // types a date or a time.
  void thePresentMomentKeepsItsInstant() {
    ui::NewTransitForm* form = &openForm();
    const std::chrono::sys_seconds now = transitMoment(*form);
    const QString first = field(*form, "Zeitzone")->text();
    const QString tokyo = first == QStringLiteral("Asia/Tokyo") ? QStringLiteral("America/Lima")
                                                                : QStringLiteral("Asia/Tokyo");
    typeInto(*form, "Zeitzone", tokyo);
    QCOMPARE(transitMoment(*form), now);
    typeInto(*form, "Zeitzone", QStringLiteral("+05:30"));
    QCOMPARE(transitMoment(*form), now);

    click(child(*form, "Abbrechen"));
    form = &openForm();
    const std::chrono::sys_seconds reopened = transitMoment(*form);
    typeInto(*form, "Geburtsort", QStringLiteral("Tokio"));
    typeInto(*form, "Geburtszeitzone", tokyo);
    QCOMPARE(field(*form, "Ort")->text(), QStringLiteral("Tokio"));
    QCOMPARE(field(*form, "Zeitzone")->text(), tokyo);
    QCOMPARE(transitMoment(*form), reopened);

    // A typed time is the user's: a later zone leaves it as it stands.
    typeInto(*form, "Zeit", QStringLiteral("12:00"));
    typeInto(*form, "Zeitzone", QStringLiteral("UT"));
    QCOMPARE(field(*form, "Zeit")->text(), QStringLiteral("12:00"));
  }

  // The file name begins with a letter or digit, so that no program takes
  // it for an option; a name too long for a file name is refused at the
  // name field before anything is computed.
  void fileNamesBeginWithALetterAndFitTheFileSystem() {
    ui::NewTransitForm& form = openForm();
    fillPerson(form);
    typeInto(form, "Name", QStringLiteral("-rf"));
    run_->platform().answerNext(false);  // do not load it
    click(child(form, "Speichern"));
    QVERIFY(std::filesystem::exists(run_->folders().transit / "rf-Anna-08122026.dat"));

    ui::NewTransitForm& again = openForm();
    fillPerson(again);
    field(again, "Name")->setText(QString(242, QLatin1Char('x')));
    field(again, "Vorname")->clear();
    run_->platform().forgetBoxes();
    click(child(again, "Speichern"));
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::error,
                    "Name: Name und Vorname sind zusammen zu lang für den Dateinamen (er hätte "
                    "256 Bytes, erlaubt sind 255). Bitte kürzer angeben."));
    QCOMPARE(QApplication::focusWidget(), field(again, "Name"));
    QVERIFY(again.isVisible());
    QCOMPARE(filesIn(run_->folders().transit), std::size_t{1});
    field(again, "Name")->setText(QString(241, QLatin1Char('x')));
    run_->platform().answerNext(false);
    click(child(again, "Speichern"));
    QCOMPARE(filesIn(run_->folders().transit), std::size_t{2});
  }

  // A computation that fails (it should not) is reported; the window stays
  // open with everything entered, and nothing is written.
  void aFailedComputationIsReportedAndTheWindowStays() {
    ui::NewTransitForm& form = openForm();
    form.setRecordMaker([](const chart::ChartRequest&) -> TransitRecord {
      throw std::runtime_error("ephemeris: error in file seorbel.txt");
    });
    fillPerson(form);
    click(child(form, "Speichern"));
    QCOMPARE(run_->platform().boxes(), oneBox(ui::BoxKind::error,
                                              "Die Transit-Datei lässt sich nicht berechnen: "
                                              "ephemeris: error in file seorbel.txt"));
    QVERIFY(form.isVisible());
    QCOMPARE(field(form, "Name")->text(), QStringLiteral("Müller"));
    QCOMPARE(filesIn(run_->folders().transit), std::size_t{0});
  }

  void anExistingFileIsReplacedOnlyWhenTheUserAgrees() {
    const auto file = pathFromUtf8(run_->transitFile("Müller-Anna-08122026.dat", {1, 2, 3}));
    ui::NewTransitForm& form = openForm();
    fillPerson(form);
    run_->platform().answerNext(false);
    click(child(form, "Speichern"));
    QCOMPARE(std::filesystem::file_size(file), std::uintmax_t{3});
    QVERIFY(form.isVisible());
    run_->platform().answerNext(true).answerNext(false);  // replace, but do not load
    click(child(form, "Speichern"));
    QCOMPARE(std::filesystem::file_size(file), std::uintmax_t{kRecordSize});
    QVERIFY(!form.isVisible());
    QVERIFY(child(run_->main(), "Panel5")->isVisible());
    QVERIFY(run_->platform().unscripted().empty());
  }

  // What a new user reads: help by F1 that names the transit folder,
  // examples that cannot pass for values, and a word when the atlas finds
  // nothing.
  void theFormExplainsItselfAndItsExamples() {
    ui::NewTransitForm& form = openForm();
    QTest::keyClick(field(form, "Name"), Qt::Key_F1);
    ui::HelpWindow* help = ui::windowHelp(form);
    QVERIFY(help && help->isVisible());
    QVERIFY(help->text().contains(QString::fromStdString(utf8FromPath(run_->folders().transit))));
    help->close();
    for (const char* name :
         {"Geburtsbreite", "Geburtslaenge", "Geburtszeitzone", "Breite", "Laenge", "Zeitzone"}) {
      QVERIFY2(field(form, name)->placeholderText().startsWith(QStringLiteral("z. B. ")), name);
    }
    if (!atlas::atlasAvailable()) return;
    // "Land" limits the search: no Köln in Austria, the Swiss Freiburg in
    // Switzerland, and a country typed afterwards searches again.
    typeInto(form, "Geburtsland", QStringLiteral("A"));
    typeInto(form, "Geburtsort", QStringLiteral("Köln"));
    auto* matches = child<QListWidget>(form, "GeburtsortTreffer");
    QTRY_COMPARE(matches->count(), 1);
    QVERIFY(matches->item(0)->text().startsWith(QStringLiteral("Kein Ort gefunden im Land A.")));
    typeInto(form, "Geburtsort", QStringLiteral("Freiburg"));
    QTRY_VERIFY(matches->count() > 0);
    typeInto(form, "Geburtsland", QStringLiteral("CH"));
    QTRY_VERIFY(matches->item(0)->text().contains(QStringLiteral("(Europe/Zurich)")));
    for (int row = 0; row < matches->count(); ++row) {
      QVERIFY(matches->item(row)->text().contains(QStringLiteral("(Europe/Zurich)")));
    }
    QTest::keyClick(field(form, "Geburtsort"), Qt::Key_Return);
    QCOMPARE(field(form, "Geburtszeitzone")->text(), QStringLiteral("Europe/Zurich"));
    QCOMPARE(field(form, "Geburtsland")->text(), QStringLiteral("CH"));
    field(form, "Geburtsland")->clear();
    typeInto(form, "Geburtsort", QStringLiteral("Kölnxq"));
    QTRY_COMPARE(matches->count(), 1);
    QVERIFY(matches->item(0)->text().startsWith(QStringLiteral("Kein Ort gefunden.")));
    QVERIFY(matches->item(0)->text().contains(QStringLiteral("Schreibweise")));
    QVERIFY(!(matches->item(0)->flags() & Qt::ItemIsSelectable));
    QTest::keyClick(field(form, "Geburtsort"), Qt::Key_Return);  // changes nothing
    QCOMPARE(field(form, "Geburtsort")->text(), QStringLiteral("Kölnxq"));
    QCOMPARE(field(form, "Geburtszeitzone")->text(), QStringLiteral("Europe/Zurich"));
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::NewTransitTest)
#include "new_transit_test.moc"
