#include "cli/run.h"

#include <cerrno>
#include <iostream>
#include <variant>

#include "cli/command_line.h"
#include "cli/standard_streams.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/orb_entry.h"
#include "loading/position_check.h"
#include "output/result_file.h"
#include "output/save.h"

namespace kelvaro::cli {
namespace {

// All lines in one write, straight from the result's buffer: a search can
// list thousands of them, and one call per line cost more than the search.
void printLines(std::ostream& out, const ResultText& lines) {
  out.write(lines.text().data(), static_cast<std::streamsize>(lines.text().size()));
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
              const ResultText& lines) {
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
bool writeLines(std::ostream& out, std::ostream& err, const ResultText& lines) {
  errno = 0;
  printLines(out, lines);
  if (out.flush()) return true;
  printMessage(err,
               "kelvaro-cli: Die Zeilen ließen sich nicht schreiben: " + systemErrorText(errno));
  return false;
}

}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
        const TransitLoader& load, CommandAdder addMore) {
  CLI::App app{"Kelvaro: Halbsummen-Analyse einer Transit-Datei, ohne Fenster.", "kelvaro-cli"};
  CommandLine line;
  CommandSet commands(app);
  declareCommandLine(app, line, commands);
  if (addMore) addMore(commands);

  try {
    app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error, out, err);
    return status == 0 ? kExitDone : kExitUsage;
  }

  const auto orb = parseOrbText(line.orbText);
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
  // The window would ask before loading such a file; here it is a warning.
  if (hasPositionsOutsideCircle(session.record)) {
    printMessage(err, outsidePositionsQuestion(line.file));
  }

  const CommandResult result = (*commands.chosen())(session);
  for (const std::string& message : result.messages) printMessage(err, message);
  if (result.rejected) return kExitRefused;
  const bool saving = line.save->count() > 0;
  if (saving && !result.isResultList) {
    printMessage(
        err,
        "--save: Dieser Befehl schreibt keine Ergebnisliste, es gibt also nichts zu speichern.");
    return kExitUsage;
  }
  const bool written = writeLines(out, err, result.lines);
  // The save runs even when the lines were lost.
  const int saved =
      saving ? saveLines(err, line.saveFolder, session.record, result.lines) : kExitDone;
  return written ? saved : kExitRefused;
}

int runProgram(int argc, char** argv, CommandAdder addMore) {
  useStandardStreamsAsBytes();
  return run(utf8Arguments(argc, argv), std::cout, std::cerr, loadTransitFile, addMore);
}

}  // namespace kelvaro::cli
