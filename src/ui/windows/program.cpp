#include "ui/windows/program.h"

#include <QApplication>

namespace kelvaro::ui {

Program::Program(Platform& platform, ProgramFolders folders)
    : mainWindow_(platform, std::move(folders)),
      orbDialog_(platform),
      panelHelp_(HelpWindow::variantPanelHelp()) {
  mainWindow_.useWindows(orbDialog_, *panelHelp_, contentOverview_);
}

int runProgram(QApplication& app, Platform& platform, ProgramFolders folders) {
  // The main window decides when the program ends, not the last closed window.
  app.setQuitOnLastWindowClosed(false);
  Program program(platform, std::move(folders));
  if (program.mainWindow().hasEnded()) return 0;
  // Queued: the end takes effect once the current user action is handled.
  QObject::connect(&program.mainWindow(), &MainWindow::ended, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  return app.exec();
}

}  // namespace kelvaro::ui
