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

#include "cli/standard_streams.h"
#include "core/text_encoding.h"
#include "core/version.h"
#include "loading/transit_description.h"
#ifdef KELVARO_HAVE_CHART
#include "cli/birth_data_options.h"
#endif

int main(int argc, char** argv) {
  using namespace kelvaro;
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "kelvaro-make-transit " << kVersion << "\n";
    return 0;
  }
  // The arguments as UTF-8 (on Windows from the wide command line, so
  // that any name and file name arrives whole), the messages as UTF-8 bytes.
  const std::vector<std::string> arguments = cli::utf8Arguments(argc, argv);
  cli::useStandardStreamsAsBytes();
#ifdef KELVARO_HAVE_CHART
  if (isBirthDataForm(arguments)) return makeTransitFromBirthData(arguments, std::cerr);
#endif
  if (arguments.size() != 2) {
#ifdef KELVARO_HAVE_CHART
    std::cerr << makeTransitUsage();
#else
    std::cerr << "Aufruf: kelvaro-make-transit QUELLE.txt ZIEL.dat\n";
#endif
    return 1;
  }
  const std::string& sourceName = arguments[0];
  const std::string& targetName = arguments[1];
  std::ifstream source(pathFromUtf8(sourceName), std::ios::binary);
  if (!source) {
    std::cerr << sourceName << ": lässt sich nicht lesen\n";
    return 2;
  }
  std::stringstream text;
  text << source.rdbuf();
  const auto parsed = parseTransitDescription(text.str());
  if (const Rejection* refused = rejection(parsed)) {
    std::cerr << sourceName << ": " << refused->message << "\n";
    return 2;
  }
  const auto bytes = serializeTransitRecord(std::get<TransitRecord>(parsed));
  std::ofstream target(pathFromUtf8(targetName), std::ios::binary | std::ios::trunc);
  target.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  target.close();
  if (!target) {
    std::cerr << targetName << ": lässt sich nicht schreiben\n";
    return 2;
  }
  return 0;
}
