// kelvaro: the desktop program.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/program.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Kelvaro"));
  app.setQuitOnLastWindowClosed(false);  // the main window decides when the program ends

  // The program speaks German, Qt's own dialogs too where the translation is installed.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_de"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&qtTexts);
  }

  kelvaro::ui::QtPlatform platform;
  kelvaro::ui::Program program(platform, kelvaro::ui::defaultProgramFolders());
  if (program.form1().hasEnded()) return 0;
  QObject::connect(&program.form1(), &kelvaro::ui::TForm1::ended, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  return app.exec();
}
