// The main window MainWindow along the road of a load, its failures, the orb
// label, the restart, the help window and the end of the program.
#include <memory>
#include <variant>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/transit_file.h"
#include "support/record_builder.h"
#include "ui/help/window_help.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/support/watchdog.h"

namespace kelvaro::testing {
namespace {

using ui::BoxKind;
using ui::ShownBox;

TransitRecord recordOf(const std::string& path) {
  return std::get<TransitRecord>(loadTransitFile(path));
}

const std::string kNoFileMessage =
    "Ohne eine ausgewählte Datei hat das Programm keine Aufgaben-Gundlage.        \r";

}  // namespace

class MainWindowTest : public UiTestCase {
  Q_OBJECT

 private slots:

  void startShowsTheIntroduction() {
    run_ = std::make_unique<UiRun>();
    ui::MainWindow& main = run_->start().mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    QCOMPARE(main.windowTitle(), QStringLiteral("Kelvaro 5.5"));
    QCOMPARE(std::filesystem::current_path(), run_->folders().program);
    QCOMPARE(main.savedWorkingFolder(), run_->startFolder());
    QCOMPARE(text(main, "Panel2"), std::string("Bitte eine Transit-Datei auswählen "));
    QCOMPARE(QApplication::focusWidget(), child(main, "Button2"));
    QVERIFY(child(main, "Panel5")->isVisible());

    const std::vector<std::string> intro = textLines(main, "Memo4");
    QVERIFY(intro.size() > std::size_t{36});
    QCOMPARE(intro[0], std::string(" "));
    QCOMPARE(intro[1], std::string(" Kelvaro ermöglicht die Analyse eines mit Norlin-10.8 ff "
                                   "erstellten Transit-Horoskopes."));
    const std::string greeting = " Ich wünsche Geduld und Erfolg bei der Anwendung. ";
    QCOMPARE(intro[35].substr(0, greeting.size()), greeting);
    QVERIFY(intro[35].size() > greeting.size() + 3);  // the signature follows
    // After the greeting: the new capabilities and this system's folders.
    std::string news;
    for (auto line = intro.begin() + 36; line != intro.end(); ++line) news += *line + "\n";
    for (const char* named :
         {"\"Neue Transit-Datei …\"", "\"7  Gradscheibe\"", "\"8  Transit-Kalender\""}) {
      QVERIFY2(news.find(named) != std::string::npos, named);
    }
    QVERIFY(news.find(run_->folders().transit.string()) != std::string::npos);
    QVERIFY(news.find(run_->folders().program.string()) != std::string::npos);
    // Its first paragraph tells a reader without the program that writes
    // transit files where they come from here and where they are kept.
    std::string opening;
    for (auto line = intro.begin() + 37; line != intro.end() && *line != " "; ++line) {
      opening += *line + "\n";
    }
    for (const std::string& named :
         {std::string("\"Personen …\""), std::string("\"Neue Transit-Datei …\""),
          ui::toUtf8(ui::pathText(run_->folders().transit))}) {
      QVERIFY2(opening.find(named) != std::string::npos, named.c_str());
    }
    QVERIFY(news.find(" Kelvaro kann außerdem:") > news.find(opening));

    // Before a load nothing can be started but "Weiter".
    for (const char* name : commandButtonNames()) QVERIFY2(!child(main, name)->isEnabled(), name);
    for (const char* name : entryControlNames()) QVERIFY2(!child(main, name)->isVisible(), name);
    QVERIFY(viewLines(main, "Memo3").empty());
    QCOMPARE(text(main, "Label3"), std::string());
    QCOMPARE(text(main, "Label7"), std::string());
    click(child(main, "Label7"));  // the empty orb label opens nothing before a load
    QVERIFY(!run_->program().orbDialog().isVisible());
    QVERIFY(run_->platform().boxes().empty());
    QCOMPARE(main.state(), ui::MainWindow::State::initial);
  }

  // "0112" and Enter typed fast: the orb entry closes at the second minute
  // digit, and what follows must not act on the content overview, which
  // stays until the user goes on.
  // F1 opens the main window's help at any time, Escape closes it.
  void f1OpensTheHelp() {
    run_ = std::make_unique<UiRun>();
    ui::MainWindow& main = run_->start().mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_F1);
    ui::HelpWindow* help = ui::windowHelp(main);
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Hilfe – Kelvaro"));
    for (const char* part : {"Orbis", "KN+JU", "VE+JU=KN+", "Strg+P", "Strg+S", "Personen"}) {
      QVERIFY2(help->text().contains(QString::fromUtf8(part)), part);
    }
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
  }

  void keysTypedAheadDoNotSkipTheOverview() {
    run_ = std::make_unique<UiRun>();
    run_->platform().chooseNext(run_->sample("mueller-juergen.dat"));
    ui::Program& program = run_->start();
    click(child(program.mainWindow(), "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&program.orbDialog()));
    QVERIFY(typeIntoFocus(QStringLiteral("011")));
    QVERIFY(!program.orbDialog().isVisible());
    ui::ContentOverviewWindow& overview = program.contentOverview();
    QVERIFY(overview.isVisible());
    const std::vector<std::string> shown = textLines(overview, "Memo1");
    QTest::keyClick(child(overview, "Memo1"), Qt::Key_2);
    QTest::keyClick(child(overview, "Button1"), Qt::Key_Return);
    QVERIFY(overview.isVisible());
    QCOMPARE(program.mainWindow().state(), ui::MainWindow::State::loading);
    QCOMPARE(textLines(overview, "Memo1"), shown);
    // Once it could be read, Enter on "Weiter zur Suche" goes on.
    QTest::qWait(static_cast<int>(ui::ContentOverviewWindow::kTypedAheadTime.count()) + 100);
    QTest::keyClick(child(overview, "Button1"), Qt::Key_Return);
    QVERIFY(!overview.isVisible());
    QCOMPARE(program.mainWindow().state(), ui::MainWindow::State::ready);
    QCOMPARE(program.mainWindow().orb(), 11.0 / 60.0);
  }

  void wholeRoadOfOneLoad() {
    run_ = std::make_unique<UiRun>();
    const std::string sample = run_->sample("mueller-juergen.dat");
    const TransitRecord record = recordOf(sample);
    ui::Program& program = run_->start();
    ui::MainWindow& main = program.mainWindow();
    run_->platform().chooseNext(sample);

    click(child(main, "Button2"));
    QCOMPARE(main.size(), QSize(1024, 750));
    // A desktop screen holds the whole window: its content does not scroll.
    QVERIFY(!child<QScrollArea>(main, "ScrollBox1")->verticalScrollBar()->isVisible());
    QVERIFY(!child(main, "Panel5")->isVisible());
    QCOMPARE(run_->platform().fileDialogFolders(),
             std::vector<std::filesystem::path>{run_->folders().transit});
    QCOMPARE(text(main, "Panel2"), headerLine(record));

    // The orb entry opens with 1.2 and is typed into as a user would.
    ui::OrbDialog& orbEntry = program.orbDialog();
    QVERIFY(orbEntry.isVisible() && orbEntry.isModal());
    QVERIFY(QTest::qWaitForWindowActive(&orbEntry));
    QCOMPARE(child<QLineEdit>(orbEntry, "Edit1")->text(), QStringLiteral("1"));
    QCOMPARE(child<QLineEdit>(orbEntry, "Edit2")->text(), QStringLiteral("12"));
    QVERIFY(typeIntoFocus(QStringLiteral("030")));
    QVERIFY(!orbEntry.isVisible());
    QCOMPARE(text(main, "Label7"), std::string("Orbis: 00:30"));

    // The content overview, modal, with the sums for the new orb.
    ui::ContentOverviewWindow& overview = program.contentOverview();
    QVERIFY(overview.isVisible() && overview.isModal());
    QCOMPARE(overview.windowTitle(), QStringLiteral("Die Inhaltsübersicht"));
    QCOMPARE(textLines(overview, "Memo1"), vier_summen(record, 0.5));
    QVERIFY(QTest::qWaitForWindowActive(&overview));
    QCOMPARE(QApplication::focusWidget(), child(overview, "Button1"));
    QCOMPARE(main.state(), ui::MainWindow::State::loading);
    QVERIFY(run_->platform().boxes().empty());

    click(child(overview, "Button1"));  // "Weiter zur Suche"
    QVERIFY(!overview.isVisible());
    const AxisOverview axes = axisOverview(record, 0.5);
    QCOMPARE(viewLines(main, "Memo3"), axes.lines);
    QCOMPARE(text(main, "Label3"), axes.heading);
    QCOMPARE(axes.labels.size(), axisLabelNames().size());
    for (std::size_t i = 0; i < axes.labels.size(); ++i) {
      QCOMPARE(text(main, axisLabelNames()[i]), axes.labels[i]);
    }
    for (const char* name : commandButtonNames()) QVERIFY2(child(main, name)->isEnabled(), name);
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::information, std::string(kSearchesReadyMessage)));
    QCOMPARE(main.state(), ui::MainWindow::State::ready);
    QCOMPARE(main.orb(), 0.5);
    QVERIFY(run_->platform().unscripted().empty());
  }

  void missingProgramFolderEndsTheProgram() {
    run_ = std::make_unique<UiRun>(false);
    ui::MainWindow& main = run_->start().mainWindow();
    const std::string folder = ui::toUtf8(ui::pathText(run_->folders().program));
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::error, "Verzeichnis " + folder + " nicht gefunden"));
    QVERIFY(main.hasEnded());
    QVERIFY(!main.isVisible());
    QCOMPARE(std::filesystem::current_path(), run_->startFolder());
  }

  // Off Windows both folders sit in ~/Astro; a transit folder of earlier
  // versions, ~/astro/transdat, stays in use while it is the only one.
  // (Where names ignore case, as on Windows, the two are one folder.)
  void foldersBelowTheHome() {
    TempDir home;
    const ui::ProgramFolders fresh = ui::programFoldersIn(home.path());
    QCOMPARE(fresh.program, home.path() / "Astro" / "Kelvaro");
    QCOMPARE(fresh.transit, home.path() / "Astro" / "transdat");
    QCOMPARE(fresh.data, home.path() / ".local" / "share" / "kelvaro");
    std::filesystem::create_directories(home.path() / "astro" / "transdat");
    QVERIFY(std::filesystem::equivalent(ui::programFoldersIn(home.path()).transit,
                                        home.path() / "astro" / "transdat"));
    std::filesystem::create_directories(fresh.transit);
    QCOMPARE(ui::programFoldersIn(home.path()).transit, fresh.transit);
  }

  // Each way a load can fail at once: the box, then the end of the program
  // with the working folder of the start restored.
  void failedLoadEndsTheProgram_data() {
    QTest::addColumn<int>("fileSize");  // -1: the dialog is cancelled
    QTest::addColumn<int>("boxKind");
    QTest::addRow("cancelled") << -1 << int(BoxKind::information);
    QTest::addRow("2559 bytes") << 2559 << int(BoxKind::error);
  }

  void failedLoadEndsTheProgram() {
    QFETCH(int, fileSize);
    QFETCH(int, boxKind);
    run_ = std::make_unique<UiRun>();
    std::string expected = kNoFileMessage;
    if (fileSize < 0) {
      run_->platform().cancelNextFileDialog();
    } else {
      std::vector<unsigned char> bytes = RecordBuilder(100.0).bytes();
      bytes.resize(static_cast<std::size_t>(fileSize));
      const std::string path = run_->transitFile("short.dat", bytes);
      run_->platform().chooseNext(path);
      expected = "Ladeversuch mit " + path + " ging daneben";
    }
    ui::MainWindow& main = run_->start().mainWindow();
    QSignalSpy ended(&main, &ui::MainWindow::ended);

    click(child(main, "Button2"));
    QCOMPARE(run_->platform().boxes(), oneBox(static_cast<BoxKind>(boxKind), expected));
    QCOMPARE(ended.size(), 1);
    QVERIFY(main.hasEnded());
    QVERIFY(!main.isVisible());
    QVERIFY(!run_->program().orbDialog().isVisible());
    QCOMPARE(std::filesystem::current_path(), run_->startFolder());
  }

  // A file that cannot be opened leads back to the file dialog.
  void unopenableFileOpensTheDialogAgain() {
    run_ = std::make_unique<UiRun>();
    const std::string missing = (run_->folders().transit / "fehlt.dat").string();
    const std::string folder = run_->folders().transit.string();
    run_->platform().chooseNext(missing).chooseNext(folder).chooseNext(
        run_->sample("weiss-anna.dat"));
    ui::Program& program = run_->start();

    click(child(program.mainWindow(), "Button2"));
    const std::vector<ShownBox>& boxes = run_->platform().boxes();
    QCOMPARE(boxes.size(), std::size_t{2});
    QCOMPARE(boxes[0].kind, BoxKind::error);
    QCOMPARE(boxes[0].text, std::get<LoadFailure>(loadTransitFile(missing)).message);
    QCOMPARE(boxes[1].text, "Die Datei " + folder + " lässt sich nicht öffnen: Ist ein Ordner");
    QCOMPARE(run_->platform().fileDialogFolders().size(), std::size_t{3});
    QVERIFY(!program.mainWindow().hasEnded());
    QVERIFY(program.orbDialog().isVisible());
  }

  // A file that is no transit file (here the README, run from the source
  // folder) asks before it loads; No opens the file dialog again.
  void noTransitFileAsksBeforeLoading() {
    const std::filesystem::path source =
        std::filesystem::path(KELVARO_SAMPLES_DIR).parent_path() / "README.md";
    run_ = std::make_unique<UiRun>();
    const std::filesystem::path readme = run_->folders().transit / "README.md";
    std::filesystem::copy_file(source, readme);
    const std::string sample = run_->sample("weiss-anna.dat");
    run_->platform().chooseNext(readme.string()).chooseNext(sample).answerNext(false);
    ui::Program& program = run_->start();

    click(child(program.mainWindow(), "Button2"));
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::question, "Die Datei " + readme.string() +
                                           " enthält Positionen außerhalb von 0° bis 360° und ist "
                                           "wohl keine Transit-Datei. Trotzdem laden?"));
    QCOMPARE(run_->platform().fileDialogFolders().size(), std::size_t{2});
    QCOMPARE(text(program.mainWindow(), "Panel2"), headerLine(recordOf(sample)));
    QVERIFY(program.orbDialog().isVisible());
  }

  // The orb label reopens the entry at any time; nothing shown is redone.
  void orbLabelChangesTheOrb() {
    QVERIFY(walkToReady("mueller-juergen.dat"));
    ui::MainWindow& main = run_->main();
    const std::vector<std::string> shown = viewLines(main, "Memo3");
    run_->platform().forgetBoxes();

    click(child(main, "Label7"));
    ui::OrbDialog& orbEntry = run_->program().orbDialog();
    QVERIFY(orbEntry.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&orbEntry));
    QCOMPARE(child<QLineEdit>(orbEntry, "Edit1")->text(), QStringLiteral("0"));
    QCOMPARE(child<QLineEdit>(orbEntry, "Edit2")->text(), QStringLiteral("30"));
    QVERIFY(typeIntoFocus(QStringLiteral("2\b\n")));
    QVERIFY(!orbEntry.isVisible());
    QCOMPARE(text(main, "Label7"), std::string("Orbis: 02:00"));
    QCOMPARE(main.orb(), 2.0);
    QCOMPARE(viewLines(main, "Memo3"), shown);
    QVERIFY(!run_->program().contentOverview().isVisible());
    QVERIFY(run_->platform().boxes().empty());
  }

  void restartLoadsAgain() {
    QVERIFY(walkToReady("mueller-juergen.dat"));
    ui::MainWindow& main = run_->main();
    child(main, "Panel4")->show();  // as options 2 and 3 leave it
    const std::string anna = run_->sample("weiss-anna.dat");
    run_->platform().chooseNext(anna);

    const std::string muellersHeader = text(main, "Panel2");
    click(child(main, "Button4"));
    // The choice of the start again: a file ("Weiter") or a new transit file.
    QCOMPARE(main.state(), ui::MainWindow::State::initial);
    QVERIFY(child(main, "Panel5")->isVisible());
    QVERIFY(child(main, "NewTransitButton")->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), child(main, "Button2"));
    QCOMPARE(text(main, "Label3"), std::string(" "));
    QCOMPARE(text(main, "Label9"), std::string(" "));
    for (const char* name : axisLabelNames()) QCOMPARE(text(main, name), std::string(" "));
    for (const char* name : commandButtonNames()) QVERIFY2(!child(main, name)->isEnabled(), name);
    for (const char* name : entryControlNames()) QVERIFY2(!child(main, name)->isVisible(), name);
    QVERIFY(viewLines(main, "Memo3").empty());
    QCOMPARE(text(main, "Panel2"), muellersHeader);

    QVERIFY(typeIntoFocus(QStringLiteral("\n")));  // "Weiter"
    QCOMPARE(main.state(), ui::MainWindow::State::loading);
    QVERIFY(!child(main, "Panel5")->isVisible());
    QCOMPARE(text(main, "Panel2"), headerLine(recordOf(anna)));
    // The old orb stays in the label until the new entry is closed.
    QCOMPARE(text(main, "Label7"), std::string("Orbis: 00:30"));
    ui::OrbDialog& orbEntry = run_->program().orbDialog();
    QVERIFY(QTest::qWaitForWindowActive(&orbEntry));
    QCOMPARE(child<QLineEdit>(orbEntry, "Edit2")->text(), QStringLiteral("12"));

    QVERIFY(typeIntoFocus(QStringLiteral("\x1b")));  // closed without a check: orb 1.2
    QCOMPARE(text(main, "Label7"), std::string("Orbis: 01:12"));
    click(child(run_->program().contentOverview(), "Button1"));
    QCOMPARE(main.state(), ui::MainWindow::State::ready);
    QCOMPARE(viewLines(main, "Memo3"), axisOverview(recordOf(anna), 1.2).lines);
    for (const char* name : commandButtonNames()) QVERIFY2(child(main, name)->isEnabled(), name);
  }

  void cancelAfterRestartEndsTheProgram() {
    QVERIFY(walkToReady("weiss-anna.dat"));
    run_->platform().forgetBoxes();
    run_->platform().cancelNextFileDialog();
    click(child(run_->main(), "Button4"));
    QVERIFY(run_->platform().boxes().empty());  // nothing asked yet: the choice is shown
    click(child(run_->main(), "Button2"));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::information, kNoFileMessage));
    QVERIFY(run_->main().hasEnded());
    QCOMPARE(std::filesystem::current_path(), run_->startFolder());
  }

  // Option 5 has no entry controls: it leaves the entry area empty.
  void optionFiveClearsTheEntryArea() {
    QVERIFY(walkToReady("weiss-anna.dat"));
    for (const char* name : entryControlNames()) child(run_->main(), name)->show();
    click(child(run_->main(), "Button1"));
    for (const char* name : entryControlNames()) {
      QVERIFY2(!child(run_->main(), name)->isVisible(), name);
    }
  }

  void helpWindowIsOneWindow() {
    run_ = std::make_unique<UiRun>();
    ui::Program& program = run_->start();
    ui::HelpWindow& help = program.panelHelp();
    QCOMPARE(help.windowTitle(), QStringLiteral("Hilfe"));
    QCOMPARE(help.size(), QSize(526, 548));
    QVERIFY(!(help.windowFlags() & Qt::WindowCloseButtonHint));
    const std::vector<std::string> lines = textLines(help, "Memo1");
    QCOMPARE(lines.front(),
             std::string("Einige Erläuterungen zur Anwendung dieser speziellen Auswahl:"));
    QCOMPARE(std::count(lines.begin(), lines.end(), std::string(".")), 1);

    child(program.mainWindow(), "Panel4")->show();
    QPushButton* hilfe = child<QPushButton>(program.mainWindow(), "Button12");
    click(hilfe);
    QVERIFY(help.isVisible());
    QCOMPARE(help.windowModality(), Qt::NonModal);
    const QPoint place = help.pos();
    click(hilfe);
    QVERIFY(help.isVisible());
    QCOMPARE(help.pos(), place);
    int helpWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (qobject_cast<ui::HelpWindow*>(window) && window->isVisible()) ++helpWindows;
    }
    QCOMPARE(helpWindows, 1);

    click(child(help, "Button1"));  // "gelesen"
    QVERIFY(!help.isVisible());
    click(hilfe);
    QVERIFY(help.isVisible());
    QTest::keyClick(child(help, "Memo1"), Qt::Key_Escape);
    QVERIFY(!help.isVisible());
  }

  void closingEndsTheProgramAtTheRoot() {
    run_ = std::make_unique<UiRun>();
    ui::MainWindow& main = run_->start().mainWindow();
    QSignalSpy ended(&main, &ui::MainWindow::ended);
    QVERIFY(main.close());
    QCOMPARE(ended.size(), 1);
    QVERIFY(main.hasEnded());
    QCOMPARE(std::filesystem::current_path(), ui::rootFolder());
  }

  // The event loop of a run ends when the main window ends the program.
  void runEndsWithTheMainWindow_data() {
    QTest::addColumn<bool>("closeWindow");  // else: the file dialog is cancelled
    QTest::addRow("closed") << true;
    QTest::addRow("no file chosen") << false;
  }

  void runEndsWithTheMainWindow() {
    QFETCH(bool, closeWindow);
    run_ = std::make_unique<UiRun>();
    run_->platform().cancelNextFileDialog();
    QTimer::singleShot(0, [closeWindow] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<ui::MainWindow*>(window);
        if (main && closeWindow) main->close();
        if (main && !closeWindow) child<QPushButton>(*main, "Button2")->click();
      }
    });
    QTimer tooLong;
    tooLong.setSingleShot(true);
    connect(&tooLong, &QTimer::timeout, [] { QApplication::exit(1); });
    tooLong.start(std::chrono::seconds(5));

    QCOMPARE(ui::runProgram(*qApp, run_->platform(), run_->folders()), 0);
    QCOMPARE(std::filesystem::current_path(), closeWindow ? ui::rootFolder() : run_->startFolder());
  }

  void missingProgramFolderRunsNoEventLoop() {
    run_ = std::make_unique<UiRun>(false);
    QCOMPARE(ui::runProgram(*qApp, run_->platform(), run_->folders()), 0);
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
  }

  void enterStartsTheLoad() {
    run_ = std::make_unique<UiRun>();
    ui::MainWindow& main = run_->start().mainWindow();
    run_->platform().chooseNext(run_->sample("weiss-anna.dat"));
    QVERIFY(QTest::qWaitForWindowActive(&main));
    child(main, "Memo4")->setFocus();
    QVERIFY(typeIntoFocus(QStringLiteral("\n")));
    QCOMPARE(run_->platform().fileDialogFolders().size(), std::size_t{1});
    QVERIFY(run_->program().orbDialog().isVisible());
  }

 private:
  // Start, load the sample with the orb 0:30 and close the content overview.
  bool walkToReady(const std::string& sample) {
    run_ = std::make_unique<UiRun>();
    return run_->loadToReady(sample, QStringLiteral("030"));
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::MainWindowTest)
#include "main_window_test.moc"
