// The help every window gets: F1 and the "Hilfe" button open it, Escape
// and "gelesen" close it, and it shows the window's own paragraphs.
#include <utility>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help/window_help.h"
#include "ui/platform/scripted_platform.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_test_case.h"
#include "ui/windows/backups_dialog.h"
#include "ui/windows/content_overview_window.h"
#include "ui/windows/orb_dialog.h"

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

  // The windows without a "Hilfe" button have F1 all the same.
  void f1OpensTheHelpOfTheSmallWindows() {
    ui::ScriptedPlatform platform;
    ui::ContentOverviewWindow overview;
    ui::OrbDialog orb(platform);
    ui::BackupsDialog backups(nullptr);
    const std::vector<std::pair<QWidget*, QString>> windows = {
        {&overview, QStringLiteral("Hilfe – Inhaltsübersicht")},
        {&orb, QStringLiteral("Hilfe – Orbis-Eingabe")},
        {&backups, QStringLiteral("Hilfe – Sicherung wiederherstellen")}};
    for (const auto& [window, title] : windows) {
      window->show();
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window));
      QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
      QTest::keyClick(focus, Qt::Key_F1);
      ui::HelpWindow* help = ui::windowHelp(*window);
      QVERIFY2(help && help->isVisible(), qPrintable(title));
      QCOMPARE(help->windowTitle(), title);
      QVERIFY(help->text().contains(QStringLiteral("F1 öffnet diese Hilfe")));
      help->close();
      window->hide();
    }
  }
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::WindowHelpTest)
#include "window_help_test.moc"
