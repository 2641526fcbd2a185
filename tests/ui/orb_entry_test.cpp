// The orb entry TForm2, driven key by key as a user types.
#include <memory>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "loading/orb_entry.h"
#include "ui/Unit2.h"
#include "ui/scripted_platform.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/watchdog.h"

namespace kelvaro::testing {
namespace {

using ui::BoxKind;
using ui::ShownBox;

// Shows each error in a real window that takes the focus away from the orb
// entry and gives it back afterwards, as a message box does.
class FocusTakingPlatform : public ui::ScriptedPlatform {
 public:
  void showError(QWidget* parent, const std::string& text) override {
    ScriptedPlatform::showError(parent, text);
    QWidget box;
    box.show();
    box.activateWindow();
    if (!QTest::qWaitForWindowActive(&box)) unscriptedFocus = true;
    box.hide();
    parent->activateWindow();
    if (!QTest::qWaitForWindowActive(parent)) unscriptedFocus = true;
  }
  bool unscriptedFocus = false;
};

}  // namespace

class OrbEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    watchdog_.start();
    platform_ = std::make_unique<FocusTakingPlatform>();
    form2_ = std::make_unique<ui::TForm2>(*platform_);
  }
  void cleanup() {
    form2_.reset();
    const QStringList closed = watchdog_.stop();
    QVERIFY2(closed.isEmpty(), qPrintable(closed.join(QLatin1Char(','))));
  }

  void windowAndFields() {
    QCOMPARE(form2_->windowTitle(), QStringLiteral("                      Orbis-Eingabe"));
    QVERIFY(!(form2_->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(form2_->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(edit1()->maxLength(), 1);
    QCOMPARE(edit2()->maxLength(), 2);
    QVERIFY(open(1.2));
    QVERIFY(form2_->isModal());
    QCOMPARE(edit1()->text(), QStringLiteral("1"));
    QCOMPARE(edit2()->text(), QStringLiteral("12"));
    QCOMPARE(QApplication::focusWidget(), edit1());
    QVERIFY(open(1.0));
    QCOMPARE(edit2()->text(), QStringLiteral("0"));
  }

  void typing_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<double>("orb");
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("minutes");
    // Typing two minutes moves the focus back to the degrees and runs the check.
    QTest::addRow("0 30") << "030" << true << 0.5 << "0"
                          << "30";
    QTest::addRow("1 59") << "159" << true << 1 + 59 / 60.0 << "1"
                          << "59";
    QTest::addRow("empty degrees") << "\b30" << true << 0.5 << "0"
                                   << "30";
    QTest::addRow("empty minutes, Enter") << "2\b\n"
                                          << true << 2.0 << "2"
                                          << "00";
    QTest::addRow("one minute, Enter") << "3"
                                          "5\n"
                                       << true << 3 + 5 / 60.0 << "3"
                                       << "5";
    // Refused: the error box, orb 1.0, the dialog stays open with the texts.
    QTest::addRow("0 00") << "000" << false << 1.0 << "0"
                          << "00";
    QTest::addRow("60 minutes") << "160" << false << 1.0 << "1"
                                << "60";
    QTest::addRow("letter") << "a12" << false << 1.0 << "a"
                            << "12";
    QTest::addRow("minus") << "1-5" << false << 1.0 << "1"
                           << "-5";
    QTest::addRow("blank degrees, empty minutes") << " \b\n"
                                                  << false << 1.0 << "0"
                                                  << "00";
  }

  void typing() {
    QFETCH(QString, keys);
    QFETCH(bool, closed);
    QFETCH(double, orb);
    QFETCH(QString, degrees);
    QFETCH(QString, minutes);
    QSignalSpy finished(form2_.get(), &QDialog::finished);
    QVERIFY(open(1.2));
    QVERIFY(typeIntoFocus(keys));

    QCOMPARE(form2_->isVisible(), !closed);
    QCOMPARE(finished.size(), closed ? 1 : 0);
    QCOMPARE(form2_->orb(), orb);
    QCOMPARE(edit1()->text(), degrees);
    QCOMPARE(edit2()->text(), minutes);
    const std::vector<ShownBox> expected =
        closed ? std::vector<ShownBox>{}
               : std::vector<ShownBox>{{BoxKind::error, std::string(kInvalidOrbMessage)}};
    QCOMPARE(platform_->boxes(), expected);
    if (!closed) QCOMPARE(QApplication::focusWidget(), edit1());
  }

  void focusMoves() {
    QVERIFY(open(1.2));
    QVERIFY(typeIntoFocus(QStringLiteral("\n")));  // Enter in the degrees field
    QCOMPARE(QApplication::focusWidget(), edit2());
    QVERIFY(typeIntoFocus(QStringLiteral("4")));  // one minute character: the focus stays
    QCOMPARE(QApplication::focusWidget(), edit2());
    QVERIFY(form2_->isVisible());
    QVERIFY(typeIntoFocus(QStringLiteral("\n")));  // Enter in the minutes field: check
    QVERIFY(!form2_->isVisible());
    QCOMPARE(form2_->orb(), 1 + 4 / 60.0);
    QVERIFY(platform_->boxes().empty());
  }

  // A click into the minutes selects them, so that the typed minutes replace
  // the shown ones instead of being dropped at the field's length.
  void aClickSelectsTheFieldsText() {
    QVERIFY(open(1.2));
    click(edit2());
    QTRY_VERIFY(edit2()->hasSelectedText());
    QVERIFY(typeIntoFocus(QStringLiteral("30")));
    QCOMPARE(edit2()->text(), QStringLiteral("30"));
    QVERIFY(!form2_->isVisible());
    QCOMPARE(form2_->orb(), 1.5);
  }

  // A character beyond the 16-bit range (two UTF-16 units) is one character:
  // the minutes field waits for a second one.
  void aWideCharacterCountsOnce() {
    QVERIFY(open(1.2));
    QVERIFY(typeIntoFocus(QStringLiteral("\n")));
    edit2()->clear();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("😀"));
    QApplication::sendEvent(edit2(), &key);
    QCOMPARE(edit2()->text(), QStringLiteral("😀"));
    QCOMPARE(QApplication::focusWidget(), edit2());
  }

  void leavingTheMinutesByMouseChecks() {
    QVERIFY(open(1.2));
    QVERIFY(typeIntoFocus(QStringLiteral("0")));
    QVERIFY(typeIntoFocus(QStringLiteral("\b")));  // minutes empty: 0 and 00
    click(edit1());
    QVERIFY(form2_->isVisible());
    QCOMPARE(platform_->boxes().size(), std::size_t{1});
    QCOMPARE(edit2()->text(), QStringLiteral("00"));
  }

  // The error box takes the focus away from the dialog and gives it back;
  // that must neither show the box twice nor run the check again.
  void errorBoxRunsOnce() {
    QVERIFY(open(1.2));
    QVERIFY(typeIntoFocus(QStringLiteral("000")));
    QVERIFY(!platform_->unscriptedFocus);
    QCOMPARE(platform_->boxes().size(), std::size_t{1});
    QVERIFY(form2_->isVisible());
    QCOMPARE(QApplication::focusWidget(), edit1());
    // Corrected afterwards, the entry closes normally.
    QVERIFY(typeIntoFocus(QStringLiteral("130")));
    QVERIFY(!form2_->isVisible());
    QCOMPARE(form2_->orb(), 1.5);
    QCOMPARE(platform_->boxes().size(), std::size_t{1});
  }

  // Going to another window does not leave the minutes field: no check then,
  // one check when the user comes back and moves on.
  void switchingWindowsDoesNotCheck() {
    QVERIFY(open(1.2));
    QVERIFY(typeIntoFocus(QStringLiteral("00")));  // minutes "0": the focus stays there
    QCOMPARE(QApplication::focusWidget(), edit2());
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.hide();
    form2_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form2_.get()));
    QVERIFY(platform_->boxes().empty());
    QCOMPARE(QApplication::focusWidget(), edit2());

    QVERIFY(typeIntoFocus(QStringLiteral("\n")));
    QCOMPARE(platform_->boxes().size(), std::size_t{1});
    QVERIFY(form2_->isVisible());
    QCOMPARE(QApplication::focusWidget(), edit1());
  }

  // "OK" checks as leaving the minutes does, once, wherever the focus is;
  // Enter still moves between the fields.
  void okChecksTheEntry() {
    QSignalSpy finished(form2_.get(), &QDialog::finished);
    QVERIFY(open(1.2));
    auto* ok = child<QPushButton>(*form2_, "Button1");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isVisible());
    QVERIFY(typeIntoFocus(QStringLiteral("\n")));
    QVERIFY(form2_->isVisible());
    QCOMPARE(QApplication::focusWidget(), edit2());
    QVERIFY(typeIntoFocus(QStringLiteral("0")));  // minutes "0": the focus stays there
    click(ok);
    QVERIFY(!form2_->isVisible());
    QCOMPARE(finished.size(), 1);
    QCOMPARE(form2_->orb(), 1.0);
    QVERIFY(platform_->boxes().empty());

    QVERIFY(open(1.2));
    QVERIFY(typeIntoFocus(QStringLiteral("00")));
    click(ok);
    QCOMPARE(platform_->boxes(), oneBox(BoxKind::error, std::string(kInvalidOrbMessage)));
    QVERIFY(form2_->isVisible());
    QCOMPARE(QApplication::focusWidget(), edit1());
    QCOMPARE(finished.size(), 1);
  }

  // Closed in any other way, the entry reports OK and checks nothing.
  void escapeClosesWithOk() {
    QSignalSpy finished(form2_.get(), &QDialog::finished);
    QVERIFY(open(1.2));
    QVERIFY(typeIntoFocus(QStringLiteral("0")));  // now in the minutes field
    QVERIFY(typeIntoFocus(QStringLiteral("\x1b")));
    QVERIFY(!form2_->isVisible());
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
    QCOMPARE(form2_->orb(), 1.2);
    QVERIFY(platform_->boxes().empty());
  }

 private:
  bool open(double orb) {
    form2_->openEntry(orb);
    return QTest::qWaitForWindowActive(form2_.get());
  }
  QLineEdit* edit1() { return child<QLineEdit>(*form2_, "Edit1"); }
  QLineEdit* edit2() { return child<QLineEdit>(*form2_, "Edit2"); }

  Watchdog watchdog_;
  std::unique_ptr<FocusTakingPlatform> platform_;
  std::unique_ptr<ui::TForm2> form2_;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::OrbEntryTest)
#include "orb_entry_test.moc"
