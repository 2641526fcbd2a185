// The dial window: opened from the main window, its pointer moved by keys,
// wheel, clicks and drags, its list the angle search at the pointer, kept up
// to date on an orb change and closed on a restart; its sheet printed and
// saved, its help.
#include <cmath>
#include <fstream>
#include <memory>
#include <numbers>
#include <sstream>
#include <variant>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QWheelEvent>

#include "core/pair_texts.h"
#include "core/text_encoding.h"
#include "loading/transit_file.h"
#include "output/free_file_name.h"
#include "output/page_file.h"
#include "print/dial_sheet.h"
#include "print/print_support.h"
#include "print/printout.h"
#include "search/angle_search.h"
#include "search/dial_pointer.h"
#include "support/named_factors.h"
#include "ui/help/window_help.h"
#include "ui/platform/dial_size_choice.h"
#include "ui/platform/program_folders.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/widgets/dial_disc.h"
#include "ui/widgets/line_view.h"
#include "ui/windows/dial_window.h"

namespace kelvaro::testing {
namespace {

bool hasLine(const std::vector<std::vector<std::string>>& pages, const std::string& wanted) {
  for (const auto& page : pages) {
    if (std::find(page.begin(), page.end(), wanted) != page.end()) return true;
  }
  return false;
}

}  // namespace

class DialWindowTest : public UiTestCase {
  Q_OBJECT

 protected:
  // The sample loaded at orb 0:30, the dial opened.
  void setUp() override {
    run_ = std::make_unique<UiRun>();
    const std::string sample = run_->sample("mueller-juergen.dat");
    record_ = std::get<TransitRecord>(loadTransitFile(sample));
    QVERIFY(run_->loadToReady("mueller-juergen.dat", QStringLiteral("030")));
    click(child(run_->main(), "Button15"));
    dial_ = child<ui::DialWindow>(run_->main(), "DialWindow");
    QVERIFY(dial_ && dial_->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(dial_));
  }

 private slots:
  void opensOnTheLoadedRecord() {
    const std::string person = record_.surname() + ", " + record_.firstName();
    QCOMPARE(dial_->windowTitle().toStdString(),
             "Gradscheibe 22,5° – " + person + ", " + record_.date());
    QVERIFY(text(*dial_, "DialPerson").starts_with(person + "   Transit: " + record_.date()));
    QVERIFY(!dial_->isModal());
    QCOMPARE(dial_->disc().layout().names.size(), std::size_t{88});
    expectPointer(0, 0.5);
    // A second click brings the same window to the front.
    click(child(run_->main(), "Button15"));
    QCOMPARE(run_->main().findChildren<ui::DialWindow*>().size(), qsizetype{1});
  }

  // At the smallest size the rings are still a name's diagonal apart, and
  // all 22 names of ring r fit side by side, so crowded names never overlap.
  // A comparison: the outer ring's caption names the partner, the date is
  // that of p and s; an ordinary file has its transit ring again.
  void aComparisonNamesThePartnersRing() {
    TransitRecord comparison = record_;
    comparison.texts[1] = comparisonFirstName(record_.firstName(), "Weiß, Anna");
    dial_->showDial(comparison, 0.5, run_->startFolder());
    QCOMPARE(child<QCheckBox>(*dial_, "DialRingT")->text(), QStringLiteral("t  Radix Weiß, Anna"));
    QVERIFY(text(*dial_, "DialPerson")
                .starts_with(record_.surname() + ", " + comparison.firstName() + "   Datum: "));
    dial_->showDial(record_, 0.5, run_->startFolder());
    QCOMPARE(child<QCheckBox>(*dial_, "DialRingT")->text(), QStringLiteral("t  Transit"));
  }

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

  // A double click marks exactly the two factors of the sum or midpoint
  // clicked, also one far to the right of a long line, which the list
  // scrolls to: lines are shown whole, never wrapped.
  void doubleClickMarksTheFactorsOfOneEntry() {
    ui::DialDisc& disc = dial_->disc();
    disc.setPointer(7 * 60 + 30);
    auto* list = child<ui::LineView>(*dial_, "DialList");
    const std::vector<std::string> lines = viewLines(*dial_, "DialList");
    std::size_t longest = 1;
    for (std::size_t k = 1; k < lines.size(); ++k) {
      if (lines[k].starts_with(' ') && lines[k].size() > lines[longest].size()) longest = k;
    }
    QVERIFY(lines[longest].size() > 60);
    const auto doubleClick = [&](qsizetype column) {
      list->ensureVisible({longest, column});
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                         list->characterRect({longest, column}).center());
    };
    // " MCr+WIp SOr+MOt …": entries of 7 characters, one blank apart.
    for (const qsizetype entry :
         {qsizetype{0}, qsizetype{2}, (qsizetype(lines[longest].size()) - 2) / 8}) {
      doubleClick(1 + entry * 8 + 5);
      const std::vector<FactorVariant> marked =
          namedFactors(lines[longest].substr(static_cast<std::size_t>(1 + entry * 8), 7));
      QCOMPARE(marked.size(), std::size_t{2});
      QVERIFY2(disc.marked() == marked, lines[longest].c_str());
    }
    // The blank between two entries leaves the marks; a heading clears them.
    const std::vector<FactorVariant> before = disc.marked();
    doubleClick(8);
    QVERIFY(disc.marked() == before);
    doubleClick(0);
    QVERIFY(disc.marked() == before);
    list->ensureVisible({0, 0});
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->characterRect({0, 2}).center());
    QVERIFY(disc.marked().empty());
  }

  // After a click in the list the arrow keys still move the pointer; with
  // Shift they select in the list.
  void arrowKeysMoveThePointerAfterAClickInTheList() {
    auto* list = child<ui::LineView>(*dial_, "DialList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->characterRect({0, 0}).center());
    QVERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Right);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_PageUp);
    expectPointer(62, 0.5);
    QTest::keyClick(list, Qt::Key_Left);
    expectPointer(61, 0.5);
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(!list->selectedText().isEmpty());
    QTest::keyClick(list, Qt::Key_Left, Qt::ShiftModifier);
    expectPointer(61, 0.5);
  }

  void orbChangeRedrawsAndRestartCloses() {
    ui::MainWindow& main = run_->main();
    const int frames = dial_->disc().frames();
    click(child(main, "Label7"));
    QVERIFY(QTest::qWaitForWindowActive(&run_->program().orbDialog()));
    QVERIFY(typeIntoFocus(QStringLiteral("2\b\n")));  // orb 2:00
    expectPointer(0, 2.0);
    QTRY_VERIFY(dial_->disc().frames() > frames);

    run_->platform().chooseNext(run_->sample("weiss-anna.dat"));
    click(child(main, "Button4"));
    QVERIFY(!dial_->isVisible());
    QVERIFY(!child(main, "Button15")->isEnabled());
    click(child(main, "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&run_->program().orbDialog()));
    QVERIFY(typeIntoFocus(QStringLiteral("\x1b")));
    click(child(run_->program().contentOverview(), "Button1"));
    click(child(main, "Button15"));
    QVERIFY(dial_->isVisible());
    const auto anna = std::get<TransitRecord>(loadTransitFile(run_->sample("weiss-anna.dat")));
    QCOMPARE(viewLines(*dial_, "DialList"), angleSearch(anna, 1.2, 0, std::nullopt).lines);
  }

  // "Drucken" prints the sheet: who, the pointer, the orb, the page number.
  // Ctrl+P prints as "Drucken" does, Esc closes the window.
  void keysPrintAndClose() {
    const std::filesystem::path pdf = run_->startFolder() / "scheibe.pdf";
    run_->platform().printNextTo(pdf);
    QTest::keyClick(&dial_->disc(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(run_->platform().printDialogCount(), 1);
    QVERIFY(std::filesystem::file_size(pdf) > 0);
    QTest::keyClick(&dial_->disc(), Qt::Key_Escape);
    QVERIFY(!dial_->isVisible());
  }

  void printsTheSheet() {
    const std::filesystem::path pdf = run_->startFolder() / "scheibe.pdf";
    run_->platform().printNextTo(pdf);
    click(child(*dial_, "DialPrint"));
    QCOMPARE(run_->platform().printDialogCount(), 1);
    QVERIFY(std::filesystem::file_size(pdf) > 0);
    if (!kReadsPdfText) return;
    const auto pages = pagesOf(pdfText(pdf));
    QVERIFY(!pages.empty());
    QVERIFY(hasLine(pages, record_.surname() + ", " + record_.firstName()));
    QVERIFY(hasLine(pages, "Zeiger 00°00' Orbis: 00:30"));
    QVERIFY(hasLine(pages, "Seite 1 von " + std::to_string(pages.size())));
    QVERIFY(run_->platform().boxes().empty());
  }

  // "Als PDF speichern …" writes the sheet beside the result files without
  // a dialog; a second time it asks, and No keeps the first file.
  void savesTheSheetAsPdfWithoutADialog() {
    const std::filesystem::path pdf =
        run_->startFolder() / pathFromUtf8(dialSheetFileName(record_, PageFormat::pdf));
    click(child(*dial_, "DialPdf"));
    QVERIFY(std::filesystem::exists(pdf));
    QVERIFY(!kReadsPdfText || hasLine(pagesOf(pdfText(pdf)), "Zeiger 00°00' Orbis: 00:30"));
    QCOMPARE(run_->platform().printDialogCount(), 0);
    QCOMPARE(
        run_->platform().boxes(),
        oneBox(ui::BoxKind::information, "Das PDF wurde im Programm-Ordner gespeichert unter\r" +
                                             dialSheetFileName(record_, PageFormat::pdf)));

    writeFile(pdf, "das erste");
    const std::filesystem::path second =
        pdf.parent_path() / pathFromUtf8(numberedFileName(utf8FromPath(pdf.filename()), 2));
    run_->platform().forgetBoxes();
    run_->platform().answerNext(false);
    click(child(*dial_, "DialPdf"));
    QCOMPARE(run_->platform().boxes().front(),
             (ui::ShownBox{ui::BoxKind::question, "Die Datei " +
                                                      dialSheetFileName(record_, PageFormat::pdf) +
                                                      " gibt es schon. Ersetzen?"}));
    QCOMPARE(fileBytes(pdf), std::string("das erste"));
    QVERIFY(utf8FromPath(second.filename()).ends_with("_Gradscheibe (2).pdf"));
    QVERIFY(fileBytes(second).starts_with("%PDF"));

    run_->platform().answerNext(true);
    click(child(*dial_, "DialPdf"));
    QVERIFY(fileBytes(pdf).starts_with("%PDF"));
  }

  // "Bild speichern" asks in the result folder with a proposed name and
  // writes the format the chosen name ends in.
  void savesTheSheetInTheChosenFormat() {
    const std::filesystem::path folder = run_->startFolder();
    run_->platform().saveNextAs(folder / "blatt.png");
    click(child(*dial_, "DialSave"));
    QCOMPARE(run_->platform().saveDialogs().size(), std::size_t{1});
    const ui::SaveDialog& asked = run_->platform().saveDialogs()[0];
    QCOMPARE(asked.folder, folder);
    QCOMPARE(asked.proposedName, dialSheetFileName(record_, PageFormat::png));
#ifdef KELVARO_HAVE_SVG
    QCOMPARE(asked.filters, (std::vector<std::string>{"PNG-Bild (*.png)", "SVG-Grafik (*.svg)",
                                                      "PDF-Dokument (*.pdf)"}));
#else
    QCOMPARE(asked.filters, (std::vector<std::string>{"PNG-Bild (*.png)", "PDF-Dokument (*.pdf)"}));
#endif
    QImage png;
    QVERIFY(png.load(QString::fromStdString((folder / "blatt.png").string()), "PNG"));
    QCOMPARE(png.size(), QSize(2480, 3508));
    QCOMPARE(png.pixelColor(5, 5), QColor(Qt::white));

#ifdef KELVARO_HAVE_SVG
    run_->platform().saveNextAs(folder / "blatt.SVG").saveNextAs(folder / "blatt.pdf");
    click(child(*dial_, "DialSave"));
    click(child(*dial_, "DialSave"));
    QVERIFY(fileBytes(folder / "blatt.SVG").find("<svg") != std::string::npos);
#else
    run_->platform().saveNextAs(folder / "blatt.pdf");
    click(child(*dial_, "DialSave"));
#endif
    QVERIFY(!kReadsPdfText ||
            hasLine(pagesOf(pdfText(folder / "blatt.pdf")), "Zeiger 00°00' Orbis: 00:30"));
#ifdef KELVARO_HAVE_SVG
    QCOMPARE(run_->platform().boxes().size(), std::size_t{3});  // PNG, SVG and PDF saved
#else
    QCOMPARE(run_->platform().boxes().size(), std::size_t{2});  // PNG and PDF saved
#endif
    for (const ui::ShownBox& box : run_->platform().boxes()) {
      QCOMPARE(box.kind, ui::BoxKind::information);
    }
  }

  void refusedSheetSavesSayWhyAndWriteNothing() {
    const std::filesystem::path folder = run_->startFolder();
    run_->platform().cancelNextSaveDialog().saveNextAs(folder / "blatt.jpg");
    click(child(*dial_, "DialSave"));
    QVERIFY(run_->platform().boxes().empty());
    click(child(*dial_, "DialSave"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QCOMPARE(run_->platform().boxes()[0].kind, ui::BoxKind::error);
    QVERIFY(!std::filesystem::exists(folder / "blatt.jpg"));

    // A folder that does not exist, and a folder where the PDF would go
    // (replacing it is refused), are reported.
    run_->platform().saveNextAs(folder / "fehlt" / "blatt.png");
    click(child(*dial_, "DialSave"));
    std::filesystem::create_directory(folder /
                                      pathFromUtf8(dialSheetFileName(record_, PageFormat::pdf)));
    run_->platform().answerNext(true);
    click(child(*dial_, "DialPdf"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{4});
    QCOMPARE(run_->platform().boxes()[1].kind, ui::BoxKind::error);
    QCOMPARE(run_->platform().boxes()[2].kind, ui::BoxKind::question);
    QCOMPARE(run_->platform().boxes()[3].kind, ui::BoxKind::error);
    QVERIFY(run_->platform().unscripted().empty());
  }

  void f1OpensTheHelp() {
    QTest::keyClick(&dial_->disc(), Qt::Key_F1);
    ui::HelpWindow* help = ui::windowHelp(*dial_);
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Hilfe – Gradscheibe"));
    for (const char* part : {"Zeiger 07°30'", "Scheibe", "90°", "11,25°", "Doppelklick", "Bild ab",
                             "Als PDF speichern", "Bild speichern"}) {
      QVERIFY2(help->text().contains(QString::fromUtf8(part)), part);
    }
    // The program folder as this system spells it, and no other system's.
    const QString folder = QString::fromStdString(ui::programFolderInHelp());
    QVERIFY(help->text().contains(folder));
    QVERIFY(!help->text().contains(folder.startsWith(u'~') ? QStringLiteral("C:\\")
                                                           : QStringLiteral("~/")));
    help->close();
  }

  // On another size the pointer runs over that dial, its list is the search
  // on that dial, the title names the size, and the choice is kept.
  void switchingTheSizeSearchesOnThatDial() {
    auto* sizes = child<QComboBox>(*dial_, "DialSizeBox");
    QCOMPARE(sizes->currentText(), QStringLiteral("22,5°"));
    ui::DialDisc& disc = dial_->disc();
    disc.setPointer(7 * 60 + 30);
    sizes->setCurrentIndex(1);
    const DialSize ninety(DialSize::Kind::quarter);
    QCOMPARE(disc.dialSize(), ninety);
    QVERIFY(dial_->windowTitle().startsWith(QStringLiteral("Gradscheibe 90° – ")));
    expectPointer(7 * 60 + 30, 0.5, ninety);  // the pointer keeps its angle
    for (const int pointer : {0, 30 * 60 + 15, 67 * 60 + 30, 89 * 60 + 59}) {
      disc.setPointer(pointer);
      expectPointer(pointer, 0.5, ninety);
    }
    QTest::keyClick(&disc, Qt::Key_Right);  // from 89°59' round to 0°00'
    expectPointer(0, 0.5, ninety);
    QTest::keyClick(&disc, Qt::Key_PageDown);
    expectPointer(89 * 60, 0.5, ninety);
    // A click on a name sets the pointer onto its place on this dial.
    const DialName& name = disc.layout().names.front();
    QTest::mouseClick(&disc, Qt::LeftButton, {}, disc.widgetPoint(name.centre).toPoint());
    expectPointer(pointerAt(name.dialValue, ninety), 0.5, ninety);
    QCOMPARE(ui::rememberedDialSize(QStringLiteral("dial")), ninety);

    // The sheet names the size (readable in an SVG; the Windows build writes
    // no SVG, and its PDF must still come out).
    Printout sheet = dialSheetPrintout(
        dialSheetContent(record_, 0.5, 0, {true, true, true, true}, ninety), true);
    const Checked<std::string> page =
        printoutFile(sheet, writesSvg() ? PageFormat::svg : PageFormat::pdf);
    QVERIFY(!rejection(page));
    QVERIFY(!writesSvg() || std::get<std::string>(page).find("90°-Scheibe") != std::string::npos);

    // 11,25°: the pointer wraps beyond 11°14'.
    sizes->setCurrentIndex(4);
    disc.setPointer(11 * 60 + 14);
    QTest::keyClick(&disc, Qt::Key_Right);
    expectPointer(0, 0.5, DialSize(DialSize::Kind::thirtySecond));
    // Back on 22.5° the window is what it always was.
    sizes->setCurrentIndex(3);
    QVERIFY(dial_->windowTitle().startsWith(QStringLiteral("Gradscheibe 22,5° – ")));
    disc.setPointer(22 * 60 + 45);
    expectPointer(22 * 60 + 45, 0.5);
    QCOMPARE(ui::rememberedDialSize(QStringLiteral("dial")), DialSize::standard());
  }

  // The kept picture of the disc follows a new palette.
  void theDiscFollowsItsPalette() {
    ui::DialDisc& disc = dial_->disc();
    const QPoint corner(2, 2);
    QCOMPARE(disc.grab().toImage().pixelColor(corner), QColor(0, 0, 128));
    QPalette colours = disc.palette();
    colours.setColor(QPalette::Window, QColor(0, 96, 0));
    disc.setPalette(colours);
    QCOMPARE(disc.grab().toImage().pixelColor(corner), QColor(0, 96, 0));
  }

 private:
  // The pointer stands there, and the list holds exactly the angle search
  // at its value with this orb.
  void expectPointer(int pointer, double orb, DialSize dial = DialSize::standard()) {
    QCOMPARE(dial_->disc().pointer(), pointer);
    QCOMPARE(text(*dial_, "DialPointer"), pointerText(pointer, dial));
    QCOMPARE(viewLines(*dial_, "DialList"),
             angleSearch(record_, orb, pointerAngle(pointer), std::nullopt, dial).lines);
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
