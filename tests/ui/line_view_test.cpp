// The line view on its own: selection with the mouse and the keys, copy,
// long lines and fonts whose characters differ in width, and what a screen
// reader reads from it.
#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>

#include "ui/line_view.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_test_case.h"

namespace kelvaro::testing {

class LineViewTest : public UiTestCase {
  Q_OBJECT

 private:
  // A view of these lines, shown and painted, in a fixed-pitch font unless
  // another is given.
  std::unique_ptr<ui::LineView> shownView(const ResultText& lines, QFont font = fixedFont()) {
    auto view = std::make_unique<ui::LineView>();
    view->setFont(font);
    view->resize(400, 200);
    view->setLines(lines);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get())) return nullptr;
    view->viewport()->repaint();
    return view;
  }

  static QFont fixedFont() { return ui::fixedPitchFont(9, false); }

  static QFont proportionalFont() {
    QFont font(QStringLiteral("Liberation Sans"), 10);
    font.setStyleHint(QFont::SansSerif);
    return font;
  }

  // The middle of the left edge of a character, in the viewport.
  static QPoint at(const ui::LineView& view, std::size_t line, qsizetype column) {
    const QRect character = view.characterRect({line, column});
    return {character.left(), character.center().y()};
  }

  static QString clipboard() { return QGuiApplication::clipboard()->text(); }

 private slots:
  void keysSelectFromTheClickAndCopy() {
    const auto view = shownView({"erste Zeile", "zweite Zeile", "dritte Zeile"});
    QVERIFY(view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(*view, 0, 6));
    QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view.get(), Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(view->selectedText(), QStringLiteral("Zeile\nzweite Zeile"));
    QTest::keyClick(view.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard(), QStringLiteral("Zeile\nzweite Zeil"));

    QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
    view->copy();
    QCOMPARE(clipboard(), QStringLiteral("erste Zeile\nzweite Zeile\ndritte Zeile"));
    // A click without Shift starts anew; nothing selected copies nothing.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(*view, 2, 2));
    QCOMPARE(view->selectedText(), QString());
  }

  // Clicks find the character under the mouse by the widths as painted, in
  // a proportional font too, where "i" is narrow and "W" wide.
  void clicksFindTheCharacterInAnyFont() {
    const auto view = shownView({"iiiiiiiiiiiiiiii", "WWWWWWWWWWWWWWWW"}, proportionalFont());
    QVERIFY(view);
    const QFontMetricsF metrics(proportionalFont());
    QVERIFY(metrics.horizontalAdvance(QLatin1Char('i')) * 2 < metrics.horizontalAdvance('W'));
    for (std::size_t line : {0u, 1u}) {
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(*view, line, 5));
      QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, at(*view, line, 9));
      QCOMPARE(view->selectedText().size(), qsizetype{4});
    }
  }

  // A line with fewer characters but wider ones still fits the scroll
  // range, and the keys bring the end of a long line into sight.
  void longAndWideLinesScrollWhole() {
    const QString narrow(60, QLatin1Char('i'));
    const QString wide(40, QLatin1Char('W'));
    const auto view = shownView({narrow.toStdString(), wide.toStdString()}, proportionalFont());
    QVERIFY(view);
    QScrollBar* across = view->horizontalScrollBar();
    const double wideWidth = QFontMetricsF(proportionalFont()).horizontalAdvance(wide);
    QVERIFY(across->maximum() + view->viewport()->width() >= wideWidth);

    const std::string longLine(10'000, 'x');
    view->setLines({"kurz", longLine});
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(*view, 1, 0));
    QTest::keyClick(view.get(), Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(view->selectedText().size(), qsizetype{10'000});
    QVERIFY(across->value() > 0);
    QCOMPARE(across->value(), across->maximum());
    QVERIFY(view->viewport()->rect().contains(view->characterRect({1, 9'999}).center()));
  }

  void doubleClickNamesItsLine() {
    const auto view = shownView({"Summen", " MCr+WIp KNt/POs ", "***"});
    QVERIFY(view);
    QSignalSpy clicked(view.get(), &ui::LineView::lineDoubleClicked);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at(*view, 1, 3));
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.front().front().value<qsizetype>(), qsizetype{1});
    QCOMPARE(clicked.front().back().value<qsizetype>(), qsizetype{3});
    QCOMPARE(view->selectedText(), QStringLiteral("MCr+WIp"));
  }

  // A screen reader finds a read-only text of several lines and reads its
  // lines, the cursor and the selection.
  void aScreenReaderReadsTheLines() {
    const auto view = shownView({"erste Zeile", "zweite Zeile", "Grad 12°30'"});
    QVERIFY(view);
    view->setAccessibleName(QStringLiteral("Ergebnisliste"));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(view.get());
    QVERIFY(access);
    QCOMPARE(access->role(), QAccessible::EditableText);
    QVERIFY(access->state().readOnly);
    QVERIFY(access->state().multiLine);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Ergebnisliste"));
    QAccessibleTextInterface* text = access->textInterface();
    QVERIFY(text);
    const QString all = QStringLiteral("erste Zeile\nzweite Zeile\nGrad 12°30'");
    QCOMPARE(text->characterCount(), all.size());
    QCOMPARE(text->text(0, text->characterCount()), all);
    QCOMPARE(access->text(QAccessible::Value), all);

    int start = 0;
    int end = 0;
    const int inSecond = static_cast<int>(all.indexOf(QStringLiteral("weite")));
    QCOMPARE(text->textAtOffset(inSecond, QAccessible::LineBoundary, &start, &end).trimmed(),
             QStringLiteral("zweite Zeile"));

    text->setSelection(0, inSecond, inSecond + 5);
    QCOMPARE(view->selectedText(), QStringLiteral("weite"));
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE(end - start, 5);
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(text->cursorPosition(), inSecond + 6);
    QCOMPARE(text->offsetAtPoint(view->viewport()->mapToGlobal(at(*view, 2, 5))),
             static_cast<int>(all.indexOf(QStringLiteral("12°"))));
    QVERIFY(text->characterRect(0).isValid());
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::LineViewTest)
#include "line_view_test.moc"
