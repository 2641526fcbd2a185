// The main window on a laptop screen of 1366 × 768 whose task bar leaves an
// available area of 1366 × 728: lower than the window's designed height.
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/windows/dial_window.h"

namespace kelvaro::testing {

class SmallScreenTest : public UiTestCase {
  Q_OBJECT

 private slots:
  // The window stays on the screen and every control is seen whole without
  // scrolling: the result list gives up height, the rows below it move up.
  void everyControlIsSeenWithoutScrolling() {
    run_ = std::make_unique<UiRun>();
    run_->platform().chooseNext(run_->sample("mueller-juergen.dat"));
    ui::Program& program = run_->start();
    ui::MainWindow& main = program.mainWindow();
    const QRect area = main.screen()->availableGeometry();
    QCOMPARE(area.size(), QSize(1366, 728));
    QVERIFY(area.contains(main.frameGeometry()));
    auto* scroll = child<QScrollArea>(main, "ScrollBox1");
    expectSeenWhole(main, {"Memo4", "Button2", "NewTransitButton"});
    QVERIFY(!scroll->verticalScrollBar()->isVisible());

    click(child(main, "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&program.orbDialog()));
    QVERIFY(typeIntoFocus(QStringLiteral("112")));
    click(child(program.contentOverview(), "Button1"));
    QCOMPARE(main.state(), ui::MainWindow::State::ready);
    QVERIFY(area.contains(main.frameGeometry()));
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());

    std::vector<const char*> controls = commandButtonNames();
    for (const char* name : axisLabelNames()) controls.push_back(name);
    for (const char* name : {"Panel2", "Label3", "Label7", "Memo3"}) controls.push_back(name);
    expectSeenWhole(main, controls);
    // A desktop's title bar takes some 30 pixels more of the height.
    main.resize(main.width(), area.height() - 30);
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    expectSeenWhole(main, controls);
    QVERIFY(child(main, "Memo3")->height() > 300);  // still most of the window

    // The entry controls of option 2 (the variant panel is the lowest) and
    // the second view of option 6.
    main.activateWindow();  // what the window system does when the modal windows close
    QVERIFY(QTest::qWaitForWindowActive(&main));
    run_->platform().answerNext(true);
    click(child(main, "Button3"));
    QVERIFY(typeIntoFocus(QStringLiteral("KNt+JUp")));
    expectSeenWhole(main, {"Edit1", "Label9", "Panel4"});
    click(child(main, "Button5"));
    expectSeenWhole(main, {"Edit8", "Label22", "Memo1"});
  }

  // Maximised, the window's content takes the screen's width: the result
  // list gets it, the controls at the right stand at the right edge, the
  // rest keeps its place.
  void aMaximisedWindowUsesTheWidth() {
    run_ = std::make_unique<UiRun>();
    ui::MainWindow& intro = run_->start().mainWindow();
    intro.showMaximized();
    QTRY_COMPARE(intro.frameGeometry().width(), 1366);
    QVERIFY(std::abs(child(intro, "Panel5")->geometry().center().x() - intro.width() / 2) <= 8);

    QVERIFY(run_->loadToReady("mueller-juergen.dat", QStringLiteral("112")));
    ui::MainWindow& main = run_->main();
    main.showMaximized();
    QTRY_COMPARE(main.frameGeometry().width(), 1366);
    QCOMPARE(child(main, "Memo3")->width(), 994 + main.width() - 1024);
    for (const char* name : {"Label7", "Button7", "Button4"}) {
      const QRect place(child(main, name)->mapTo(&main, QPoint(0, 0)), child(main, name)->size());
      QVERIFY2(main.width() - place.right() < 24, name);
    }
    // "Personen …" beside the restart, as before.
    QCOMPARE(child(main, "Button4")->x() - child(main, "MainPersonsButton")->geometry().right(), 9);
    QCOMPARE(child(main, "Button10")->mapTo(&main, QPoint(0, 0)).x(), 8);
    std::vector<const char*> controls = commandButtonNames();
    for (const char* name : axisLabelNames()) controls.push_back(name);
    expectSeenWhole(main, controls);
    run_->platform().answerNext(true);
    click(child(main, "Button3"));
    QVERIFY(typeIntoFocus(QStringLiteral("KNt+JUp")));
    expectSeenWhole(main, {"Edit1", "Label9", "Panel4", "Button4"});
    const auto inWindow = [&](const char* name) {
      return QRect(child(main, name)->mapTo(&main, QPoint(0, 0)), child(main, name)->size());
    };
    QVERIFY(!inWindow("Panel4").intersects(inWindow("Button4")));
    QVERIFY(main.width() - inWindow("Panel4").right() < 24);  // at the right edge, as designed
  }

  // The dial window, larger than the screen, fits on it with its list and
  // its buttons.
  void theDialWindowFits() {
    run_ = std::make_unique<UiRun>();
    QVERIFY(run_->loadToReady("mueller-juergen.dat", QStringLiteral("112")));
    click(child(run_->main(), "Button15"));
    auto* dial = child<ui::DialWindow>(run_->main(), "DialWindow");
    QVERIFY(QTest::qWaitForWindowExposed(dial));
    QVERIFY(dial->screen()->availableGeometry().contains(dial->frameGeometry()));
    for (const char* name : {"DialList", "HelpButton", "DialPrint", "DialPdf", "DialSave"}) {
      QWidget* control = child(*dial, name);
      QVERIFY2(control->isVisible(), name);
      QVERIFY2(dial->rect().contains(QRect(control->mapTo(dial, QPoint(0, 0)), control->size())),
               name);
    }
  }

 private:
  static void expectSeenWhole(ui::MainWindow& main, const std::vector<const char*>& names) {
    for (const char* name : names) {
      QWidget* control = child(main, name);
      QVERIFY2(control->isVisible(), name);
      QVERIFY2(control->visibleRegion().boundingRect() == control->rect(), name);
    }
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN_ON_SCREEN(kelvaro::testing::SmallScreenTest, 1366, 728)

#include "small_screen_test.moc"
