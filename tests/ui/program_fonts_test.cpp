// The program's own fonts carry its tables: the test runs with no font of
// the system (an empty font configuration), as on a Windows without
// Courier New and Arial.
#include <algorithm>
#include <vector>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "print/print_font.h"
#include "print/program_fonts.h"
#include "ui/support/qtest_main.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::testing {
namespace {

// The column of the line's tallest stroke: the "|" drawn in it.
int barColumn(const QString& line, const QFont& font) {
  const QFontMetrics metrics(font);
  QImage image(metrics.horizontalAdvance(line) + 8, metrics.height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(2, metrics.ascent(), line);
  painter.end();
  int column = -1;
  int tallest = 0;
  for (int x = 0; x < image.width(); ++x) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) dark += qGray(image.pixel(x, y)) < 128;
    if (dark > tallest) {
      tallest = dark;
      column = x;
    }
  }
  return column;
}

}  // namespace

class ProgramFontsTest : public QObject {
  Q_OBJECT

 private slots:
  void bothFamiliesAreThere() {
    const QStringList families = QFontDatabase::families();
    QVERIFY2(families.contains(QString::fromLatin1(kFixedPitchFamily)),
             qPrintable(families.join(QStringLiteral(", "))));
    QVERIFY(families.contains(QString::fromLatin1(kProportionalFamily)));
    // Registered once more, nothing new: the first folder that holds them.
    QCOMPARE(registerProgramFonts({}), 0);
  }

  void windowsAndSheetsUseThem() {
    const QFontInfo table(ui::fixedPitchFont(10, false));
    QCOMPARE(table.family(), QString::fromLatin1(kFixedPitchFamily));
    QVERIFY(table.fixedPitch());
    QCOMPARE(QFontInfo(ui::fixedPitchFont(10, true)).family(),
             QString::fromLatin1(kFixedPitchFamily));
    QCOMPARE(QFontInfo(ui::captionFont(10, true)).family(),
             QString::fromLatin1(kProportionalFamily));
    QCOMPARE(QFontInfo(printFont(QFont())).family(), QString::fromLatin1(kFixedPitchFamily));
    QCOMPARE(QFontInfo(sheetFont(9, false)).family(), QString::fromLatin1(kProportionalFamily));
  }

  // Lines of a result table: the "|" after seven characters of any kind
  // stands in one column, in the window's font and bold.
  void tableColumnsLineUp() {
    for (const bool bold : {false, true}) {
      const QFont font = ui::fixedPitchFont(11, bold);
      std::vector<int> columns;
      for (const char* line : {"SO/MO  |", "iiiiiii|", "WWWWWWW|", "1111111|", "°°°''..|"}) {
        columns.push_back(barColumn(QString::fromUtf8(line), font));
      }
      QVERIFY(columns.front() > 0);
      QVERIFY2(std::all_of(columns.begin(), columns.end(),
                           [&](int column) { return column == columns.front(); }),
               bold ? "fett" : "normal");
    }
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::ProgramFontsTest)
#include "program_fonts_test.moc"
