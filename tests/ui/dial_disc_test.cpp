// The disc's kept picture on two screens of different pixel ratio: moved
// to the sharper screen, the disc paints its picture anew for that ratio.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "ui/support/watchdog.h"
#include "ui/widgets/dial_disc.h"

namespace kelvaro::testing {

class DialDiscTest : public QObject {
  Q_OBJECT

 private slots:
  void aNewPixelRatioPaintsTheDiscAnew() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), qsizetype{2});
    QCOMPARE(screens[1]->devicePixelRatio(), 2.0);
    ui::DialDisc disc;
    disc.resize(500, 500);
    disc.show();
    QVERIFY(QTest::qWaitForWindowExposed(&disc));
    disc.repaint();
    QCOMPARE(disc.backgroundRatio(), 1.0);

    disc.windowHandle()->setScreen(screens[1]);
    QTRY_COMPARE(disc.devicePixelRatioF(), 2.0);
    const QImage picture = disc.grab().toImage();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(disc.backgroundRatio(), 2.0);
  }
};

}  // namespace kelvaro::testing

// Two offscreen screens side by side, the second at twice the pixel ratio.
int main(int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screens.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 2;
  file.write(R"({"screens": [
    {"name": "a", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96},
    {"name": "b", "x": 1280, "y": 0, "width": 1280, "height": 800, "logicalDpi": 192}]})");
  file.close();
  // The platform's arguments are parted by colons, so the file is named
  // relative to the working folder: a Windows path has a colon of its own.
  const QString startFolder = QDir::currentPath();
  QDir::setCurrent(dir.path());
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screens.json");
  QApplication app(argc, argv);
  QDir::setCurrent(startFolder);  // so that the folder can go at the end
  kelvaro::testing::DialDiscTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dial_disc_test.moc"
