// The help every window gets: F1 and the "Hilfe" button open it, Escape
// and "gelesen" close it, and it shows the window's own paragraphs.
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help/window_help.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_test_case.h"

namespace kelvaro::testing {

class WindowHelpTest : public UiTestCase {
  Q_OBJECT

 private:
  // A window with a field that has the focus, as a user's window has.
  struct SomeWindow {
    QWidget window;
    QLineEdit* field;
    QPushButton* helpButton;

    SomeWindow() {
      window.setObjectName(QStringLiteral("SomeWindow"));
      field = new QLineEdit(&window);
      helpButton = ui::addWindowHelp(window, QStringLiteral("Probe"),
                                     {"Wozu das Fenster dient.", "", "Was F1 tut."});
      auto* layout = new QVBoxLayout(&window);
      layout->addWidget(field);
      layout->addWidget(helpButton);
      window.show();
      window.activateWindow();
      field->setFocus();
    }
  };

 private slots:
  void f1AndTheButtonOpenTheWindowsOwnHelp() {
    SomeWindow some;
    QVERIFY(QTest::qWaitForWindowActive(&some.window));
    ui::HelpWindow* help = ui::windowHelp(some.window);
    QVERIFY(help);
    QVERIFY(!help->isVisible());
    QCOMPARE(some.helpButton->text(), QStringLiteral("Hilfe"));

    QTest::keyClick(some.field, Qt::Key_F1);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Hilfe – Probe"));
    QCOMPARE(help->text(), QStringLiteral("Wozu das Fenster dient.\n\nWas F1 tut."));

    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());

    click(some.helpButton);
    QVERIFY(help->isVisible());
    click(child(*help, "HelpClose"));
    QVERIFY(!help->isVisible());
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::WindowHelpTest)
#include "window_help_test.moc"
