// kelvaro: the desktop program.
#include <QApplication>

#include "ui/german_locale.h"
#include "ui/program.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
  // The program speaks German, Qt's own dialogs too.
  kelvaro::ui::GermanLocale german;
  QApplication app(argc, argv);
  german.apply(app);
  app.setApplicationName(QStringLiteral("Kelvaro"));

  kelvaro::ui::QtPlatform platform;
  return kelvaro::ui::runProgram(app, platform, kelvaro::ui::defaultProgramFolders());
}
