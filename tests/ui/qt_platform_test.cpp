// The Qt message boxes of the running program: symbol, German buttons, and
// "\r" shown as a line break. Each box is answered by a timer, as a user
// would click it.
#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "ui/qt_platform.h"
#include "ui/support/qtest_main.h"
#include "ui/support/watchdog.h"

namespace kelvaro::testing {
namespace {

// What the next message box showed; filled in when a timer answers it.
struct SeenBox {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QStringList buttons;
  Qt::TextFormat format = Qt::AutoText;
};

// Answers the next message box by clicking the button with this caption.
void answerNextBox(SeenBox& seen, const QString& caption) {
  QTimer::singleShot(0, [&seen, caption] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen.icon = box->icon();
    seen.text = box->text();
    seen.format = box->textFormat();
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == caption) button->click();
    }
  });
}

}  // namespace

class QtPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { watchdog_.start(); }
  void cleanup() {
    const QStringList closed = watchdog_.stop();
    QVERIFY2(closed.isEmpty(), qPrintable(closed.join(QLatin1Char(','))));
  }

  void errorBox() {
    SeenBox seen;
    answerNextBox(seen, QStringLiteral("OK"));
    platform_.showError(nullptr, "\rDas ist kein Orbis               ");
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.text, QStringLiteral("\nDas ist kein Orbis               "));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
  }

  void informationBox() {
    SeenBox seen;
    answerNextBox(seen, QStringLiteral("OK"));
    platform_.showInformation(nullptr, "Zeile 1\rZeile 2 <b>\r");
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.text, QStringLiteral("Zeile 1\nZeile 2 <b>\n"));
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
  }

  void questionBox_data() {
    QTest::addColumn<QString>("click");
    QTest::addColumn<bool>("yes");
    QTest::addRow("Ja") << "Ja" << true;
    QTest::addRow("Nein") << "Nein" << false;
  }

  void questionBox() {
    QFETCH(QString, click);
    QFETCH(bool, yes);
    SeenBox seen;
    answerNextBox(seen, click);
    QCOMPARE(platform_.askYesNo(nullptr, "Möchten Sie das Verfahren 1. anwenden?"), yes);
    QCOMPARE(seen.icon, QMessageBox::Question);
    seen.buttons.sort();
    QCOMPARE(seen.buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
  }

  // The AAF dialogs: their folder and file types; a name typed without an
  // extension gets the first type's.
  void fileDialogsOfferTheirTypes() {
    const QTemporaryDir folder;
    const std::filesystem::path here(folder.path().toStdString());
    std::ofstream(here / "kunden.AAF") << "#A93:\n";
    const std::vector<std::string> types = {"AAF-Dateien (*.aaf *.AAF)", "Alle Dateien (*)"};
    QStringList offered;
    QString openedIn;
    const auto answer = [&](const QString& name) {
      QTimer::singleShot(0, [&, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        offered = dialog->nameFilters();
        openedIn = dialog->directory().absolutePath();
        dialog->selectFile(name);
        static_cast<QDialog*>(dialog)->accept();
      });
    };
    answer(QStringLiteral("kunden.AAF"));
    const auto chosen = platform_.chooseFile(nullptr, here, types);
    QVERIFY(chosen && std::filesystem::path(*chosen) == here / "kunden.AAF");
    QCOMPARE(offered, (QStringList{QString::fromUtf8(types[0]), QString::fromUtf8(types[1])}));
    QCOMPARE(openedIn, folder.path());
    answer(QStringLiteral("export"));
    const auto saved =
        platform_.chooseSaveFile(nullptr, "AAF exportieren", here, "personen.aaf", types);
    QVERIFY(saved && std::filesystem::path(*saved) == here / "export.aaf");
    QCOMPARE(offered.size(), 2);
  }

  // A box nobody answers is closed by the watchdog, and reported.
  void watchdogEndsAStrayBox() {
    Watchdog shortDog(std::chrono::milliseconds(50));
    shortDog.start();
    platform_.showError(nullptr, "niemand antwortet");
    QCOMPARE(shortDog.stop().size(), 1);
  }

 private:
  Watchdog watchdog_;
  ui::QtPlatform platform_;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::QtPlatformTest)
#include "qt_platform_test.moc"
