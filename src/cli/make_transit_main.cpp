// kelvaro-make-transit: writes a 2560-byte transit data file from its
// readable text (see loading/transit_description.h), or computes it from
// birth data (see cli/birth_data_options.h).
//
//   kelvaro-make-transit SOURCE.txt TARGET.dat
//   kelvaro-make-transit --version
//   kelvaro-make-transit --name=… --birth=… … TARGET.dat
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/exit_status.h"
#include "cli/standard_streams.h"
#include "cli/terminal_message.h"
#include "core/text_encoding.h"
#include "core/version.h"
#include "loading/transit_description.h"
#include "output/transit_file_write.h"
#ifdef KELVARO_HAVE_CHART
#include "cli/birth_data_options.h"
#endif

namespace {

using namespace kelvaro;
int refuse(const std::string& message) {
  std::cerr << cli::terminalMessage(message) << "\n";
  return cli::kExitRefused;
}

// The first form: the readable text of SOURCE becomes the file TARGET, which
// replaces an earlier file only by a complete new one.
int makeFromText(const std::string& source, const std::string& target) {
  std::ifstream text(pathFromUtf8(source), std::ios::binary);
  if (!text) return refuse(source + ": lässt sich nicht lesen");
  std::stringstream content;
  content << text.rdbuf();
  const auto parsed = parseTransitDescription(content.str());
  if (const Rejection* refused = rejection(parsed)) return refuse(source + ": " + refused->message);
  if (const auto failure =
          writeTransitFile(pathFromUtf8(target), std::get<TransitRecord>(parsed))) {
    return refuse(*failure);
  }
  return cli::kExitDone;
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.size() == 1 && arguments[0] == "--version") {
    std::cout << "kelvaro-make-transit " << kVersion << "\n";
    return cli::kExitDone;
  }
#ifdef KELVARO_HAVE_CHART
  if (isBirthDataForm(arguments)) return makeTransitFromBirthData(arguments, std::cerr);
  const char* usage = makeTransitUsage();
#else
  const char* usage = "Aufruf: kelvaro-make-transit QUELLE.txt ZIEL.dat\n";
#endif
  if (arguments.size() != 2) {
    std::cerr << usage;
    return cli::kExitUsage;
  }
  return makeFromText(arguments[0], arguments[1]);
}

}  // namespace

int main(int argc, char** argv) {
  // The arguments as UTF-8 (on Windows from the wide command line, so that
  // any name and file name arrives whole), the messages as UTF-8 bytes.
  const std::vector<std::string> arguments = cli::utf8Arguments(argc, argv);
  cli::useStandardStreamsAsBytes();
  try {
    return run(arguments);
  } catch (const std::exception& error) {
    return refuse(std::string("kelvaro-make-transit: Unerwarteter Fehler, es wurde nichts "
                              "geschrieben: ") +
                  error.what());
  }
}
