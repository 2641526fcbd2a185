// The main window on a laptop screen of 1366 × 768 whose task bar leaves an
// available area of 1366 × 728: too low for the window and its frame.
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"

namespace kelvaro::testing {

class SmallScreenTest : public UiTestCase {
  Q_OBJECT

 private slots:
  // The window stays on the screen, its content scrolls, and the bottom
  // row (options 4 to 6, "Noch einmal von vorne") can be reached.
  void windowFitsAndItsContentScrolls() {
    run_ = std::make_unique<UiRun>();
    run_->platform().chooseNext(run_->sample("mueller-juergen.dat"));
    ui::Program& program = run_->start();
    ui::TForm1& main = program.form1();
    const QRect area = main.screen()->availableGeometry();
    QCOMPARE(area.size(), QSize(1366, 728));
    QVERIFY(area.contains(main.frameGeometry()));

    click(child(main, "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&program.form2()));
    QVERIFY(typeIntoFocus(QStringLiteral("112")));
    click(child(program.form4(), "Button1"));
    QCOMPARE(main.state(), ui::TForm1::State::ready);
    QVERIFY(area.contains(main.frameGeometry()));

    auto* scroll = child<QScrollArea>(main, "ScrollBox1");
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    auto* restart = child<QPushButton>(main, "Button4");
    auto* option6 = child<QPushButton>(main, "Button5");
    QVERIFY(restart->visibleRegion().boundingRect() != restart->rect());

    scroll->ensureWidgetVisible(restart);
    QCOMPARE(restart->visibleRegion().boundingRect(), restart->rect());
    QCOMPARE(option6->visibleRegion().boundingRect(), option6->rect());
    click(option6);
    QVERIFY(child<QLineEdit>(main, "Edit8")->isVisible());
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN_ON_SCREEN(kelvaro::testing::SmallScreenTest, 1366, 728)

#include "small_screen_test.moc"
