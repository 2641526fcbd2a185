// kelvaro-cli: every overview and search of Kelvaro without windows.
//
//   kelvaro-cli [--orb D:MM] [--save DIR] FILE COMMAND [ARGS...]
//
// Prints exactly the lines the result list would hold (UTF-8, LF) on stdout
// and the messages the window would show on stderr. With --save the lines are
// also saved into DIR as the save button does, and the file name goes to
// stderr. Exit status: 0 done, 1 wrong usage, 2 invalid orb, unreadable file,
// refused entry, lines that could not be written or failed save.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "cli/orb_option.h"
#include "core/text_encoding.h"
#include "loading/orb_entry.h"
#include "loading/transit_file.h"
#include "output/result_file.h"
#include "output/save.h"

namespace {

constexpr int kExitUsage = 1;
constexpr int kExitRefused = 2;

void printLine(std::FILE* stream, const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stream);
  std::fputc('\n', stream);
}

// All lines in one write: a search can list thousands of them, and one
// call per line cost more than the search itself.
void printLines(std::FILE* stream, const kelvaro::ResultText& lines) {
  std::fwrite(lines.text().data(), 1, lines.text().size(), stream);
}

// Messages use "\r" for their line breaks; the terminal gets "\n".
void printMessage(std::string message) {
  for (char& c : message) {
    if (c == '\r') c = '\n';
  }
  printLine(stderr, message);
}

// The --save step: saves the lines into `folder` (which plays the saved
// working folder) and names the file on stderr, or reports the failure.
int saveLines(const std::string& folder, const kelvaro::TransitRecord& record,
              const kelvaro::ResultText& lines) {
  const auto saved = kelvaro::saveResultList(kelvaro::pathFromUtf8(folder), record, lines);
  if (const kelvaro::Rejection* failure = kelvaro::rejection(saved)) {
    printMessage(failure->message);
    return kExitRefused;
  }
  printLine(stderr, kelvaro::resultFileName(record));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kelvaro;
  CLI::App app{"Kelvaro: midpoint analysis of a transit data file, without windows."};
  cli::CommandLine line;
  cli::CommandSet commands(app);
  cli::declareCommandLine(app, line, commands);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? 0 : kExitUsage;
  }

  const auto orb = cli::parseOrbOption(line.orbText);
  if (!orb) {
    printMessage(std::string(kInvalidOrbMessage));
    return kExitRefused;
  }
  LoadResult loaded = loadTransitFile(line.file);
  if (const auto* failure = std::get_if<LoadFailure>(&loaded)) {
    printMessage(failure->message);
    return kExitRefused;
  }
  const cli::Session session{std::get<TransitRecord>(std::move(loaded)), *orb};

  const cli::CommandResult result = (*commands.chosen())(session);
  for (const std::string& message : result.messages) printMessage(message);
  if (result.rejected) return kExitRefused;
  if (line.save->count() > 0 && !result.isResultList) {
    printMessage("--save: this command does not write the result list, so there is nothing to save");
    return kExitUsage;
  }
  printLines(stdout, result.lines);
  // Lines that did not reach their file (a full disk behind a redirection)
  // must not end with success; the save runs all the same.
  const bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
  if (!written) {
    printMessage(std::string("kelvaro-cli: the lines could not be written: ") + std::strerror(errno));
  }
  const int saved =
      line.save->count() > 0 ? saveLines(line.saveFolder, session.record, result.lines) : 0;
  return written ? saved : kExitRefused;
}
