// "Drucken" and "Speichern" of the main window and of the content overview:
// they output the lines of their own view, save into the folder that was
// current at the start, and report what happened in the right box.
#include <fstream>
#include <iterator>
#include <memory>
#include <variant>

#include <QPlainTextEdit>
#include <QPushButton>

#include "core/text_encoding.h"
#include "loading/content_overview.h"
#include "loading/transit_file.h"
#include "output/free_file_name.h"
#include "output/page_file.h"
#include "output/result_file.h"
#include "output/save.h"
#include "print/print_support.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/support/watchdog.h"

namespace kelvaro::testing {
namespace {

using ui::BoxKind;
using ui::ShownBox;

// The files of a folder, by name.
std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files.push_back(entry.path());
  return files;
}

}  // namespace

class OutputButtonsTest : public UiTestCase {
  Q_OBJECT

 protected:
  void setUp() override {
    run_ = std::make_unique<UiRun>();
    sample_ = run_->sample("mueller-juergen.dat");
    record_ = std::get<TransitRecord>(loadTransitFile(sample_));
    run_->platform().chooseNext(sample_);
    ui::Program& program = run_->start();
    click(child(program.mainWindow(), "Button2"));
    QVERIFY(QTest::qWaitForWindowActive(&program.orbDialog()));
    QVERIFY(typeIntoFocus(QStringLiteral("030")));
    QVERIFY(program.contentOverview().isVisible());
  }

 private slots:

  // The content overview saves its text as the user sees it, edits included.
  void saveFromTheContentOverview() {
    ui::ContentOverviewWindow& overview = run_->program().contentOverview();
    auto* view = child<QPlainTextEdit>(overview, "Memo1");
    view->moveCursor(QTextCursor::End);
    view->insertPlainText(QStringLiteral("\nNotiz"));
    std::vector<std::string> lines = vier_summen(record_, 0.5).lines();
    lines.push_back("Notiz");

    click(child(overview, "Button3"));
    QVERIFY(overview.isVisible());
    expectSavedAsTheLibrarySaves(lines);
  }

  void saveFromTheMainWindow() {
    finishLoad();
    const std::vector<std::string> lines = viewLines(run_->main(), "Memo3");
    click(child(run_->main(), "Button7"));
    expectSavedAsTheLibrarySaves(lines);
    QCOMPARE(std::filesystem::current_path(), run_->startFolder());
  }

  void refusedSaveShowsTheError() {
    finishLoad();
    std::filesystem::remove_all(run_->startFolder());
    const std::vector<std::string> lines = viewLines(run_->main(), "Memo3");
    const auto refused =
        saveResultList(run_->startFolder(), record_, ResultText(lines), ExistingFile::keep);
    QVERIFY(rejection(refused));

    click(child(run_->main(), "Button7"));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::error, rejection(refused)->message));
  }

  // A save never replaces an earlier file without asking: Ja replaces it,
  // Nein saves under the next free name, which the information box names.
  void aSecondSaveAsksBeforeItReplaces() {
    finishLoad();
    click(child(run_->main(), "Button7"));
    const std::string name = resultFileName(record_);
    const std::string second = name.substr(0, name.size() - 4) + " (2).txt";
    const std::string earlier = fileBytes(run_->startFolder() / pathFromUtf8(name));
    run_->main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&run_->main()));
    click(child(run_->main(), "Button10"));
    QVERIFY(typeIntoFocus(QStringLiteral("KN+JU")));
    const std::vector<std::string> lines = viewLines(run_->main(), "Memo3");
    run_->platform().forgetBoxes();

    run_->platform().answerNext(false);
    click(child(run_->main(), "Button7"));
    const std::string question = "Die Datei " + name + " gibt es schon. Ersetzen?";
    QCOMPARE(run_->platform().boxes().size(), std::size_t{2});
    QCOMPARE(run_->platform().boxes()[0], (ui::ShownBox{BoxKind::question, question}));
    QCOMPARE(run_->platform().boxes()[1].kind, BoxKind::information);
    QVERIFY(run_->platform().boxes()[1].text.starts_with(
        "Der Inhalt wurde im Programm-Ordner gespeichert unter\r" + second + "\r\r"));
    QCOMPARE(fileBytes(run_->startFolder() / pathFromUtf8(name)), earlier);
    QCOMPARE(fileBytes(run_->startFolder() / pathFromUtf8(second)),
             resultFileText(record_, ResultText(lines)));

    // Ja replaces the file.
    run_->platform().forgetBoxes();
    run_->platform().answerNext(true);
    click(child(run_->main(), "Button7"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{2});
    QCOMPARE(run_->platform().boxes()[0], (ui::ShownBox{BoxKind::question, question}));
    QVERIFY(run_->platform().boxes()[1].text.starts_with(
        "Der Inhalt wurde im Programm-Ordner gespeichert unter\r" + name + "\r\r"));
    QVERIFY(fileBytes(run_->startFolder() / pathFromUtf8(name)) != earlier);
    QCOMPARE(filesIn(run_->startFolder()).size(), std::size_t{2});
    QVERIFY(run_->platform().unscripted().empty());
  }

  void printFromBothWindows_data() {
    QTest::addColumn<bool>("fromMainWindow");
    QTest::addRow("content overview") << false;
    QTest::addRow("main window") << true;
  }

  void printFromBothWindows() {
    QFETCH(bool, fromMainWindow);
    const std::filesystem::path pdf = run_->startFolder() / "druck.pdf";
    run_->platform().printNextTo(pdf);
    if (fromMainWindow) finishLoad();
    QWidget& window =
        fromMainWindow ? static_cast<QWidget&>(run_->main()) : run_->program().contentOverview();

    click(child(window, fromMainWindow ? "Button6" : "Button2"));
    QCOMPARE(run_->platform().printDialogCount(), 1);
    QVERIFY(std::filesystem::file_size(pdf) > 0);
    QVERIFY(run_->platform().boxes().empty());
  }

  // "Als PDF speichern …" writes the pages the print gives beside the
  // result files, without the print dialog.
  void savePdfFromBothWindows() {
    QFETCH(bool, fromMainWindow);
    if (fromMainWindow) finishLoad();
    QWidget& window =
        fromMainWindow ? static_cast<QWidget&>(run_->main()) : run_->program().contentOverview();
    const std::vector<std::string> lines =
        fromMainWindow ? viewLines(run_->main(), "Memo3")
                       : textLines(run_->program().contentOverview(), "Memo1");
    const std::string name = printoutFileName(record_, PageFormat::pdf);
    click(child(window, "SavePdfButton"));
    QCOMPARE(run_->platform().printDialogCount(), 0);
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::information,
                    "Das PDF wurde im Programm-Ordner gespeichert unter\r" + name));
    if (!kReadsPdfText) return;
    const auto pages = pagesOf(pdfText(run_->startFolder() / pathFromUtf8(name)));
    QVERIFY(!pages.empty());
    for (std::size_t k = 0; k < pages.size(); ++k) {
      QCOMPARE(pages[k].front(), printHeader(record_));
      const std::string foot =
          "Seite " + std::to_string(k + 1) + " von " + std::to_string(pages.size());
      QVERIFY2(std::find(pages[k].begin(), pages[k].end(), foot) != pages[k].end(), foot.c_str());
    }
    QCOMPARE(pages[0][2], pagesOf(lines[0] + "\n").front().front());
  }

  void savePdfFromBothWindows_data() { printFromBothWindows_data(); }

  // An earlier PDF is replaced only when the user says so; otherwise the
  // new one takes the next free name, and the box names it.
  void savePdfAsksBeforeReplacing() {
    finishLoad();
    const std::filesystem::path earlier =
        run_->startFolder() / pathFromUtf8(printoutFileName(record_, PageFormat::pdf));
    writeFile(earlier, "früher");
    const std::filesystem::path second =
        earlier.parent_path() / pathFromUtf8(numberedFileName(utf8FromPath(earlier.filename()), 2));
    run_->platform().answerNext(false);
    click(child(run_->main(), "SavePdfButton"));
    QCOMPARE(fileBytes(earlier), std::string("früher"));
    QVERIFY(fileBytes(second).starts_with("%PDF"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{2});
    QCOMPARE(run_->platform().boxes()[0].kind, BoxKind::question);
    QCOMPARE(
        run_->platform().boxes()[1].text,
        "Das PDF wurde im Programm-Ordner gespeichert unter\r" + utf8FromPath(second.filename()));

    run_->platform().answerNext(true);
    click(child(run_->main(), "SavePdfButton"));
    QVERIFY(fileBytes(earlier).starts_with("%PDF"));
    QCOMPARE(filesIn(run_->startFolder()).size(), std::size_t{2});
  }

  // Ctrl+P and Ctrl+S do what "Drucken" and "Speichern" do, in both windows,
  // and nothing while the buttons cannot be clicked.
  void keysPrintAndSave_data() { printFromBothWindows_data(); }
  void keysPrintAndSave() {
    QFETCH(bool, fromMainWindow);
    if (fromMainWindow) finishLoad();
    QWidget& window =
        fromMainWindow ? static_cast<QWidget&>(run_->main()) : run_->program().contentOverview();
    const std::vector<std::string> lines =
        fromMainWindow ? viewLines(run_->main(), "Memo3") : vier_summen(record_, 0.5).lines();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const std::filesystem::path pdf = run_->startFolder() / "druck.pdf";
    run_->platform().printNextTo(pdf);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(run_->platform().printDialogCount(), 1);
    QVERIFY(std::filesystem::file_size(pdf) > 0);
    std::filesystem::remove(pdf);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    expectSavedAsTheLibrarySaves(lines);
    if (!fromMainWindow) return;
    // Option 6 covers the list and its buttons: the keys do nothing then.
    click(child(run_->main(), "Button5"));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(filesIn(run_->startFolder()).size(), std::size_t{1});
    QCOMPARE(run_->platform().printDialogCount(), 1);
  }

  // Without a printer "Drucken" says so and offers the PDF: Yes writes the
  // pages "Als PDF speichern" writes, No writes nothing; no print dialog.
  void withoutAPrinterDruckenOffersThePdf() {
    finishLoad();
    run_->platform().removePrinters();
    run_->platform().answerNext(false);
    click(child(run_->main(), "Button6"));
    QVERIFY(filesIn(run_->startFolder()).empty());
    run_->platform().answerNext(true);
    click(child(run_->main(), "Button6"));
    QCOMPARE(run_->platform().printDialogCount(), 0);
    const std::string name = printoutFileName(record_, PageFormat::pdf);
    QVERIFY(fileBytes(run_->startFolder() / pathFromUtf8(name)).starts_with("%PDF"));
    const auto& boxes = run_->platform().boxes();
    QCOMPARE(boxes.size(), std::size_t{3});
    for (const std::size_t question : {0, 1}) {
      QCOMPARE(boxes[question].kind, BoxKind::question);
      QVERIFY(
          boxes[question].text.starts_with("Auf diesem Rechner ist kein Drucker eingerichtet."));
    }
    QCOMPARE(boxes[2].text, "Das PDF wurde im Programm-Ordner gespeichert unter\r" + name);
    QVERIFY(run_->platform().unscripted().empty());
  }

  void cancelledPrintDoesNothing() {
    run_->platform().cancelNextPrintDialog();
    click(child(run_->program().contentOverview(), "Button2"));
    QCOMPARE(run_->platform().printDialogCount(), 1);
    QVERIFY(run_->platform().boxes().empty());
    QVERIFY(filesIn(run_->startFolder()).empty());
  }

  void failedPrintShowsAnError() {
    run_->platform().printNextTo(run_->startFolder() / "fehlt" / "druck.pdf");
    click(child(run_->program().contentOverview(), "Button2"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QCOMPARE(run_->platform().boxes()[0].kind, BoxKind::error);
  }

 private:
  void finishLoad() {
    click(child(run_->program().contentOverview(), "Button1"));
    run_->platform().forgetBoxes();
  }

  // The file in the start folder and the information box are exactly what the
  // save of these lines gives in a folder of its own.
  void expectSavedAsTheLibrarySaves(const std::vector<std::string>& lines) {
    const TempDir reference;
    const auto expected =
        saveResultList(reference.path(), record_, ResultText(lines), ExistingFile::keep);
    QVERIFY(!rejection(expected));
    const std::vector<std::filesystem::path> referenceFiles = filesIn(reference.path());
    QCOMPARE(referenceFiles.size(), std::size_t{1});

    const std::filesystem::path saved = run_->startFolder() / referenceFiles[0].filename();
    QVERIFY2(std::filesystem::exists(saved), saved.string().c_str());
    QCOMPARE(fileBytes(saved), fileBytes(referenceFiles[0]));
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::information, std::get<SavedFile>(expected).information));
  }

  std::string sample_;
  TransitRecord record_;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::OutputButtonsTest)
#include "output_buttons_test.moc"
