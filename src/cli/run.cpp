#include "cli/run.h"

#include <cerrno>
#include <exception>
#include <iostream>
#include <optional>
#include <sstream>
#include <string_view>
#include <variant>

#include "cli/command_line.h"
#include "cli/command_words.h"
#include "cli/standard_streams.h"
#include "cli/terminal_message.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/orb_entry.h"
#include "loading/position_check.h"
#include "output/save.h"

namespace kelvaro::cli {
namespace {

// All lines in one write, straight from the result's buffer: a search can
// list thousands of them, and one call per line cost more than the search.
void printLines(std::ostream& out, const ResultText& lines) {
  out.write(lines.text().data(), static_cast<std::streamsize>(lines.text().size()));
}

void printMessage(std::ostream& err, std::string_view message) {
  err << terminalMessage(message) << '\n';
}

// The --save step: saves the lines into `folder` (which plays the saved
// working folder) and names the file on `err`, or reports the failure. An
// earlier file is never replaced: the lines take the next free name.
int saveLines(std::ostream& err, const std::string& folder, const TransitRecord& record,
              const ResultText& lines) {
  const auto saved = saveResultList(pathFromUtf8(folder), record, lines, ExistingFile::keep);
  if (const Rejection* failure = rejection(saved)) {
    printMessage(err, failure->message);
    return kExitRefused;
  }
  printMessage(err, std::get<SavedFile>(saved).name);
  return kExitDone;
}

// Writes the lines and reports lines that did not reach their file (a full
// disk behind a redirection): they must not end with success.
bool writeLines(std::ostream& out, std::ostream& err, const CommandResult& result) {
  errno = 0;
  if (result.csv) {
    out << *result.csv;
  } else {
    printLines(out, result.lines);
  }
  if (out.flush()) return true;
  printMessage(err,
               "kelvaro-cli: Die Zeilen ließen sich nicht schreiben: " + systemErrorText(errno));
  return false;
}

// The words for the parser. A "--" before the file lets the file name begin
// with "-"; the parser would take every word after "--" for a file, so it
// gets the words without the mark and a stand-in for the file, whose name
// goes into `markedFile`.
std::vector<std::string> parserWords(const std::vector<std::string>& arguments,
                                     std::optional<std::string>& markedFile) {
  const CommandWords found =
      findCommandWords(std::vector<std::string_view>(arguments.begin(), arguments.end()));
  std::vector<std::string> words;
  words.reserve(arguments.size());
  for (std::size_t i = arguments.size(); i-- > 0;) {  // the parser takes them from the back
    if (found.mark && i == *found.mark) continue;
    if (found.mark && i == found.file) {
      markedFile = arguments[i];
      words.emplace_back(".");
    } else {
      words.push_back(arguments[i]);
    }
  }
  return words;
}

int runOnce(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
            const TransitLoader& load, CommandAdder addMore) {
  CLI::App app{"Kelvaro: Halbsummen-Analyse einer Transit-Datei, ohne Fenster.", "kelvaro-cli"};
  CommandLine line;
  CommandSet commands(app);
  declareCommandLine(app, line, commands);
  if (addMore) addMore(commands);

  std::optional<std::string> markedFile;
  try {
    app.parse(parserWords(arguments, markedFile));
  } catch (const CLI::ParseError& error) {
    // Help goes to `out` as it is; usage errors may quote any argument.
    std::ostringstream usage;
    const int status = app.exit(error, out, usage);
    err << terminalMessage(usage.str());
    return status == 0 ? kExitDone : kExitUsage;
  }
  if (markedFile) line.file = *markedFile;

  const auto orb = parseOrbText(line.orbText);
  if (!orb) {
    printMessage(err, kInvalidOrbMessage);
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
  const bool written = writeLines(out, err, result);
  // The save runs even when the lines were lost.
  const int saved =
      saving ? saveLines(err, line.saveFolder, session.record, result.lines) : kExitDone;
  return written ? saved : kExitRefused;
}

}  // namespace

// No failure ends the program without a word: what a library throws (it
// should not) is reported like a refused entry.
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
        const TransitLoader& load, CommandAdder addMore) {
  try {
    return runOnce(arguments, out, err, load, addMore);
  } catch (const std::exception& error) {
    printMessage(err,
                 "kelvaro-cli: Die Berechnung ist mit einem unerwarteten Fehler "
                 "abgebrochen (" +
                     std::string(error.what()) + ").");
    return kExitRefused;
  }
}

int runProgram(int argc, char** argv, CommandAdder addMore) {
  useStandardStreamsAsBytes();
  return run(utf8Arguments(argc, argv), std::cout, std::cerr, loadTransitFile, addMore);
}

}  // namespace kelvaro::cli
