// kelvaro-atlas-export: makes the place atlas from GeoNames' table of
// places ("cities500.txt") and writes its files into a folder: the build
// runs it for the build tree and the Debian package, scripts/test-windows
// for the Windows setup (which installs them in the folder "atlas" beside
// the program). A build tool, not installed.
//
//   kelvaro-atlas-export CITIES500.TXT ORDNER
#include <iostream>

#include "atlas/atlas_export.h"
#include "cli/exit_status.h"
#include "cli/terminal_message.h"
#include "core/text_encoding.h"

int main(int argc, char** argv) {
  using namespace kelvaro;
  if (argc != 3) {
    std::cerr << "Aufruf: kelvaro-atlas-export CITIES500.TXT ORDNER\n";
    return cli::kExitUsage;
  }
  if (const auto failure = atlas::exportAtlas(pathFromUtf8(argv[1]), pathFromUtf8(argv[2]))) {
    std::cerr << cli::terminalMessage(*failure) << "\n";
    return cli::kExitRefused;
  }
  return cli::kExitDone;
}
