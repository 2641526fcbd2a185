// kelvaro: the desktop program.
//
//   kelvaro [QT OPTIONS]
//   kelvaro --version
//   kelvaro --sheet …, kelvaro --ephemeris …: sheets without a window
#include <cstring>
#include <iostream>

#include <QApplication>
#include <QIcon>

#include "core/keywords.h"
#include "core/version.h"
#include "offscreen/ephemeris_command.h"
#include "offscreen/sheet_command.h"
#include "print/program_fonts.h"
#include "ui/platform/first_start.h"
#include "ui/platform/german_locale.h"
#include "ui/platform/program_folders.h"
#include "ui/platform/qt_platform.h"
#include "ui/windows/program.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "kelvaro " << kelvaro::kVersion << "\n";
    return 0;
  }
  const kelvaro::ui::ProgramFolders folders = kelvaro::ui::defaultProgramFolders();
  // kelvaro --sheet …: the dial sheet or the client sheet without a window.
  if (kelvaro::offscreen::asksForSheet(std::vector<std::string>(argv + 1, argv + argc))) {
    return kelvaro::offscreen::runSheetProgram(argc, argv,
                                               folders.program / kelvaro::kKeywordsFileName);
  }
  // kelvaro --ephemeris …: a person's graphic ephemeris without a window.
  if (kelvaro::offscreen::asksForEphemeris(std::vector<std::string>(argv + 1, argv + argc))) {
    return kelvaro::offscreen::runEphemerisProgram(argc, argv);
  }
  // The program speaks German, Qt's own dialogs too.
  kelvaro::ui::GermanLocale german;
  QApplication app(argc, argv);
  german.apply(app);
  // Every table lines up in the program's own fonts, whatever the system has.
  kelvaro::registerProgramFonts();
  app.setApplicationName(QStringLiteral("Kelvaro"));
  app.setApplicationVersion(QString::fromUtf8(kelvaro::kVersion));
  // The menu entry and the icon installed under this id belong to these windows.
  app.setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));
  app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kelvaro.Kelvaro")));

#ifdef Q_OS_WIN
  // No launcher starts the program on Windows: the setup puts the samples beside it.
  const std::filesystem::path installed(QCoreApplication::applicationDirPath().toStdU16String());
  kelvaro::ui::prepareFoldersOnFirstStart(folders, installed / "samples");
  kelvaro::ui::leaveInstallFolder(folders, installed);
#endif
  kelvaro::ui::QtPlatform platform;
  return kelvaro::ui::runProgram(app, platform, folders);
}
