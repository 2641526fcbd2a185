// The dial window: opened from the main window, its pointer moved by keys,
// wheel, clicks and drags, its list the angle search at the pointer, kept up
// to date on an orb change and closed on a restart.
#include <cmath>
#include <fstream>
#include <memory>
#include <numbers>
#include <variant>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QWheelEvent>

#include "loading/transit_file.h"
#include "output/picture_save.h"
#include "search/angle_search.h"
#include "search/dial_pointer.h"
#include "ui/dial_disc.h"
#include "ui/dial_window.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"

namespace kelvaro::testing {

class DialWindowTest : public UiTestCase {
  Q_OBJECT

 protected:
  // The sample loaded at orb 0:30, the dial opened.
  void setUp() override {
    run_ = std::make_unique<UiRun>();
    const std::string sample = run_->sample("mueller-juergen.dat");
    record_ = std::get<TransitRecord>(loadTransitFile(sample));
    run_->platform().chooseNext(sample);
    ui::Program& program = run_->start();
    click(child(program.form1(), "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&program.form2()));
    QVERIFY(typeIntoFocus(QStringLiteral("030")));
    click(child(program.form4(), "Button1"));
    run_->platform().forgetBoxes();
    click(child(run_->main(), "Button15"));
    dial_ = child<ui::DialWindow>(run_->main(), "DialWindow");
    QVERIFY(dial_ && dial_->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(dial_));
  }

 private slots:
  void opensOnTheLoadedRecord() {
    QCOMPARE(dial_->windowTitle(), QStringLiteral("Gradscheibe 22,5°"));
    QVERIFY(!dial_->isModal());
    QCOMPARE(dial_->disc().layout().names.size(), std::size_t{88});
    expectPointer(0, 0.5);
    // A second click brings the same window to the front.
    click(child(run_->main(), "Button15"));
    QCOMPARE(run_->main().findChildren<ui::DialWindow*>().size(), qsizetype{1});
  }

  // At the smallest size the rings are still a name's diagonal apart, and
  // all 22 names of ring r fit side by side, so crowded names never overlap.
  void smallestSizeKeepsNamesApart() {
    dial_->resize(dial_->minimumSize());
    QApplication::processEvents();
    const ui::DialDisc& disc = dial_->disc();
    const DialGeometry& g = disc.geometry();
    const double diagonal = std::hypot(g.nameWidth, g.nameHeight) * 1.02;
    QVERIFY((g.ringsOuter - g.ringsInner) / 4 >= diagonal);
    const double perName = 2 * std::asin(diagonal / (2 * disc.layout().nameRadius[0]));
    QVERIFY(22 * perName <= 2 * std::numbers::pi);
  }

  void keysAndWheelMoveThePointerAndWrap() {
    ui::DialDisc& disc = dial_->disc();
    disc.setFocus();
    QTest::keyClick(&disc, Qt::Key_Left);
    expectPointer(22 * 60 + 59, 0.5);
    QTest::keyClick(&disc, Qt::Key_Right);
    expectPointer(0, 0.5);
    for (int i = 0; i < 7; ++i) QTest::keyClick(&disc, Qt::Key_PageUp);
    for (int i = 0; i < 30; ++i) QTest::keyClick(&disc, Qt::Key_Up);
    expectPointer(7 * 60 + 30, 0.5);
    QCOMPARE(text(*dial_, "DialPointer"), std::string("Zeiger 07°30'"));
    QTest::keyClick(&disc, Qt::Key_PageDown);
    QTest::keyClick(&disc, Qt::Key_Down);
    expectPointer(6 * 60 + 29, 0.5);
    wheel(120);
    expectPointer(6 * 60 + 39, 0.5);
    wheel(-60);
    wheel(-60 - 240);  // half notches add up
    expectPointer(6 * 60 + 9, 0.5);
  }

  void clicksAndDragsMoveThePointer() {
    ui::DialDisc& disc = dial_->disc();
    const DialName& name = disc.layout().names[30];  // a name of ring p
    QTest::mouseClick(&disc, Qt::LeftButton, {}, disc.widgetPoint(name.centre).toPoint());
    expectPointer(pointerAt(name.dialValue), 0.5);

    const double radius = disc.layout().ringRadius[3] + 8;  // between ring t and the scale
    const QPoint start = disc.widgetPoint(pointOnDial(3, radius)).toPoint();
    QTest::mousePress(&disc, Qt::LeftButton, {}, start);
    QVERIFY(std::abs(disc.pointer() - 180) <= 1);
    QTest::mouseMove(&disc, disc.widgetPoint(pointOnDial(15.5, radius)).toPoint());
    QTest::mouseRelease(&disc, Qt::LeftButton, {},
                        disc.widgetPoint(pointOnDial(15.5, radius)).toPoint());
    QVERIFY(std::abs(disc.pointer() - 930) <= 1);
    expectPointer(disc.pointer(), 0.5);
  }

  void doubleClickMarksTheFactorsOfALine() {
    auto* list = child<QPlainTextEdit>(*dial_, "DialList");
    const QTextBlock line = list->document()->findBlockByNumber(1);
    const QRect place = list->cursorRect(QTextCursor(line));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center() + QPoint(20, 0));
    const auto marked = factorsOfLine(line.text().toStdString());
    QVERIFY(!marked.empty());
    QCOMPARE(dial_->disc().marked(), marked);
  }

  void orbChangeRedrawsAndRestartCloses() {
    ui::TForm1& main = run_->main();
    const int frames = dial_->disc().frames();
    click(child(main, "Label7"));
    QVERIFY(QTest::qWaitForWindowActive(&run_->program().form2()));
    QVERIFY(typeIntoFocus(QStringLiteral("2\b\n")));  // orb 2:00
    expectPointer(0, 2.0);
    QTRY_VERIFY(dial_->disc().frames() > frames);

    run_->platform().chooseNext(run_->sample("weiss-anna.dat"));
    click(child(main, "Button4"));
    QVERIFY(!dial_->isVisible());
    QVERIFY(!child(main, "Button15")->isEnabled());
    click(child(main, "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&run_->program().form2()));
    QVERIFY(typeIntoFocus(QStringLiteral("\x1b")));
    click(child(run_->program().form4(), "Button1"));
    click(child(main, "Button15"));
    QVERIFY(dial_->isVisible());
    const auto anna = std::get<TransitRecord>(loadTransitFile(run_->sample("weiss-anna.dat")));
    QCOMPARE(viewLines(*dial_, "DialList"), angleSearch(anna, 1.2, 0, std::nullopt).lines);
  }

  void printsAndSavesThePicture() {
    const std::filesystem::path pdf = run_->startFolder() / "scheibe.pdf";
    run_->platform().printNextTo(pdf);
    click(child(*dial_, "DialPrint"));
    QCOMPARE(run_->platform().printDialogCount(), 1);
    QVERIFY(std::filesystem::file_size(pdf) > 0);

    click(child(*dial_, "DialSave"));
    const std::filesystem::path png = run_->startFolder() / dialPictureFileName(record_);
    std::ifstream in(png, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    QCOMPARE(std::string(magic + 1, 3), std::string("PNG"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QCOMPARE(run_->platform().boxes()[0].kind, ui::BoxKind::information);

    std::filesystem::remove_all(run_->startFolder());  // an unwritable folder is reported
    click(child(*dial_, "DialSave"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{2});
    QCOMPARE(run_->platform().boxes()[1].kind, ui::BoxKind::error);
  }

 private:
  // The pointer stands there, and the list holds exactly the angle search
  // at its value with this orb.
  void expectPointer(int pointer, double orb) {
    QCOMPARE(dial_->disc().pointer(), pointer);
    QCOMPARE(text(*dial_, "DialPointer"), pointerText(pointer));
    QCOMPARE(viewLines(*dial_, "DialList"),
             angleSearch(record_, orb, pointerAngle(pointer), std::nullopt).lines);
  }

  void wheel(int angle) {
    ui::DialDisc& disc = dial_->disc();
    const QPointF at(disc.width() / 2.0, disc.height() / 2.0);
    QWheelEvent event(at, disc.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&disc, &event);
  }

  TransitRecord record_;
  ui::DialWindow* dial_ = nullptr;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::DialWindowTest)
#include "dial_window_test.moc"
