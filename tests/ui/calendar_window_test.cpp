// The transit calendar window, opened from the main window and used as a
// user does: its defaults, its refusals, the lines it writes into the result
// list (saved like any search), and cancelling a long computation.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <variant>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "loading/transit_file.h"
#include "output/csv_text.h"
#include "output/page_file.h"
#include "output/result_file.h"
#include "support/file_bytes.h"
#include "timing/transit_calendar.h"
#include "ui/help/window_help.h"
#include "ui/platform/program_folders.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/windows/calendar_window.h"

namespace kelvaro::testing {

using ui::BoxKind;

class CalendarWindowTest : public UiTestCase {
  Q_OBJECT

 protected:
  void setUp() override {
    run_ = std::make_unique<UiRun>();
    const std::string sample = run_->sample("weiss-anna.dat");
    record_ = std::get<TransitRecord>(loadTransitFile(sample));
    run_->platform().chooseNext(sample);
    ui::Program& program = run_->start();
    click(child(program.mainWindow(), "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&program.orbDialog()));
    QVERIFY(typeIntoFocus(QStringLiteral("130")));
    click(child(program.contentOverview(), "Button1"));
    run_->platform().forgetBoxes();
    QVERIFY(child(main(), "Button16")->isEnabled());
    click(child(main(), "Button16"));
    window_ = main().findChild<ui::CalendarWindow*>(QStringLiteral("CalendarWindow"));
    QVERIFY(window_ && window_->isVisible() && window_->isModal());
  }

 private slots:
  void opensWithItsDefaults() {
    const QDate today = QDate::currentDate();
    QCOMPARE(child<QDateEdit>(*window_, "FromDate")->date(), today);
    QCOMPARE(child<QDateEdit>(*window_, "ToDate")->date(), today.addMonths(3));
    QCOMPARE(child<QLineEdit>(*window_, "ZoneEdit")->text(), QStringLiteral("Europe/Berlin"));
    // The bodies that kelvaro-cli FILE calendar lists unless told otherwise.
    QStringList ticked;
    for (QCheckBox* box : child(*window_, "BodyGroup")->findChildren<QCheckBox*>()) {
      if (box->isChecked()) ticked << box->text();
    }
    ticked.sort();
    QCOMPARE(ticked.join(QLatin1Char(',')),
             QStringLiteral("AD,AP,CU,HA,JU,KN,KR,NE,PL,PO,SA,UR,VU,ZE"));
    // A transit file knows no birth: T only.
    QVERIFY(child<QCheckBox>(*window_, "TransitBox")->isChecked());
    for (const char* name : {"SolarArcBox", "ProgressedBox"}) {
      QVERIFY(!child<QCheckBox>(*window_, name)->isEnabled());
      QVERIFY(!child<QCheckBox>(*window_, name)->isChecked());
    }
    QVERIFY(!child(*window_, "FactorGroup")->isVisible());
    QVERIFY(!child(*window_, "OrbEdit")->isVisible());
    QVERIFY(!child(*window_, "TimelineList")->isVisible());
    QVERIFY(child<QRadioButton>(*window_, "BothButton")->isChecked());
    QCOMPARE(child<QPushButton>(main(), "Button16")->text(), QStringLiteral("8  Transit-Kalender"));
    // The button stays clear of the option buttons and every entry control.
    const QRect own = child(main(), "Button16")->geometry();
    QVERIFY(own.right() < main().width());
    for (const char* name : commandButtonNames()) {
      const std::string other = name;
      if (other != "Button6" && other != "Button7" && other != "Button16") {
        QVERIFY2(!own.intersects(child(main(), name)->geometry()), name);
      }
    }
    for (const char* name : entryControlNames()) {
      QVERIFY2(!own.intersects(child(main(), name)->geometry()), name);
    }
  }

  void computesIntoTheResultListAndSaves() {
    setRange(QDate(2026, 1, 1), QDate(2026, 6, 30));
    child<QCheckBox>(*window_, "BodyBoxMA")->setChecked(true);
    child<QRadioButton>(*window_, "MidpointsOnlyButton")->setChecked(true);
    child<QLineEdit>(*window_, "WithEdit")->setText(QStringLiteral("mc, so"));
    click(child(*window_, "ComputeButton"));

    timing::CalendarRequest asked;
    asked.from = {2026, 1, 1};
    asked.to = {2026, 6, 30};
    asked.zone = std::get<chart::TimeZone>(chart::TimeZone::parse("Europe/Berlin"));
    asked.bodies = {factor::MA, factor::JU, factor::SA, 12, 13, 14, factor::KN, 15,
                    16,         17,         18,         19, 20, 21, factor::PO};
    asked.points = timing::CalendarPoints::midpoints;
    asked.with = {factor::MC, factor::SO};
    const auto expected = timing::transitCalendar(record_, asked);
    QVERIFY(expected);
    QVERIFY(!window_->isVisible());
    QCOMPARE(text(main(), "Label3"),
             std::string("Auslösungen durch Transite auf der 22,5°-Scheibe"));
    QCOMPARE(viewLines(main(), "Memo3"), expected->lines);
    QVERIFY(run_->platform().boxes().empty());

    click(child(main(), "Button7"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QCOMPARE(run_->platform().boxes()[0].kind, BoxKind::information);
    std::ifstream saved(run_->startFile(resultFileName(record_)), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(saved),
                            std::istreambuf_iterator<char>()};
    QVERIFY(bytes.find("Transit-Kalender vom 01.01.2026 bis 30.06.2026") != std::string::npos);

    // "Als CSV speichern …": the calendar's table, while the list shows it.
    QVERIFY(child(main(), "SaveCsvButton")->isEnabled());
    const auto table = run_->startFile("kalender.csv");
    run_->platform().saveNextAs(table);
    click(child(main(), "SaveCsvButton"));
    QCOMPARE(run_->platform().saveDialogs().back().proposedName, tableFileName(record_));
    QVERIFY(tableFileName(record_).ends_with(".csv"));
    QCOMPARE(testing::fileBytes(table), csvText(*expected->table));
    QCOMPARE(expected->table->rows.size(), expected->lines.size() - 1);
    click(child(main(), "Button1"));  // option 5: a list without a table
    QVERIFY(!child(main(), "SaveCsvButton")->isEnabled());
  }

  // "Scheibe" 90°: the calendar of the library on the 90° dial, in the main
  // window's list under a heading that names the size.
  void computesOnTheChosenDial() {
    auto* sizes = child<QComboBox>(*window_, "DialSizeBox");
    QCOMPARE(sizes->count(), 5);
    sizes->setCurrentIndex(1);
    setRange(QDate(2026, 1, 1), QDate(2026, 6, 30));
    click(child(*window_, "ComputeButton"));
    timing::CalendarRequest asked;
    asked.from = {2026, 1, 1};
    asked.to = {2026, 6, 30};
    asked.zone = std::get<chart::TimeZone>(chart::TimeZone::parse("Europe/Berlin"));
    asked.bodies = timing::defaultCalendarBodies();
    asked.dial = DialSize(DialSize::Kind::quarter);
    const auto expected = timing::transitCalendar(record_, asked);
    QVERIFY(expected);
    QCOMPARE(text(main(), "Label3"), std::string("Auslösungen durch Transite auf der 90°-Scheibe"));
    QCOMPARE(viewLines(main(), "Memo3"), expected->lines);
    click(child(main(), "Button16"));  // opened again: the size is kept
    QCOMPARE(child<QComboBox>(*window_, "DialSizeBox")->currentText(), QStringLiteral("90°"));
    sizes->setCurrentIndex(3);
  }

  void refusesWithAMessageAndKeepsTheList_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("noBody");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<std::string>("message");
    const QDate later(2026, 2, 1);
    QTest::addRow("zone") << "Mars/Olympus" << false << later << "ZoneEdit"
                          << std::string(
                                 "Die Zeitzone \"Mars/Olympus\" ist unbekannt. Bitte einen "
                                 "Namen wie Europe/Berlin, UT oder eine feste Abweichung "
                                 "wie +01:00 angeben.");
    QTest::addRow("no body") << "UT" << true << later << "BodyBoxSO"
                             << std::string("Bitte mindestens einen Himmelskörper angeben.");
    QTest::addRow("backwards") << "UT" << false << QDate(2025, 12, 31) << "ToDate"
                               << std::string(
                                      "Das Ende 31.12.2025 liegt vor dem Anfang 01.01.2026.");
  }

  void refusesWithAMessageAndKeepsTheList() {
    QFETCH(QString, zone);
    QFETCH(bool, noBody);
    QFETCH(QDate, to);
    QFETCH(QString, focus);
    QFETCH(std::string, message);
    const std::vector<std::string> before = viewLines(main(), "Memo3");
    setRange(QDate(2026, 1, 1), to);
    child<QLineEdit>(*window_, "ZoneEdit")->setText(zone);
    if (noBody) {
      for (QCheckBox* box : child(*window_, "BodyGroup")->findChildren<QCheckBox*>()) {
        box->setChecked(false);
      }
    }
    click(child(*window_, "ComputeButton"));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::error, message));
    QVERIFY(window_->isVisible());
    QCOMPARE(viewLines(main(), "Memo3"), before);
    QVERIFY(window_->focusWidget());
    QCOMPARE(window_->focusWidget()->objectName(), focus);
  }

  // A computation that fails (it should not) is reported; the list stays,
  // and the window stays open and usable.
  void aFailedComputationIsReportedAndTheWindowStays() {
    const std::vector<std::string> before = viewLines(main(), "Memo3");
    window_->setComputation([](const TransitRecord&, const timing::CalendarRequest&,
                               const timing::CalendarProgress&) -> std::optional<SearchResult> {
      throw std::runtime_error("ephemeris: error in file seorbel.txt");
    });
    setRange(QDate(2026, 1, 1), QDate(2026, 1, 2));
    click(child(*window_, "ComputeButton"));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::error,
                                              "Der Transit-Kalender lässt sich nicht berechnen: "
                                              "ephemeris: error in file seorbel.txt"));
    QVERIFY(window_->isVisible());
    QCOMPARE(viewLines(main(), "Memo3"), before);
    window_->setComputation([](const TransitRecord& record, const timing::CalendarRequest& asked,
                               const timing::CalendarProgress& progress) {
      return timing::transitCalendar(record, asked, progress);
    });
    click(child(*window_, "ComputeButton"));
    QVERIFY(!window_->isVisible());
    QCOMPARE(text(main(), "Label3"), timing::calendarHeading(DialSize::standard()));
  }

  // Option 6 covers the list, its heading and its buttons with its own view
  // and heading; the calendar changes that only when its lines come, and
  // leaving option 6 shows the list with its own heading and buttons.
  void headingListAndButtonsBelongTogether() {
    click(child(*window_, "CloseButton"));  // the calendar of setUp closed
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    const std::string overview = text(main(), "Label3");
    click(child(main(), "Button5"));
    QVERIFY(typeIntoFocus(QStringLiteral("KNt")));
    const std::string magicSquare = text(main(), "Label3");
    QVERIFY(magicSquare != overview);
    const auto expectMagicSquare = [&] {
      QVERIFY(child(main(), "Memo1")->isVisible());
      QCOMPARE(text(main(), "Label3"), magicSquare);
      QVERIFY(!child(main(), "Button6")->isVisible());
      QVERIFY(!child(main(), "Button7")->isVisible());
    };
    click(child(main(), "Button16"));
    QVERIFY(window_->isVisible());
    expectMagicSquare();
    click(child(*window_, "CloseButton"));
    expectMagicSquare();

    click(child(main(), "Button16"));
    setRange(QDate(2026, 1, 1), QDate(2026, 1, 2));
    click(child(*window_, "ComputeButton"));
    const std::string calendar = timing::calendarHeading(DialSize::standard());
    const auto expectCalendar = [&] {
      QVERIFY(!child(main(), "Memo1")->isVisible());
      QCOMPARE(text(main(), "Label3"), calendar);
      QVERIFY(viewLines(main(), "Memo3").front().starts_with("Transit-Kalender vom 01.01.2026"));
      QVERIFY(child(main(), "Button6")->isVisible() && child(main(), "Button6")->isEnabled());
      QVERIFY(child(main(), "Button7")->isVisible());
    };
    expectCalendar();

    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    click(child(main(), "Button5"));
    QVERIFY(typeIntoFocus(QStringLiteral("KNt")));
    click(child(main(), "Button10"));  // option 1 waits for its entry over the list
    expectCalendar();
  }

  // A date typed whole, after a click or a Tab into the field, replaces the
  // date shown, whatever it was.
  void typingADateReplacesIt_data() {
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    QTest::addRow("new year") << QDate(2026, 12, 8) << "01.01.2027" << QDate(2027, 1, 1);
    QTest::addRow("year's end") << QDate(2026, 2, 14) << "31.12.2030" << QDate(2030, 12, 31);
    QTest::addRow("leap day") << QDate(2026, 4, 30) << "29.02.2028" << QDate(2028, 2, 29);
    QTest::addRow("short day and month") << QDate(2026, 12, 8) << "1.2.2027" << QDate(2027, 2, 1);
    QTest::addRow("the same") << QDate(2026, 12, 8) << "08.12.2026" << QDate(2026, 12, 8);
  }

  void typingADateReplacesIt() {
    QFETCH(QDate, shown);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    for (const char* name : {"FromDate", "ToDate"}) {
      auto* field = child<QDateEdit>(*window_, name);
      field->setDate(shown);
      child(*window_, "ZoneEdit")->setFocus(Qt::OtherFocusReason);
      QTest::mouseClick(field, Qt::LeftButton, {},
                        QPoint(field->width() * 3 / 4, field->height() / 2));
      QVERIFY(field->hasFocus());
      QTest::keyClicks(field, typed);
      QCOMPARE(field->date(), date);
      // The same with the keyboard: Tab into the field.
      field->setDate(shown);
      child(*window_, "ZoneEdit")->setFocus(Qt::OtherFocusReason);
      field->setFocus(Qt::TabFocusReason);
      QTest::keyClicks(field, typed);
      QCOMPARE(field->date(), date);
      // Wherever the cursor stands, after the arrow keys or Home, and
      // again at once after a date typed.
      field->setDate(shown);
      QTest::keyClick(field, Qt::Key_Home);
      QTest::keyClick(field, Qt::Key_Right);
      QTest::keyClicks(field, typed);
      QCOMPARE(field->date(), date);
      QTest::keyClicks(field, QStringLiteral("05.06.2029"));
      QCOMPARE(field->date(), QDate(2029, 6, 5));
      QTest::keyClicks(field, typed);
      QCOMPARE(field->date(), date);
    }
  }

  // Tab goes from field to field, not through the day, month and year, and
  // a date typed after Shift+Tab back into the field replaces it.
  void tabGoesFromDateToDate() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    auto* from = child<QDateEdit>(*window_, "FromDate");
    auto* to = child<QDateEdit>(*window_, "ToDate");
    to->setDate(QDate(2026, 9, 9));
    from->setFocus(Qt::TabFocusReason);
    QTest::keyClick(from, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), to);
    QTest::keyClick(to, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(*window_, "ZoneEdit"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), to);
    QTest::keyClicks(to, QStringLiteral("01.01.2026"));
    QCOMPARE(to->date(), QDate(2026, 1, 1));
    QTest::keyClick(to, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), from);
  }

  // At every font size, squeezed to the window's smallest size, a date
  // field shows its whole date (none clipped to "09.12.202").
  void datesAreShownWholeAtEverySize() {
    const QFont normal = window_->font();
    for (const int points : {7, 9, 12, 16, 24}) {
      QFont font = normal;
      font.setPointSize(points);
      window_->setFont(font);
      window_->resize(window_->minimumSizeHint());
      QCoreApplication::processEvents();
      for (const char* name : {"FromDate", "ToDate"}) {
        auto* field = child<QDateEdit>(*window_, name);
        for (const QDate date : {QDate(2026, 12, 9), QDate(2888, 8, 28), QDate(1000, 1, 1)}) {
          field->setDate(date);
          const QLineEdit* text = field->findChild<QLineEdit*>();
          const int needed = text->fontMetrics().horizontalAdvance(text->text());
          QVERIFY2(text->contentsRect().width() - 4 >= needed,
                   qPrintable(QStringLiteral("%1 bei %2 pt").arg(text->text()).arg(points)));
        }
      }
    }
    window_->setFont(normal);
  }

  // Maximised, the window paints every pixel of its area itself (nothing
  // of what the screen showed before shines through beside its controls).
  void paintsAllOfItsAreaMaximised() {
    window_->showMaximized();
    QTRY_VERIFY(window_->width() > 1500);
    QPixmap shown(window_->size());
    const QColor leftOver(255, 0, 255);
    shown.fill(leftOver);
    window_->render(&shown, {}, {}, QWidget::DrawChildren);
    const QImage image = shown.toImage();
    int leftOvers = 0;
    for (int y = 0; y < image.height(); y += 4) {
      for (int x = 0; x < image.width(); x += 4) leftOvers += image.pixelColor(x, y) == leftOver;
    }
    QCOMPARE(leftOvers, 0);
  }

  // "Von" after "Bis", typed, is refused with a message.
  void aStartAfterTheEndIsRefused() {
    const std::vector<std::string> before = viewLines(main(), "Memo3");
    setRange(QDate(2026, 1, 1), QDate(2026, 6, 30));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    child(*window_, "FromDate")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(child(*window_, "FromDate"), QStringLiteral("01.07.2026"));
    click(child(*window_, "ComputeButton"));
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::error, "Das Ende 30.06.2026 liegt vor dem Anfang 01.07.2026."));
    QVERIFY(window_->isVisible());
    QCOMPARE(viewLines(main(), "Memo3"), before);
  }

  // Help by F1 and by "Hilfe": what the window is for, every entry with an
  // example, the keys, where files go.
  void hasItsHelp() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QVERIFY(!ui::windowHelp(*window_) || !ui::windowHelp(*window_)->isVisible());
    QTest::keyClick(child(*window_, "ZoneEdit"), Qt::Key_F1);
    ui::HelpWindow* help = ui::windowHelp(*window_);
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Hilfe – Transit-Kalender und Zeitleiste"));
    const QString text = help->text();
    for (const char* part :
         {"22,5°-Scheibe", "90°-Scheibe", "Von, Bis", "01.01.2027", "Zeitzone", "Europe/Berlin",
          "Transit-Körper", "Faktoren (S und P)", "Punkte", "MC,SO", "Orbis", "1:12", "(2/3)",
          "Escape", "F1", "Abbrechen", "Speichern", "iCal exportieren"}) {
      QVERIFY2(text.contains(QString::fromUtf8(part)), part);
    }
    // The program folder as this system spells it, and no other system's.
    const QString folder = QString::fromStdString(ui::programFolderInHelp());
    QVERIFY(text.contains(folder));
    QVERIFY(
        !text.contains(folder.startsWith(u'~') ? QStringLiteral("C:\\") : QStringLiteral("~/")));
    help->hide();
    click(child(*window_, "HelpButton"));
    QVERIFY(help->isVisible());
    help->hide();
  }

  // Laid out, not placed: every control lies inside the window, none on
  // another, at the window's smallest size too.
  void controlsKeepTheirPlaces() {
    for (const QSize size : {window_->minimumSizeHint(), window_->sizeHint() * 3 / 2}) {
      window_->resize(size);
      QApplication::processEvents();
      QList<QWidget*> shown;
      for (QWidget* control : window_->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window_) || control->parentWidget() != window_) continue;
        const QRect place = control->geometry();
        QVERIFY2(window_->rect().contains(place), qPrintable(control->objectName()));
        for (const QWidget* other : shown) {
          QVERIFY2(!place.intersects(other->geometry()),
                   qPrintable(control->objectName() + QLatin1Char('/') + other->objectName()));
        }
        shown << control;
      }
      QVERIFY(shown.size() > 10);
    }
  }

  // Abbrechen on the progress bar of a long computation: nothing changes.
  void cancelLeavesEverythingAsItWas() {
    const std::vector<std::string> before = viewLines(main(), "Memo3");
    setRange(QDate(2020, 1, 1), QDate(2029, 12, 31));
    for (QCheckBox* box : child(*window_, "BodyGroup")->findChildren<QCheckBox*>()) {
      box->setChecked(true);
    }
    bool sawProgress = false;
    QTimer::singleShot(600, [&sawProgress] {
      auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
      if (!progress) return;
      sawProgress = progress->isVisible();
      click(progress->findChild<QPushButton*>());
    });
    click(child(*window_, "ComputeButton"));
    QVERIFY(sawProgress);
    QVERIFY(window_->isVisible());
    QCOMPARE(viewLines(main(), "Memo3"), before);
    QVERIFY(run_->platform().boxes().empty());
  }

 private:
  ui::MainWindow& main() { return run_->main(); }

  void setRange(const QDate& from, const QDate& to) {
    child<QDateEdit>(*window_, "FromDate")->setDate(from);
    child<QDateEdit>(*window_, "ToDate")->setDate(to);
  }

  TransitRecord record_;
  ui::CalendarWindow* window_ = nullptr;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::CalendarWindowTest)
#include "calendar_window_test.moc"
