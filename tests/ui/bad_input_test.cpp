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
#include "loading/transit_file.h"
#include "support/record_builder.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/watchdog.h"
#include "ui/text_view.h"

namespace kelvaro::testing {
namespace {

using ui::BoxKind;
using ui::ShownBox;

// What choosing the file leads to.
enum class Outcome {
  ends,         // "Ladeversuch mit … ging daneben", then the program ends
  asksAgain,    // the file cannot be opened: its message, then the dialog again
  loads,        // the whole road of a load
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
  for (char c = 1; c < 32; ++c) text += c;
  text = text + "Ä😀" + text;
  RecordBuilder builder(200.0);
  for (std::size_t field = 0; field < kTextFieldCount; ++field) builder.text(field, text + text + text);
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

}  // namespace

class UiBadInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { watchdog_.start(); }
  void cleanup() {
    run_.reset();
    const QStringList closed = watchdog_.stop();
    QVERIFY2(closed.isEmpty(), qPrintable(closed.join(QLatin1Char(','))));
  }

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
    QTest::addRow("2559 bytes") << "kurz.dat" << std::vector<unsigned char>(2559, 0)
                                << qint64{2559} << int(Outcome::ends);
    QTest::addRow("NaN positions") << "nan.dat" << std::vector<unsigned char>(2560, 0xFF)
                                   << qint64{2560} << int(Outcome::ends);
    QTest::addRow("a folder") << "ordner" << none << qint64{-1} << int(Outcome::asksAgain);
    QTest::addRow("a named pipe") << "rohr" << none << qint64{-2} << int(Outcome::ends);
    QTest::addRow("2560 zero bytes") << "nullen.dat" << std::vector<unsigned char>(2560, 0)
                                     << qint64{2560} << int(Outcome::loads);
    QTest::addRow("1 GiB") << "riesig.dat" << sampleBytes() << (qint64{1} << 30)
                           << int(Outcome::loads);
    QTest::addRow("Cyrillic and emoji in the name")
        << QString::fromUtf8("Жюль 😀") << sampleBytes() << qint64{2560} << int(Outcome::loads);
    QTest::addRow("+1e308") << "gross.dat" << RecordBuilder(1e308).bytes() << qint64{2560}
                            << int(Outcome::loads);
    QTest::addRow("mixed extremes")
        << "extrem.dat"
        << bytesOf(RecordBuilder(-1e308)
                       .everywhere(factor::MC, 1e308)
                       .everywhere(factor::SO, -0.0)
                       .everywhere(factor::AS, 359.999999999)
                       .build())
        << qint64{2560} << int(Outcome::loads);
    QTest::addRow("control characters in every text") << "steuer.dat" << controlTexts()
                                                       << qint64{2560} << int(Outcome::loads);
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
    } else if (size == -2) {
      QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
    } else {
      path = run_->transitFile(name.toStdString(), bytes);
      if (size > 2560) std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
    }
    run_->platform().chooseNext(path);
    if (outcome == int(Outcome::asksAgain)) run_->platform().chooseNext(run_->sample("weiss-anna.dat"));
    ui::Program& program = run_->start();
    ui::TForm1& main = program.form1();
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
      QVERIFY(program.form2().isVisible());
      return;
    }

    // The whole road: header line, orb entry, content overview, axis overview.
    const TransitRecord record = std::get<TransitRecord>(loadTransitFile(path));
    QCOMPARE(text(main, "Panel2"), headerLine(record));
    ui::TForm2& orbEntry = program.form2();
    QVERIFY(QTest::qWaitForWindowActive(&orbEntry));
    QVERIFY(typeIntoFocus(QStringLiteral("112")));
    QVERIFY(!orbEntry.isVisible());
    ui::TForm4& overview = program.form4();
    QVERIFY(overview.isVisible());
    QCOMPARE(viewLines(overview, "Memo1"), asShown(vier_summen(record, 1.2)));
    click(child(overview, "Button1"));
    QCOMPARE(main.state(), ui::TForm1::State::ready);
    QCOMPARE(viewLines(main, "Memo3"), asShown(axisOverview(record, 1.2).lines));
    QCOMPARE(run_->platform().boxes(),
             oneBox(BoxKind::information, std::string(kSearchesReadyMessage)));
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
    QTest::addRow("tab") << "\t" << "30" << false << 1.0;
    QTest::addRow("10,000 characters") << QString(10000, QLatin1Char('5'))
                                       << QString(10000, QLatin1Char('0')) << true << 5.0;
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
    click(child(program.form1(), "Button2"));
    ui::TForm2& orbEntry = program.form2();
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
      QCOMPARE(text(program.form1(), "Label7"), orbLabelText(orb));
      QVERIFY(program.form4().isVisible());
    }
  }

 private:
  static void paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  }

  Watchdog watchdog_;
  std::unique_ptr<UiRun> run_;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::UiBadInputTest)
#include "bad_input_test.moc"
