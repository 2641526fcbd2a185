// kelvaro-atlas-export: writes the place atlas of Debian's geonames library
// into a folder as the files the Windows program reads (its setup installs
// them in the folder "atlas" beside the program). A build tool, not
// installed.
//
//   kelvaro-atlas-export FOLDER
#include <iostream>

#include "chart/atlas_export.h"
#include "cli/terminal_message.h"
#include "core/text_encoding.h"

int main(int argc, char** argv) {
  using namespace kelvaro;
  if (argc != 2) {
    std::cerr << "Aufruf: kelvaro-atlas-export ORDNER\n";
    return 1;
  }
  if (const auto failure = chart::exportAtlas(pathFromUtf8(argv[1]))) {
    std::cerr << cli::terminalMessage(*failure) << "\n";
    return 2;
  }
  return 0;
}
