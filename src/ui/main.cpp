// kelvaro: the desktop program.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/program.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Kelvaro"));

  // The program speaks German, Qt's own dialogs too where the translation is installed.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_de"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&qtTexts);
  }

  kelvaro::ui::QtPlatform platform;
  return kelvaro::ui::runProgram(app, platform, kelvaro::ui::defaultProgramFolders());
}
