// The table of planetary pictures, opened from the main window's list and
// from the dial window: its rows against the search, the smaller orb, the
// order by deviation, the CSV, the keywords with a line that cannot be read,
// and the client sheet of the chosen rows.
#include <QCheckBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

#include "core/keywords.h"
#include "loading/transit_file.h"
#include "output/csv_text.h"
#include "print/print_support.h"
#include "search/angle_search.h"
#include "search/dial_pointer.h"
#include "search/midpoint_sum_search.h"
#include "search/picture_table.h"
#include "support/file_bytes.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/widgets/line_view.h"
#include "ui/windows/dial_window.h"
#include "ui/windows/keywords_dialog.h"
#include "ui/windows/picture_table_window.h"

namespace kelvaro::testing {

class PictureTableWindowTest : public UiTestCase {
  Q_OBJECT

 protected:
  // The sample loaded at orb 0:30 with keywords of the astrologer's own,
  // one line of them unreadable; option 1 searched for KN+JU.
  void setUp() override {
    run_ = std::make_unique<UiRun>();
    writeFile(keywordsFile(), "SO = Lebenskraft\nXY = Unsinn\nKN+JU = SO/SO = Probe\n");
    record_ = std::get<TransitRecord>(loadTransitFile(run_->sample("mueller-juergen.dat")));
    QVERIFY(run_->loadToReady("mueller-juergen.dat", QStringLiteral("030")));
    QVERIFY(!child<QPushButton>(run_->main(), "TableButton")->isEnabled());
    click(child(run_->main(), "Button10"));
    QTest::keyClicks(child(run_->main(), "Edit2"), QStringLiteral("kn+ju"));
    QVERIFY(child<QPushButton>(run_->main(), "TableButton")->isEnabled());
    click(child(run_->main(), "TableButton"));
    window_ = child<ui::PictureTableWindow>(run_->main(), "PictureTableWindow");
    QVERIFY(window_ && window_->isVisible());
  }

  std::filesystem::path keywordsFile() const { return run_->folders().program / kKeywordsFileName; }

  std::vector<PictureRow> searchRows() const {
    const auto entry = std::get<MidpointSumEntry>(checkMidpointSumEntry("KN+JU"));
    const auto result = midpointSumSearch(record_, 0.5, entry).result;
    return pictureRows(record_, resultPictures(result), DialSize(),
                       Keywords::read(fileBytes(keywordsFile())));
  }

  std::vector<std::string> column(int number) const {
    const auto* table = window_->findChild<QTableWidget*>(QStringLiteral("PictureTable"));
    std::vector<std::string> texts;
    for (int r = 0; r < table->rowCount(); ++r) {
      texts.push_back(table->item(r, number)->text().toStdString());
    }
    return texts;
  }

 private slots:
  // One row per picture of the search, in its order, then the nearest
  // first; a smaller orb leaves out the farther ones.
  void rowsAreTheSearchsPicturesSortedAndFiltered() {
    const auto rows = searchRows();
    QVERIFY(rows.size() > 5);
    std::vector<std::string> pictures;
    for (const auto& row : rows) pictures.push_back(pictureText(row.picture));
    QCOMPARE(column(0), pictures);
    QCOMPARE(window_->shownRows(), rows);

    click(child(*window_, "TableByDeviation"));
    QCOMPARE(window_->shownRows(), chooseRows(rows, {std::nullopt, true}));
    std::vector<std::string> deviations;
    for (const auto& row : chooseRows(rows, {std::nullopt, true})) {
      deviations.push_back(deviationText(row.deviation));
    }
    QCOMPARE(column(2), deviations);

    auto* orb = child<QLineEdit>(*window_, "TableOrb");
    orb->selectAll();
    QTest::keyClicks(orb, QStringLiteral("0:10"));
    QTest::keyClick(orb, Qt::Key_Return);
    const auto near = chooseRows(rows, {10.0 / 60, true});
    QVERIFY(!near.empty() && near.size() < rows.size());
    QCOMPARE(window_->shownRows(), near);
    // A larger orb than the search's finds nothing more.
    orb->selectAll();
    QTest::keyClicks(orb, QStringLiteral("5:00"));
    QTest::keyClick(orb, Qt::Key_Return);
    QCOMPARE(orb->text(), QStringLiteral("0:30"));
    QCOMPARE(window_->shownRows().size(), rows.size());
  }

  // The CSV holds the rows as the table shows them.
  void savesTheShownRowsAsCsv() {
    click(child(*window_, "TableByDeviation"));
    const auto target = run_->startFile("bilder.csv");
    run_->platform().saveNextAs(target);
    click(child(*window_, "TableCsv"));
    QCOMPARE(fileBytes(target), csvText(pictureTable(window_->shownRows(), DialSize())));
    QVERIFY(fileBytes(target).find("Probe") != std::string::npos);
  }

  // The picture's own keywords stand beside it, the factors' beside the
  // others; the editor lists the unreadable line with its number, and saving
  // keeps it.
  void keywordsWithALineThatCannotBeRead() {
    const auto rows = searchRows();
    std::vector<std::string> words;
    for (const auto& row : rows) words.push_back(row.keywords);
    QCOMPARE(column(3), words);
    QVERIFY(std::find(words.begin(), words.end(), "Probe") != words.end());

    click(child(*window_, "TableKeywords"));
    auto* dialog = window_->findChild<ui::KeywordsDialog*>(QStringLiteral("KeywordsDialog"));
    QVERIFY(dialog && dialog->isVisible());
    auto* problems = child<QPlainTextEdit>(*dialog, "KeywordsProblems");
    QVERIFY(problems->toPlainText().startsWith(QStringLiteral("Zeile 2: ")));
    auto* text = child<QPlainTextEdit>(*dialog, "KeywordsText");
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, QStringLiteral("KN/JU = Verbindung und Wachstum"));
    QTest::keyClick(text, Qt::Key_Return);
    click(child(*dialog, "KeywordsSave"));
    const std::string saved = fileBytes(keywordsFile());
    QVERIFY(saved.find("XY = Unsinn\n") != std::string::npos);
    QVERIFY(saved.find("KN/JU = Verbindung und Wachstum") != std::string::npos);
    // The rows show the new keywords at once.
    QCOMPARE(column(3), [&] {
      std::vector<std::string> now;
      for (const auto& row : searchRows()) now.push_back(row.keywords);
      return now;
    }());
  }

  // The client sheet of two chosen rows: one page with the person and the
  // rows' pictures and keywords.
  void clientSheetOfTheChosenRows() {
    auto* table = child<QTableWidget>(*window_, "PictureTable");
    table->selectRow(0);
    QCOMPARE(window_->sheetRows().size(), std::size_t{1});
    const auto target = run_->startFile("blatt.pdf");
    auto* button = child<QPushButton>(*window_, "TableClientSheet");
    QAction* pdf = button->menu()->findChild<QAction*>(QStringLiteral("ClientSheetPdf"));
    QVERIFY(pdf);
    pdf->trigger();
    const auto written = run_->startFile(clientSheetFileName(record_, PageFormat::pdf));
    QVERIFY(std::filesystem::exists(written));
    if (!kReadsPdfText) return;
    const auto pages = pagesOf(pdfText(written));
    QCOMPARE(pages.size(), std::size_t{1});
    const std::string all = pdfText(written);
    QVERIFY(all.find(record_.surname()) != std::string::npos);
    QVERIFY(all.find(pictureText(window_->sheetRows()[0].picture)) != std::string::npos);
  }

  // The dial window's list names an entry's keywords where the mouse rests,
  // and opens its pictures as a table with the dial's pointer.
  void dialListShowsKeywordsAndOpensItsTable() {
    click(child(run_->main(), "Button15"));
    auto* dial = child<ui::DialWindow>(run_->main(), "DialWindow");
    QVERIFY(QTest::qWaitForWindowExposed(dial));
    const SearchResult& list = dial->pointerList();
    const std::vector<Picture> pictures = resultPictures(list);
    QVERIFY(!pictures.empty());
    const Picture& first = pictures.front();
    auto* view = child<ui::LineView>(*dial, "DialList");
    const QRect cell = view->characterRect({first.line, 2});
    QHelpEvent help(QEvent::ToolTip, cell.center(), view->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(view->viewport(), &help);
    const std::string words = Keywords::read(fileBytes(keywordsFile())).ofPicture(first);
    QCOMPARE(QToolTip::text().toStdString(), pictureText(first) + "\n" + words);

    click(child(*dial, "DialTable"));
    auto* table = dial->findChild<ui::PictureTableWindow*>(QStringLiteral("PictureTableWindow"));
    QVERIFY(table && table->isVisible());
    QCOMPARE(table->shownRows().size(), pictures.size());
  }

 private:
  TransitRecord record_;
  ui::PictureTableWindow* window_ = nullptr;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::PictureTableWindowTest)
#include "picture_table_window_test.moc"
