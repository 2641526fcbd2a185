// kelvaro-make-transit: writes a 2560-byte transit data file from its
// readable text (see loading/transit_description.h), or computes it from
// birth data (see cli/birth_data_options.h).
//
//   kelvaro-make-transit SOURCE.txt TARGET.dat
//   kelvaro-make-transit --version
//   kelvaro-make-transit --name=… --birth=… … TARGET.dat
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "core/text_encoding.h"
#include "core/version.h"
#include "loading/transit_description.h"
#include "output/transit_file_write.h"
#ifdef KELVARO_HAVE_CHART
#include "cli/birth_data_options.h"
#endif

int main(int argc, char** argv) {
  using namespace kelvaro;
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "kelvaro-make-transit " << kVersion << "\n";
    return 0;
  }
#ifdef KELVARO_HAVE_CHART
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (isBirthDataForm(arguments)) return makeTransitFromBirthData(arguments, std::cerr);
#endif
  if (argc != 3) {
#ifdef KELVARO_HAVE_CHART
    std::cerr << makeTransitUsage();
#else
    std::cerr << "Aufruf: kelvaro-make-transit QUELLE.txt ZIEL.dat\n";
#endif
    return 1;
  }
  std::ifstream source(argv[1], std::ios::binary);
  if (!source) {
    std::cerr << argv[1] << ": lässt sich nicht lesen\n";
    return 2;
  }
  std::stringstream text;
  text << source.rdbuf();
  const auto parsed = parseTransitDescription(text.str());
  if (const Rejection* refused = rejection(parsed)) {
    std::cerr << argv[1] << ": " << refused->message << "\n";
    return 2;
  }
  // An earlier file is replaced only by a complete new one.
  if (const auto failure =
          writeTransitFile(pathFromUtf8(argv[2]), std::get<TransitRecord>(parsed))) {
    std::cerr << *failure << "\n";
    return 2;
  }
  return 0;
}
