#include "offscreen/offscreen_command.h"

#include <iostream>

#include <QGuiApplication>

#include "cli/standard_streams.h"
#include "print/program_fonts.h"

namespace kelvaro::offscreen {
namespace {

// Qt's notes are in English and about the desktop it does not use here.
void ignoreQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int runOffscreen(int argc, char** argv, const OffscreenCommand& command) {
  const std::vector<std::string> arguments = cli::utf8Arguments(argc, argv);
  qInstallMessageHandler(&ignoreQtMessages);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  registerProgramFonts();
  return command(arguments, std::cout, std::cerr);
}

}  // namespace kelvaro::offscreen
