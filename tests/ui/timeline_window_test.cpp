// The calendar window opened for a person: the timeline with S, P and T, its
// lines in the window, printed, saved and exported as iCalendar, and its
// refusals.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/text_encoding.h"
#include "output/csv_text.h"
#include "output/save.h"
#include "support/birth_data.h"
#include "support/file_bytes.h"
#include "timing/calendar_entry.h"
#include "timing/ical_export.h"
#include "timing/timeline.h"
#include "timing/timeline_table.h"
#include "ui/platform/dial_size_choice.h"
#include "ui/platform/timeline_choices.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/windows/calendar_window.h"

namespace kelvaro::testing {

using ui::BoxKind;

// The file a save dialog proposed: its folder and name.
std::filesystem::path proposed(const ui::SaveDialog& dialog) {
  return dialog.folder / pathFromUtf8(dialog.proposedName);
}

std::size_t eventsIn(const std::string& icalendar) {
  std::size_t count = 0;
  for (std::size_t at = 0; (at = icalendar.find("BEGIN:VEVENT", at)) != std::string::npos; ++at) {
    ++count;
  }
  return count;
}

class TimelineWindowTest : public UiTestCase {
  Q_OBJECT

 protected:
  void setUp() override {
    // The user's clock shows New York's time (the zone of the birth is
    // Berlin's); Windows takes its zone from the system instead.
    qputenv("TZ", "America/New_York");
    run_ = std::make_unique<UiRun>();
    run_->start();
    birth_ = birthData(kKoeln);
    openWindow();
  }

  void openWindow() {
    window_ = new ui::CalendarWindow(run_->platform(), &run_->main(), {}, run_->startFolder());
    window_->openFor(birth_);
    QVERIFY(window_->isVisible() && window_->isModal());
    child<QDateEdit>(*window_, "FromDate")->setDate(QDate(2026, 1, 1));
    child<QDateEdit>(*window_, "ToDate")->setDate(QDate(2026, 3, 31));
  }

 private slots:
  void opensWithSPAndTForThePerson() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Zeitleiste – Müller, Anna"));
    for (const char* kind : {"SolarArcBox", "ProgressedBox", "TransitBox"}) {
      QVERIFY(child<QCheckBox>(*window_, kind)->isEnabled());
      QVERIFY(child<QCheckBox>(*window_, kind)->isChecked());
    }
    // The times are shown on the user's clock, not the birth's.
#ifndef Q_OS_WIN
    QCOMPARE(ui::userZoneName(), std::optional<std::string>("America/New_York"));
#endif
    QCOMPARE(child<QLineEdit>(*window_, "ZoneEdit")->text(),
             ui::toQString(ui::userZoneName().value_or(birth_.zone.name())));
    const auto factors = child(*window_, "FactorGroup")->findChildren<QCheckBox*>();
    QCOMPARE(factors.size(), 22);
    for (const QCheckBox* box : factors) QVERIFY(box->isChecked());
    QVERIFY(child(*window_, "OrbEdit")->isVisible());
    QVERIFY(child(*window_, "TimelineList")->isVisible());
    for (const char* button : {"PrintButton", "PdfButton", "SaveButton", "ExportButton"}) {
      QVERIFY(!child(*window_, button)->isEnabled());
    }
    // Without T the bodies of T are not asked for, without S and P neither
    // their factors nor the orb.
    click(child(*window_, "TransitBox"));
    QVERIFY(!child(*window_, "BodyGroup")->isEnabled());
    click(child(*window_, "SolarArcBox"));
    click(child(*window_, "ProgressedBox"));
    QVERIFY(!child(*window_, "FactorGroup")->isEnabled());
    QVERIFY(!child(*window_, "OrbEdit")->isEnabled());
  }

  void showsTheTimelineOfTheLibrary() {
    child<QLineEdit>(*window_, "OrbEdit")->setText(QStringLiteral("1:12"));
    click(child(*window_, "ComputeButton"));
    QVERIFY(window_->isVisible());
    QVERIFY(run_->platform().boxes().empty());
    const auto expected = timing::timeline(birth_, request());
    QVERIFY(expected);
    QCOMPARE(viewLines(*window_, "TimelineList"), expected->result.lines);
    QCOMPARE(text(*window_, "TimelineHeading"), timing::timelineHeading(DialSize::standard()));
    QVERIFY(expected->result.lines.size() > 100);
    for (const char* button : {"PrintButton", "PdfButton", "SaveButton", "ExportButton"}) {
      QVERIFY(child(*window_, button)->isEnabled());
    }
  }

  // The size chosen is the dial of the timeline, kept for the next one; the
  // transit calendar of the same window keeps its own.
  void computesOnTheChosenDial() {
    auto* sizes = child<QComboBox>(*window_, "DialSizeBox");
    QCOMPARE(sizes->currentText(), QStringLiteral("22,5°"));
    sizes->setCurrentIndex(2);  // 45°
    click(child(*window_, "ComputeButton"));
    QVERIFY(run_->platform().boxes().empty());
    timing::CalendarRequest asked = request();
    asked.dial = DialSize(DialSize::Kind::eighth);
    const auto expected = timing::timeline(birth_, asked);
    QVERIFY(expected);
    QCOMPARE(viewLines(*window_, "TimelineList"), expected->result.lines);
    QCOMPARE(text(*window_, "TimelineHeading"),
             std::string("Zeitleiste: Solarbogen, Progression und Transite auf der 45°-Scheibe"));
    QCOMPARE(ui::rememberedDialSize(QStringLiteral("timeline")), asked.dial);
    QCOMPARE(ui::rememberedDialSize(QStringLiteral("calendar")), DialSize::standard());
    window_->openFor(birth_, "");
    QCOMPARE(sizes->currentText(), QStringLiteral("45°"));
    sizes->setCurrentIndex(3);
    QCOMPARE(ui::rememberedDialSize(QStringLiteral("timeline")), DialSize::standard());
  }

  void savesExportsAndPrints() {
    click(child(*window_, "ComputeButton"));
    const auto expected = timing::timeline(birth_, request());
    QVERIFY(expected);
    const auto text = run_->startFolder() / "zeitleiste.txt";
    run_->platform().saveNextAs(text);
    click(child(*window_, "SaveButton"));
    QCOMPARE(run_->platform().saveDialogs().size(), std::size_t{1});
    QCOMPARE(proposed(run_->platform().saveDialogs()[0]),
             run_->startFolder() / pathFromUtf8("Müller-Anna-Zeitleiste-01012026-31032026.txt"));
    TransitRecord header;
    header.texts = {"Müller", "Anna", "Zeitleiste", "01.01.2026", "31.03.2026", "", ""};
    QCOMPARE(testing::fileBytes(text), resultFileText(header, expected->result.lines));
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::information, "Gespeichert unter\r" + text.string()));
    run_->platform().forgetBoxes();

    const auto calendar = run_->startFolder() / "zeitleiste.ics";
    run_->platform().saveNextAs(calendar);
    click(child(*window_, "ExportButton"));
    QCOMPARE(proposed(run_->platform().saveDialogs()[1]),
             run_->startFolder() / pathFromUtf8("Müller-Anna-Zeitleiste-01012026-31032026.ics"));
    const std::string events = testing::fileBytes(calendar);
    QVERIFY(events.starts_with("BEGIN:VCALENDAR\r\n"));
    const std::size_t count = eventsIn(events);
    // The standard filter, and the count in the message.
    std::size_t taken = 0;
    for (const timing::TimelineHit& hit : expected->hits) taken += timing::IcalFilter{}.takes(hit);
    QCOMPARE(count, taken);
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::information, std::to_string(taken) +
                                              " Termine geschrieben (S und P ohne MO, T von JU "
                                              "bis PL).\rGespeichert unter\r" +
                                              calendar.string()));
    // "Als CSV speichern …": the table made from the hits.
    const auto table = run_->startFolder() / "zeitleiste.csv";
    run_->platform().saveNextAs(table);
    click(child(*window_, "CsvButton"));
    QCOMPARE(proposed(run_->platform().saveDialogs().back()),
             run_->startFolder() / pathFromUtf8("Müller-Anna-Zeitleiste-01012026-31032026.csv"));
    QCOMPARE(testing::fileBytes(table), csvText(timing::timelineTable(*expected, request())));
    QVERIFY(
        testing::fileBytes(table).starts_with("\xEF\xBB\xBF"
                                              "Datum,Zeit,Art,Faktor,Punkt,"));

    // "iCal: jede Zeile" writes every line of the list.
    run_->platform().forgetBoxes();
    click(child(*window_, "IcsEveryLineBox"));
    run_->platform().saveNextAs(calendar);
    click(child(*window_, "ExportButton"));
    QCOMPARE(eventsIn(testing::fileBytes(calendar)), expected->hits.size());

    // A cancelled dialog writes nothing; a folder that cannot be written says so.
    run_->platform().forgetBoxes();
    run_->platform().cancelNextSaveDialog();
    click(child(*window_, "ExportButton"));
    QVERIFY(run_->platform().boxes().empty());
    run_->platform().saveNextAs(run_->startFolder() / "fehlt" / "zeitleiste.ics");
    click(child(*window_, "ExportButton"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QCOMPARE(run_->platform().boxes()[0].kind, BoxKind::error);
    run_->platform().forgetBoxes();

    const auto pdf = run_->startFolder() / "zeitleiste.pdf";
    run_->platform().printNextTo(pdf);
    click(child(*window_, "PrintButton"));
    QCOMPARE(run_->platform().printDialogCount(), 1);
    QVERIFY(std::filesystem::file_size(pdf) > 0);
    QVERIFY(run_->platform().boxes().empty());

    // "Als PDF speichern": the same pages into the file chosen, without the
    // print dialog; a folder that does not exist is reported.
    const auto saved = run_->startFolder() / "gespeichert.pdf";
    run_->platform().saveNextAs(saved);
    click(child(*window_, "PdfButton"));
    QCOMPARE(proposed(run_->platform().saveDialogs().back()),
             run_->startFolder() / pathFromUtf8("Müller-Anna-Zeitleiste-01012026-31032026.pdf"));
    QCOMPARE(run_->platform().printDialogCount(), 1);
    QCOMPARE(testing::fileBytes(saved).substr(0, 5), std::string("%PDF-"));
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::information, "Gespeichert unter\r" + saved.string()));
    run_->platform().forgetBoxes();
    run_->platform().saveNextAs(run_->startFolder() / "fehlt" / "zeitleiste.pdf");
    click(child(*window_, "PdfButton"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QCOMPARE(run_->platform().boxes()[0].kind, BoxKind::error);
  }

  void refusesWithAMessage_data() {
    QTest::addColumn<QString>("orb");
    QTest::addColumn<bool>("noKind");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<std::string>("message");
    const QDate later(2026, 3, 31);
    QTest::addRow("orb") << "12" << false << later << "OrbEdit"
                         << std::string(
                                "Orbis: \"12\" ist kein Orbis. Bitte als G:MM angeben, "
                                "z. B. 1:12 (höchstens 9:59).");
    QTest::addRow("no kind") << "" << true << later << "TransitBox"
                             << std::string("Bitte mindestens eine Art wählen: S, P oder T.");
    QTest::addRow("eleven years") << "" << false << QDate(2037, 1, 1) << "ToDate"
                                  << std::string(
                                         "Der Zeitraum von 01.01.2026 bis 01.01.2037 ist länger "
                                         "als 10 Jahre. Bitte einen kürzeren Zeitraum angeben. "
                                         "Ohne T (Transite) sind bis zu 100 Jahre möglich.");
  }

  void refusesWithAMessage() {
    QFETCH(QString, orb);
    QFETCH(bool, noKind);
    QFETCH(QDate, to);
    QFETCH(QString, focus);
    QFETCH(std::string, message);
    child<QLineEdit>(*window_, "OrbEdit")->setText(orb);
    if (noKind) {
      for (const char* kind : {"SolarArcBox", "ProgressedBox", "TransitBox"}) {
        child<QCheckBox>(*window_, kind)->setChecked(false);
      }
    }
    child<QDateEdit>(*window_, "ToDate")->setDate(to);
    click(child(*window_, "ComputeButton"));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::error, message));
    QVERIFY(viewLines(*window_, "TimelineList").empty());
    QVERIFY(window_->focusWidget());
    QCOMPARE(window_->focusWidget()->objectName(), focus);
  }

  // What was chosen for a timeline computed comes back in the next one,
  // also in a new window of a new start; a first one has the usual choices.
  void theChoicesOfTheLastTimelineComeBack() {
    click(child(*window_, "ProgressedBox"));
    click(child(*window_, "BodyBoxSO"));
    click(child(*window_, "BodyBoxPL"));
    click(child(*window_, "FactorsOnlyButton"));  // Faktoren
    child<QLineEdit>(*window_, "ZoneEdit")->setText(QStringLiteral("Asia/Tokyo"));
    child<QLineEdit>(*window_, "OrbEdit")->setText(QStringLiteral("1:12"));
    window_->close();
    openWindow();  // nothing computed: nothing kept
    QVERIFY(child<QCheckBox>(*window_, "ProgressedBox")->isChecked());
    QVERIFY(child<QRadioButton>(*window_, "BothButton")->isChecked());
    click(child(*window_, "ProgressedBox"));
    click(child(*window_, "BodyBoxSO"));
    click(child(*window_, "BodyBoxPL"));
    click(child(*window_, "FactorsOnlyButton"));
    child<QLineEdit>(*window_, "ZoneEdit")->setText(QStringLiteral("Asia/Tokyo"));
    child<QLineEdit>(*window_, "OrbEdit")->setText(QStringLiteral("1:12"));
    click(child(*window_, "ComputeButton"));
    QVERIFY(run_->platform().boxes().empty());
    window_->close();

    run_->start();  // the next start of the program
    openWindow();
    QVERIFY(child<QCheckBox>(*window_, "SolarArcBox")->isChecked());
    QVERIFY(!child<QCheckBox>(*window_, "ProgressedBox")->isChecked());
    QVERIFY(child<QCheckBox>(*window_, "TransitBox")->isChecked());
    QVERIFY(child<QCheckBox>(*window_, "BodyBoxSO")->isChecked());
    QVERIFY(!child<QCheckBox>(*window_, "BodyBoxPL")->isChecked());
    QVERIFY(child<QCheckBox>(*window_, "BodyBoxJU")->isChecked());
    QVERIFY(child<QRadioButton>(*window_, "FactorsOnlyButton")->isChecked());
    QCOMPARE(child<QLineEdit>(*window_, "ZoneEdit")->text(), QStringLiteral("Asia/Tokyo"));
    QCOMPARE(child<QLineEdit>(*window_, "OrbEdit")->text(), QStringLiteral("1:12"));
  }

  // Without T a century: the solar-arc MC of a lifetime.
  void aCenturyWithoutTransits() {
    child<QCheckBox>(*window_, "TransitBox")->setChecked(false);
    child<QCheckBox>(*window_, "ProgressedBox")->setChecked(false);
    for (QCheckBox* box : child(*window_, "FactorGroup")->findChildren<QCheckBox*>()) {
      box->setChecked(box->text() == QStringLiteral("MC"));
    }
    child<QDateEdit>(*window_, "FromDate")->setDate(QDate(1970, 3, 5));
    child<QDateEdit>(*window_, "ToDate")->setDate(QDate(2070, 3, 4));
    click(child(*window_, "ComputeButton"));
    QVERIFY(run_->platform().boxes().empty());
    const auto lines = viewLines(*window_, "TimelineList");
    QVERIFY(lines.size() > 1000);
    QVERIFY(lines.back().substr(6, 4) >= "2069");
    for (std::size_t i = 1; i < lines.size(); ++i) {
      QVERIFY2(lines[i].substr(timing::kHitTextColumn, 6) == "MCs = ", lines[i].c_str());
    }
  }

 private:
  timing::CalendarRequest request() const {
    timing::CalendarRequest asked;
    asked.from = {2026, 1, 1};
    asked.to = {2026, 3, 31};
    asked.zone = std::get<chart::TimeZone>(
        chart::TimeZone::parse(child<QLineEdit>(*window_, "ZoneEdit")->text().toStdString()));
    asked.movers = {true, true, true};
    asked.bodies = timing::defaultCalendarBodies();
    asked.factors = timing::allDirectedFactors();
    const QString orb = child<QLineEdit>(*window_, "OrbEdit")->text();
    if (!orb.isEmpty()) asked.orb = 1.2;
    return asked;
  }

  chart::BirthData birth_;
  ui::CalendarWindow* window_ = nullptr;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::TimelineWindowTest)
#include "timeline_window_test.moc"
