#include "ui/program.h"

#include <QApplication>

namespace kelvaro::ui {

Program::Program(Platform& platform, ProgramFolders folders)
    : form1_(platform, std::move(folders)), form2_(platform) {
  form1_.useWindows(form2_, form3_, form4_);
}

int runProgram(QApplication& app, Platform& platform, ProgramFolders folders) {
  // The main window decides when the program ends, not the last closed window.
  app.setQuitOnLastWindowClosed(false);
  Program program(platform, std::move(folders));
  if (program.form1().hasEnded()) return 0;
  // Queued: the end takes effect once the current user action is handled.
  QObject::connect(&program.form1(), &TForm1::ended, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  return app.exec();
}

}  // namespace kelvaro::ui
