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
    ui::TForm1& main = program.form1();
    const QRect area = main.screen()->availableGeometry();
    QCOMPARE(area.size(), QSize(1366, 728));
    QVERIFY(area.contains(main.frameGeometry()));
    auto* scroll = child<QScrollArea>(main, "ScrollBox1");
    expectSeenWhole(main, {"Memo4", "Button2", "NewTransitButton"});
    QVERIFY(!scroll->verticalScrollBar()->isVisible());

    click(child(main, "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&program.form2()));
    QVERIFY(typeIntoFocus(QStringLiteral("112")));
    click(child(program.form4(), "Button1"));
    QCOMPARE(main.state(), ui::TForm1::State::ready);
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

 private:
  static void expectSeenWhole(ui::TForm1& main, const std::vector<const char*>& names) {
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
