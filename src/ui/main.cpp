// kelvaro: the desktop program.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/version.h"
#include "ui/program.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Kelvaro"));
  app.setApplicationVersion(QString::fromUtf8(kelvaro::kVersion));
  // The menu entry and the icon installed under this id belong to these windows.
  app.setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));
  app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kelvaro.Kelvaro")));

  // The program speaks German, Qt's own dialogs too where the translation is installed.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_de"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&qtTexts);
  }

  kelvaro::ui::QtPlatform platform;
  return kelvaro::ui::runProgram(app, platform, kelvaro::ui::defaultProgramFolders());
}
