#include "ui/platform/offscreen_screen.h"

#include <QDir>
#include <QFile>

namespace kelvaro::ui {

namespace {

QString folderTemplate() {
#ifdef Q_OS_WIN
  return QDir::current().filePath(QStringLiteral("kelvaro-screen-XXXXXX"));
#else
  return QDir::temp().filePath(QStringLiteral("kelvaro-screen-XXXXXX"));
#endif
}

}  // namespace

OffscreenScreen::OffscreenScreen(QSize size) : dir_(folderTemplate()) {
  if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !dir_.isValid()) return;
  const QString path =
      QDir::current().relativeFilePath(dir_.filePath(QStringLiteral("screen.json")));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(QStringLiteral(R"({"screens": [{"name": "kelvaro", "x": 0, "y": 0, "width": %1,)"
                            R"( "height": %2, "logicalDpi": 96}]})")
                 .arg(size.width())
                 .arg(size.height())
                 .toUtf8());
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toUtf8());
}

}  // namespace kelvaro::ui
