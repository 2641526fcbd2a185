// Bad input in the windows: files chosen in the dialog that are no transit
// files or hold records at the edges of the format, and strange texts pasted
// into the orb entry. Each ends with the message the user must see or with
// the whole road of a load: no crash, no hang, nothing lost.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <variant>

#include <QClipboard>
#include <QLineEdit>

#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/orb_entry.h"
#include "loading/position_check.h"
#include "loading/transit_file.h"
#include "search/angle_search.h"
#include "search/free_axis_entry.h"
#include "search/magic_square.h"
#include "search/midpoint_sum_search.h"
#include "search/quadro_search.h"
#include "search/search_angle.h"
#include "search/triple_search.h"
#include "support/record_builder.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/support/watchdog.h"
#include "ui/widgets/text_view.h"

namespace kelvaro::testing {
namespace {

using ui::BoxKind;
using ui::ShownBox;

// What choosing the file leads to.
enum class Outcome {
  ends,       // "Ladeversuch mit … ging daneben", then the program ends
  asksAgain,  // the file cannot be opened: its message, then the dialog again
  loads,      // the whole road of a load
  asksFirst,  // positions outside [0, 360): the question, Yes, then the road of a load
};

std::vector<unsigned char> sampleBytes() {
  std::ifstream in(std::filesystem::path(KELVARO_SAMPLES_DIR) / "mueller-juergen.dat",
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> bytesOf(const TransitRecord& record) {
  const auto raw = serializeTransitRecord(record);
  return {raw.begin(), raw.end()};
}

std::vector<unsigned char> controlTexts() {
  std::string text;
  for (char c = 0; c < 32; ++c) text += c;
  text = text + "Ä😀" + text;
  RecordBuilder builder(200.0);
  for (std::size_t field = 0; field < kTextFieldCount; ++field)
    builder.text(field, text + text + text);
  return builder.bytes();
}

// The lines as a text view shows them: a line break (CR or LF) inside a line,
// which only a record's text fields can bring, starts a new line.
std::vector<std::string> asShown(const std::vector<std::string>& lines) {
  std::vector<std::string> shown;
  for (const std::string& line : lines) {
    std::size_t start = 0;
    for (std::size_t end; (end = line.find_first_of("\r\n", start)) != std::string::npos;
         start = end + 1) {
      shown.push_back(line.substr(start, end - start));
    }
    shown.push_back(line.substr(start));
  }
  return shown;
}

QString qs(std::string_view utf8) { return ui::toQString(utf8); }

// The rows of the option test name their pastes; "\n" among them is the
// Enter key, and this stands for a paste of 10,000 characters.
const QString kLongPaste = QStringLiteral("<10000>");

}  // namespace

class UiBadInputTest : public UiTestCase {
  Q_OBJECT

 private slots:

  void badFileChosenInTheDialog_data() {
    QTest::addColumn<QString>("name");  // of the file in the transit folder
    QTest::addColumn<std::vector<unsigned char>>("bytes");
    // The file is grown to this size (sparse) when larger; -1 makes a
    // folder, -2 a named pipe nobody writes into.
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("outcome");
    const std::vector<unsigned char> none;
    QTest::addRow("empty") << "leer.dat" << none << qint64{0} << int(Outcome::ends);
    QTest::addRow("1 byte") << "ein.dat" << std::vector<unsigned char>{0x41} << qint64{1}
                            << int(Outcome::ends);
    QTest::addRow("2559 bytes") << "kurz.dat" << std::vector<unsigned char>(2559, 0) << qint64{2559}
                                << int(Outcome::ends);
    QTest::addRow("NaN positions") << "nan.dat" << std::vector<unsigned char>(2560, 0xFF)
                                   << qint64{2560} << int(Outcome::ends);
    QTest::addRow("a folder") << "ordner" << none << qint64{-1} << int(Outcome::asksAgain);
#ifndef Q_OS_WIN  // Windows has no named pipes in folders
    QTest::addRow("a named pipe") << "rohr" << none << qint64{-2} << int(Outcome::ends);
#endif
    QTest::addRow("2560 zero bytes") << "nullen.dat" << std::vector<unsigned char>(2560, 0)
                                     << qint64{2560} << int(Outcome::loads);
    QTest::addRow("1 GiB") << "riesig.dat" << sampleBytes() << (qint64{1} << 30)
                           << int(Outcome::loads);
    QTest::addRow("Cyrillic and emoji in the name")
        << QString::fromUtf8("Жюль 😀") << sampleBytes() << qint64{2560} << int(Outcome::loads);
    QTest::addRow("+1e308") << "gross.dat" << RecordBuilder(1e308).bytes() << qint64{2560}
                            << int(Outcome::asksFirst);
    QTest::addRow("mixed extremes") << "extrem.dat"
                                    << bytesOf(RecordBuilder(-1e308)
                                                   .everywhere(factor::MC, 1e308)
                                                   .everywhere(factor::SO, -0.0)
                                                   .everywhere(factor::AS, 359.999999999)
                                                   .build())
                                    << qint64{2560} << int(Outcome::asksFirst);
    QTest::addRow("control characters in every text")
        << "steuer.dat" << controlTexts() << qint64{2560} << int(Outcome::loads);
  }

  void badFileChosenInTheDialog() {
    QFETCH(QString, name);
    QFETCH(std::vector<unsigned char>, bytes);
    QFETCH(qint64, size);
    QFETCH(int, outcome);
    run_ = std::make_unique<UiRun>();
    std::string path = (run_->folders().transit / name.toStdString()).string();
    if (size == -1) {
      std::filesystem::create_directory(path);
#ifndef Q_OS_WIN
    } else if (size == -2) {
      QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
#endif
    } else {
      path = run_->transitFile(name.toStdString(), bytes);
      if (size > 2560) std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
    }
    run_->platform().chooseNext(path);
    if (outcome == int(Outcome::asksAgain))
      run_->platform().chooseNext(run_->sample("weiss-anna.dat"));
    if (outcome == int(Outcome::asksFirst)) run_->platform().answerNext(true);
    ui::Program& program = run_->start();
    ui::MainWindow& main = program.mainWindow();
    click(child(main, "Button2"));

    if (outcome == int(Outcome::ends)) {
      QCOMPARE(run_->platform().boxes(),
               oneBox(BoxKind::error, "Ladeversuch mit " + path + " ging daneben"));
      QVERIFY(main.hasEnded());
      return;
    }
    if (outcome == int(Outcome::asksAgain)) {
      QCOMPARE(run_->platform().boxes(),
               oneBox(BoxKind::error, std::get<LoadFailure>(loadTransitFile(path)).message));
      QCOMPARE(run_->platform().fileDialogFolders().size(), std::size_t{2});
      QVERIFY(program.orbDialog().isVisible());
      return;
    }

    // The whole road: header line, orb entry, content overview, axis overview.
    const TransitRecord record = std::get<TransitRecord>(loadTransitFile(path));
    QCOMPARE(text(main, "Panel2"), headerLine(record));
    ui::OrbDialog& orbEntry = program.orbDialog();
    QVERIFY(QTest::qWaitForWindowActive(&orbEntry));
    QVERIFY(typeIntoFocus(QStringLiteral("112")));
    QVERIFY(!orbEntry.isVisible());
    ui::ContentOverviewWindow& overview = program.contentOverview();
    QVERIFY(overview.isVisible());
    QCOMPARE(textLines(overview, "Memo1"), asShown(vier_summen(record, 1.2).lines()));
    click(child(overview, "Button1"));
    QCOMPARE(main.state(), ui::MainWindow::State::ready);
    QCOMPARE(viewLines(main, "Memo3"), asShown(axisOverview(record, 1.2).lines.lines()));
    std::vector<ShownBox> boxes = oneBox(BoxKind::information, std::string(kSearchesReadyMessage));
    if (outcome == int(Outcome::asksFirst)) {
      boxes.insert(boxes.begin(), ShownBox{BoxKind::question, outsidePositionsQuestion(path)});
    }
    QCOMPARE(run_->platform().boxes(), boxes);
  }

  // Strange texts pasted into the entry field of every option. A text of
  // the option's length is checked and refused with the option's message;
  // any other length waits, as typing does.
  void pasteIntoEachOption_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<bool>>("answers");  // to the questions on the way
    QTest::addColumn<QStringList>("pastes");
    QTest::addColumn<QStringList>("errors");  // the texts of the error boxes, in order
    QTest::addColumn<QString>("field");       // holds fieldText afterwards
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QStringList>("list");  // the result list; empty: as it was

    const QList<bool> none;
    const QStringList same;
    const QString longText(10000, QLatin1Char('K'));
    const QString cyrillic = QString::fromUtf8("ЖЖ");
    const QString emoji = QString::fromUtf8("😀");
    const QStringList refusedTriple = [] {
      QStringList lines;
      for (const std::string_view line : tripleRefusedLines()) lines << qs(std::string(line));
      return lines;
    }();

    const QString option1 = QStringLiteral("Button10");
    QTest::addRow("1: Cyrillic") << option1 << none << QStringList{cyrillic + "+JU"}
                                 << QStringList{qs(kMidpointSumFactorMessage)} << "Edit2"
                                 << "" << same;
    QTest::addRow("1: emoji") << option1 << none << QStringList{emoji + emoji + "+JU"}
                              << QStringList{qs(kMidpointSumFactorMessage)} << "Edit2"
                              << "" << same;
    QTest::addRow("1: tab") << option1 << none << QStringList{"KN\tJU"}
                            << QStringList{qs(kMidpointSumOperatorMessage)} << "Edit2"
                            << "" << same;
    QTest::addRow("1: line break") << option1 << none << QStringList{"KN+J\n"}
                                   << QStringList{qs(kMidpointSumFactorMessage)} << "Edit2"
                                   << "" << same;
    QTest::addRow("1: 10,000") << option1 << none << QStringList{kLongPaste, "\n"} << QStringList{}
                               << "Edit2" << longText << same;

    const QString option2 = QStringLiteral("Button3");
    QTest::addRow("2.1: Cyrillic")
        << option2 << QList<bool>{true} << QStringList{cyrillic + "t+JUp"}
        << QStringList{qs(kFreeAxisFactorMessage)} << "Edit1"
        << "" << same;
    QTest::addRow("2.1: emoji") << option2 << QList<bool>{true}
                                << QStringList{"KN" + emoji + "+JUp"}
                                << QStringList{qs(kFreeAxisVariantMessage)} << "Edit1"
                                << "" << same;
    QTest::addRow("2.1: tab") << option2 << QList<bool>{true} << QStringList{"KNt\tJUp"}
                              << QStringList{qs(kFreeAxisOperatorMessage)} << "Edit1"
                              << "" << same;
    QTest::addRow("2.1: 10,000") << option2 << QList<bool>{true} << QStringList{kLongPaste, "\n"}
                                 << QStringList{} << "Edit1" << longText << same;
    QTest::addRow("2.2: Cyrillic")
        << option2 << QList<bool>{false} << QStringList{cyrillic + "+JU=MO/SA"}
        << QStringList{qs(kQuadroFactorMessage)} << "Edit7"
        << "" << QStringList{" " + cyrillic + "+JU=MO/SA"};
    QTest::addRow("2.2: tab") << option2 << QList<bool>{false} << QStringList{"kn+ju\tmo/sa"}
                              << QStringList{qs(kQuadroEqualsMessage)} << "Edit7"
                              << "" << QStringList{" KN+JU\tMO/SA"};
    QTest::addRow("2.2: line break") << option2 << QList<bool>{false} << QStringList{"KN\nJU=MO/SA"}
                                     << QStringList{qs(kQuadroOperatorMessage)} << "Edit7"
                                     << "" << QStringList{" KN\nJU=MO/SA"};
    QTest::addRow("2.2: 10,000") << option2 << QList<bool>{false} << QStringList{kLongPaste, "\n"}
                                 << QStringList{} << "Edit7" << longText << same;

    const QString option3 = QStringLiteral("Button13");
    const QString angleMessage = qs(kInvalidSearchAngleMessage);
    QTest::addRow("3: Cyrillic degrees")
        << option3 << none << QStringList{cyrillic, "00"} << QStringList{angleMessage} << "Edit3"
        << cyrillic << same;
    QTest::addRow("3: emoji minutes")
        << option3 << none << QStringList{"05", emoji + emoji} << QStringList{angleMessage}
        << "Edit4" << emoji + emoji << same;
    QTest::addRow("3: tabs") << option3 << none << QStringList{"\t\t", "07"}
                             << QStringList{angleMessage} << "Edit3"
                             << "\t\t" << same;
    QTest::addRow("3: 10,000 degrees") << option3 << none << QStringList{kLongPaste, "\n", "07"}
                                       << QStringList{angleMessage} << "Edit3" << longText << same;
    QTest::addRow("3: Cyrillic factor")
        << option3 << QList<bool>{true} << QStringList{"05", "07", cyrillic}
        << QStringList{qs(kAngleFactorMessage)} << "Edit5" << cyrillic << same;
    QTest::addRow("3: emoji and tab factor")
        << option3 << QList<bool>{true} << QStringList{"05", "07", emoji + "\t"}
        << QStringList{qs(kAngleFactorMessage)} << "Edit5" << emoji + "\t" << same;
    QTest::addRow("3: 10,000 factor")
        << option3 << QList<bool>{true} << QStringList{"05", "07", kLongPaste} << QStringList{}
        << "Edit5" << longText << same;

    const QString option4 = QStringLiteral("Button14");
    QTest::addRow("4: Cyrillic") << option4 << QList<bool>{true}
                                 << QStringList{cyrillic + "+JU=KN+"}
                                 << QStringList{qs(std::string(kTripleNamesMessageStart) +
                                                   "ЖЖ+JU=KN+" +
                                                   std::string(kTripleNamesMessageEnd))}
                                 << "Edit6"
                                 << "" << refusedTriple;
    QTest::addRow("4: tab") << option4 << QList<bool>{true} << QStringList{"VE+JU\tKN+"}
                            << QStringList{qs(kTripleOperatorMessage)} << "Edit6"
                            << "" << refusedTriple;
    QTest::addRow("4: tabs and line breaks")
        << option4 << QList<bool>{false} << QStringList{"\t\t\t\t\n\n\n\n\n"}
        << QStringList{qs(std::string(kTripleNamesMessageStart) + "\t\t\t\t\n\n\n\n\n" +
                          std::string(kTripleNamesMessageEnd)),
                       qs(kTripleOperatorMessage)}
        << "Edit6"
        << "" << refusedTriple;
    QTest::addRow("4: 10,000") << option4 << QList<bool>{true} << QStringList{kLongPaste, "\n"}
                               << QStringList{} << "Edit6" << longText << same;

    const QString option6 = QStringLiteral("Button5");
    QTest::addRow("6: Cyrillic") << option6 << none << QStringList{cyrillic + "t"}
                                 << QStringList{qs(kInvalidMagicFactorMessage)} << "Edit8"
                                 << "" << same;
    QTest::addRow("6: emoji") << option6 << none << QStringList{"kn" + emoji}
                              << QStringList{qs(kInvalidMagicVariantMessage)} << "Edit8"
                              << "KN" << same;
    QTest::addRow("6: tab") << option6 << none << QStringList{"KN\t"}
                            << QStringList{qs(kInvalidMagicVariantMessage)} << "Edit8"
                            << "KN" << same;
    QTest::addRow("6: 10,000") << option6 << none << QStringList{kLongPaste} << QStringList{}
                               << "Edit8" << longText << same;
  }

  void pasteIntoEachOption() {
    QFETCH(QString, button);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, pastes);
    QFETCH(QStringList, errors);
    QFETCH(QString, field);
    QFETCH(QString, fieldText);
    QFETCH(QStringList, list);
    QVERIFY(walkToReady());
    ui::MainWindow& main = run_->main();
    const std::vector<std::string> before = viewLines(main, "Memo3");
    for (bool answer : answers) run_->platform().answerNext(answer);

    click(child(main, button.toLatin1().constData()));
    for (const QString& step : pastes) {
      if (step == QLatin1String("\n")) {
        QVERIFY(typeIntoFocus(step));
      } else {
        paste(step == kLongPaste ? QString(10000, QLatin1Char('K')) : step);
      }
    }

    QStringList shownErrors;
    for (const ShownBox& box : run_->platform().boxes()) {
      if (box.kind == BoxKind::error) shownErrors << qs(box.text);
    }
    QCOMPARE(shownErrors, errors);
    QVERIFY(run_->platform().unscripted().empty());
    QCOMPARE(child<QLineEdit>(main, field.toLatin1().constData())->text(), fieldText);
    std::vector<std::string> expected = before;
    if (!list.isEmpty()) {
      expected.clear();
      for (const QString& line : list) expected.push_back(ui::toUtf8(line));
    }
    QCOMPARE(viewLines(main, "Memo3"), asShown(expected));
    QCOMPARE(main.state(), ui::MainWindow::State::ready);
  }

  // Texts pasted into the degrees and then the minutes field of the orb
  // entry (as the user's paste: the clipboard and Ctrl+V). The fields keep
  // one and two characters of a paste; what they then hold is checked.
  void pasteIntoTheOrbEntry_data() {
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("orb");
    QTest::addRow("Cyrillic") << QString::fromUtf8("ЖЖ") << "12" << false << 1.0;
    QTest::addRow("emoji degrees") << QString::fromUtf8("😀") << "12" << false << 1.0;
    QTest::addRow("emoji minutes") << "1" << QString::fromUtf8("😀") << false << 1.0;
    QTest::addRow("tab") << "\t"
                         << "30" << false << 1.0;
    QTest::addRow("10,000 characters")
        << QString(10000, QLatin1Char('5')) << QString(10000, QLatin1Char('0')) << true << 5.0;
    QTest::addRow("10,000 letters") << QString(10000, QChar(0x0416)) << "00" << false << 1.0;
  }

  void pasteIntoTheOrbEntry() {
    QFETCH(QString, degrees);
    QFETCH(QString, minutes);
    QFETCH(bool, accepted);
    QFETCH(double, orb);
    run_ = std::make_unique<UiRun>();
    run_->platform().chooseNext(run_->sample("mueller-juergen.dat"));
    ui::Program& program = run_->start();
    click(child(program.mainWindow(), "Button2"));
    ui::OrbDialog& orbEntry = program.orbDialog();
    QVERIFY(QTest::qWaitForWindowActive(&orbEntry));

    // The degrees field has the focus with its text selected: the paste
    // replaces it and moves the focus on; the minutes paste fills that field.
    paste(degrees);
    QCOMPARE(QApplication::focusWidget(), child(orbEntry, "Edit2"));
    child<QLineEdit>(orbEntry, "Edit2")->selectAll();
    paste(minutes);
    if (orbEntry.isVisible() && run_->platform().boxes().empty()) {
      QVERIFY(typeIntoFocus(QStringLiteral("\n")));  // a shorter minutes text: Enter checks
    }

    QCOMPARE(orbEntry.orb(), orb);
    QCOMPARE(orbEntry.isVisible(), !accepted);
    const std::vector<ShownBox> boxes =
        accepted ? std::vector<ShownBox>{}
                 : oneBox(BoxKind::error, std::string(kInvalidOrbMessage));
    QCOMPARE(run_->platform().boxes(), boxes);
    QVERIFY(child<QLineEdit>(orbEntry, "Edit1")->text().size() <= 1);
    QVERIFY(child<QLineEdit>(orbEntry, "Edit2")->text().size() <= 2);
    if (accepted) {
      QCOMPARE(text(program.mainWindow(), "Label7"), orbLabelText(orb));
      QVERIFY(program.contentOverview().isVisible());
    }
  }

 private:
  // Loads the sample with the orb 1:12 up to the searches; no boxes kept.
  bool walkToReady() {
    run_ = std::make_unique<UiRun>();
    return run_->loadToReady("mueller-juergen.dat", QStringLiteral("112"));
  }

  static void paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::UiBadInputTest)
#include "bad_input_test.moc"
