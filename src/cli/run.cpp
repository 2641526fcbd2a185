#include "cli/run.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <variant>

#include "cli/command_line.h"
#include "cli/orb_option.h"
#include "cli/standard_streams.h"
#include "core/text_encoding.h"
#include "loading/orb_entry.h"
#include "output/result_file.h"
#include "output/save.h"

namespace kelvaro::cli {
namespace {

// All lines in one write: a search can list thousands of them, and one
// call per line cost more than the search itself.
void printLines(std::ostream& out, const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// Messages use "\r" for their line breaks; the terminal gets "\n".
void printMessage(std::ostream& err, std::string message) {
  for (char& c : message) {
    if (c == '\r') c = '\n';
  }
  err << message << '\n';
}

// The --save step: saves the lines into `folder` (which plays the saved
// working folder) and names the file on `err`, or reports the failure.
int saveLines(std::ostream& err, const std::string& folder, const TransitRecord& record,
              const std::vector<std::string>& lines) {
  const auto saved = saveResultList(pathFromUtf8(folder), record, lines);
  if (const Rejection* failure = rejection(saved)) {
    printMessage(err, failure->message);
    return kExitRefused;
  }
  err << resultFileName(record) << '\n';
  return kExitDone;
}

// Writes the lines and reports lines that did not reach their file (a full
// disk behind a redirection): they must not end with success.
bool writeLines(std::ostream& out, std::ostream& err, const std::vector<std::string>& lines) {
  errno = 0;
  printLines(out, lines);
  if (out.flush()) return true;
  printMessage(err,
               std::string("kelvaro-cli: the lines could not be written: ") + std::strerror(errno));
  return false;
}

}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
        const TransitLoader& load) {
  CLI::App app{"Kelvaro: midpoint analysis of a transit data file, without windows."};
  CommandLine line;
  CommandSet commands(app);
  declareCommandLine(app, line, commands);

  try {
    app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error, out, err);
    return status == 0 ? kExitDone : kExitUsage;
  }

  const auto orb = parseOrbOption(line.orbText);
  if (!orb) {
    printMessage(err, std::string(kInvalidOrbMessage));
    return kExitRefused;
  }
  LoadResult loaded = load(line.file);
  if (const auto* failure = std::get_if<LoadFailure>(&loaded)) {
    printMessage(err, failure->message);
    return kExitRefused;
  }
  const Session session{std::get<TransitRecord>(std::move(loaded)), *orb};

  const CommandResult result = (*commands.chosen())(session);
  for (const std::string& message : result.messages) printMessage(err, message);
  if (result.rejected) return kExitRefused;
  const bool saving = line.save->count() > 0;
  if (saving && !result.isResultList) {
    printMessage(
        err, "--save: this command does not write the result list, so there is nothing to save");
    return kExitUsage;
  }
  const bool written = writeLines(out, err, result.lines);
  // The save runs even when the lines were lost.
  const int saved =
      saving ? saveLines(err, line.saveFolder, session.record, result.lines) : kExitDone;
  return written ? saved : kExitRefused;
}

int runProgram(int argc, char** argv) {
  useStandardStreamsAsBytes();
  return run(utf8Arguments(argc, argv), std::cout, std::cerr);
}

}  // namespace kelvaro::cli
