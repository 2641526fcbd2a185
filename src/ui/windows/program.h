#pragma once

#include <memory>

#include "ui/help/window_help.h"
#include "ui/windows/content_overview_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/orb_dialog.h"

class QApplication;

namespace kelvaro::ui {

// The four windows of a run, created once in this order and living until
// the program ends. The main window's start-up runs while it is created.
class Program {
 public:
  Program(Platform& platform, ProgramFolders folders);

  MainWindow& mainWindow() { return mainWindow_; }
  OrbDialog& orbDialog() { return orbDialog_; }
  HelpWindow& panelHelp() { return *panelHelp_; }
  ContentOverviewWindow& contentOverview() { return contentOverview_; }

 private:
  MainWindow mainWindow_;
  OrbDialog orbDialog_;
  std::unique_ptr<HelpWindow> panelHelp_;
  ContentOverviewWindow contentOverview_;
};

// A whole run: creates the windows, then runs the event loop until the main
// window reports the end of the program. Returns the exit status.
int runProgram(QApplication& app, Platform& platform, ProgramFolders folders);

}  // namespace kelvaro::ui
