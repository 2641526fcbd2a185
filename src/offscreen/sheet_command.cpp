#include "offscreen/sheet_command.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <variant>

#include <CLI/CLI.hpp>

#include "archive/archive_location.h"
#include "archive/pair_persons.h"
#include "cli/exit_status.h"
#include "cli/option_words.h"
#include "cli/parser_texts.h"
#include "cli/terminal_message.h"
#include "core/keywords.h"
#include "core/std_ho.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/orb_entry.h"
#include "loading/position_check.h"
#include "loading/transit_file.h"
#include "offscreen/offscreen_command.h"
#include "offscreen/page_output.h"
#include "output/free_file_name.h"
#include "output/output_lines.h"
#include "output/page_file.h"
#include "print/client_sheet.h"
#include "print/dial_sheet.h"
#include "print/line_pages.h"
#include "search/angle_search.h"
#include "search/chosen_pictures.h"
#include "search/dial_pointer.h"
#include "search/picture_table.h"
#include "search/search_angle.h"

namespace kelvaro::offscreen {
namespace {

using cli::kExitDone;
using cli::kExitUsage;

// The name its messages begin with.
constexpr std::string_view kSheetCommand = "kelvaro --sheet";

struct SheetLine {
  std::string out;
  std::string orb = "1:12";
  std::string pointer = "0:00";
  std::string rings = "rpst";
  std::string dial = "22.5";
  std::string archive;
  bool client = false;
  std::optional<std::string> pictures;
  std::optional<std::string> keywords;
  std::string file;
};

void declare(CLI::App& app, SheetLine& line) {
  app.allow_windows_style_options(false);
  cli::useGermanTexts(app);
  app.add_option("--sheet", line.out,
                 "das Blatt in AUSGABE schreiben: .pdf mit Inhalts- und Achsenübersicht, "
                 ".svg oder .png nur das Blatt; mit --client in jedem Format nur das "
                 "Klientenblatt")
      ->option_text("AUSGABE")
      ->required();
  app.add_flag("--client", line.client,
               "statt des Blatts der Gradscheibe das Klientenblatt schreiben: eine Seite mit "
               "Geburtsdaten, Gradscheibe und den Planetenbildern mit ihren Stichworten");
  app.add_option("--pictures", line.pictures,
                 "nur mit --client: die Planetenbilder des Klientenblatts, durch Kommas getrennt, "
                 "zum Beispiel \"SO=MA/SA,MC=JU+PL\"; ein Faktor ohne r, p, s oder t steht für "
                 "alle Varianten, gezeigt wird jede innerhalb des Orbis (Vorgabe: die "
                 "Planetenbilder am Zeiger)")
      ->option_text("BILDER");
  app.add_option("--keywords", line.keywords,
                 "nur mit --client: die Stichworte-Datei (Vorgabe: Stichworte.txt im "
                 "Programm-Ordner, sonst die mitgelieferten Stichworte)")
      ->option_text("DATEI");
  app.add_option("--orb", line.orb, "der Orbis als G:MM (Vorgabe 1:12)")->option_text("G:MM");
  app.add_option("--pointer", line.pointer,
                 "der Zeiger als G:MM, 0:00 bis 22:29 auf der 22,5°-Scheibe, bis 89:59 auf der "
                 "90°-Scheibe (Vorgabe 0:00)")
      ->option_text("G:MM");
  app.add_option("--dial", line.dial,
                 "die Scheibe in Grad: 360, 90, 45, 22.5 oder 11.25 (Vorgabe 22.5)")
      ->option_text("GRAD");
  app.add_option("--rings", line.rings, "die gezeigten Ringe, Buchstaben aus rpst (Vorgabe rpst)")
      ->option_text("RINGE");
  app.add_option("--archive", line.archive,
                 "das Personenarchiv, aus dem das Blatt eines Vergleichs, Composits oder "
                 "Davison-Horoskops die Geburtsdaten beider Personen nimmt, das Klientenblatt "
                 "die jedes Horoskops (Vorgabe: das Archiv des Benutzers)")
      ->option_text("DATEI");
  app.add_option("DATEI", line.file, "die Transit-Datei")->required();
}

// Whole degrees of one to three digits, a colon, minutes of two digits
// below 60: the pointer in minutes.
std::optional<int> pointerMinutes(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 3) return std::nullopt;
  const std::string_view minutes = text.substr(colon + 1);
  if (minutes.size() != 2) return std::nullopt;
  int value = 0;
  for (const char c : text.substr(0, colon)) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (minutes[0] < '0' || minutes[0] > '5' || minutes[1] < '0' || minutes[1] > '9') {
    return std::nullopt;
  }
  return value * 60 + (minutes[0] - '0') * 10 + (minutes[1] - '0');
}

// The pointer in minutes from "D:MM" on the dial, below its size. On the
// standard dial it is checked as the angle of option 3: from 0:00 to 22:29.
std::optional<int> parsePointer(std::string_view text, DialSize dial) {
  if (!dial.isStandard()) {
    const std::optional<int> minutes = pointerMinutes(text);
    if (!minutes || *minutes >= pointerSteps(dial)) return std::nullopt;
    return minutes;
  }
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const SearchAngleCheck check = checkSearchAngle(text.substr(0, colon), text.substr(colon + 1));
  if (!check.valid) return std::nullopt;
  const int minutes = static_cast<int>(std::lround(check.angle * 60));
  if (minutes >= kLastDialMinute) return std::nullopt;
  return minutes;
}

// The rings named by their letters, each at most once, at least one.
std::optional<std::array<bool, 4>> parseRings(std::string_view text) {
  std::array<bool, 4> shown{};
  for (const char letter : text) {
    const auto variant = variantFromLetter(static_cast<unsigned char>(letter));
    if (!variant || shown[static_cast<std::size_t>(variantIndex(*variant))]) return std::nullopt;
    shown[static_cast<std::size_t>(variantIndex(*variant))] = true;
  }
  if (text.empty()) return std::nullopt;
  return shown;
}

std::unique_ptr<PageSource> printedList(const ResultText& lines) {
  return std::make_unique<LinePages>(printedBodyLines(lines));
}

// The persons of the chart with their births from the archive of
// --archive, else the user's: on the client sheet for every chart, on the
// dial sheet for a chart of two persons. What keeps the archive back goes
// to `err`.
std::vector<std::string> sheetPersons(const SheetLine& line, const TransitRecord& record,
                                      std::ostream& err) {
  if (!line.client && !archive::namesTwoPersons(record)) return {};
  const CommandVoice voice{err, kSheetCommand};
  std::filesystem::path file = pathFromUtf8(line.archive);
  if (line.archive.empty()) {
    const archive::ArchiveChoice chosen = archive::defaultArchive();
    if (!chosen.note.empty()) voice.tell(chosen.note);
    file = chosen.file;
  }
  archive::PairPersons persons =
      line.client ? archive::chartPersonsIn(record, file) : archive::pairPersonsIn(record, file);
  if (!persons.note.empty()) voice.tell(persons.note);
  return std::move(persons.lines);
}

// The astrologer's keywords: the file of --keywords, else the program
// folder's; the shipped ones where the program folder has none, or where
// the file cannot be read, which `err` is told.
Keywords sheetKeywords(const SheetLine& line, const std::filesystem::path& programFile,
                       std::ostream& err) {
  namespace fs = std::filesystem;
  const fs::path file = line.keywords ? pathFromUtf8(*line.keywords) : programFile;
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (!line.keywords && status.type() == fs::file_type::not_found) {
    return Keywords::read(shippedKeywords());
  }
  std::string why;
  std::ostringstream text;
  if (status.type() == fs::file_type::not_found) {
    why = systemErrorText(std::make_error_code(std::errc::no_such_file_or_directory));
  } else if (error) {
    why = systemErrorText(error);
  } else if (status.type() != fs::file_type::regular) {
    why = "keine gewöhnliche Datei";
  } else if (std::ifstream in(file, std::ios::binary); !(in && text << in.rdbuf())) {
    why = systemErrorText(errno);
  }
  if (why.empty()) return Keywords::read(text.str());
  CommandVoice{err, kSheetCommand}.tell("Die Stichworte-Datei " + utf8FromPath(file) +
                                        " lässt sich nicht lesen: " + why +
                                        ". Es gelten die mitgelieferten Stichworte.");
  return Keywords::read(shippedKeywords());
}

// The rows of the client sheet: the pictures of --pictures within the orb,
// else those of the pointer's list, the nearest first (as the dial window's).
std::vector<PictureRow> clientRows(const TransitRecord& record, double orb, int pointer,
                                   DialSize dial, const std::vector<ChosenPicture>* chosen,
                                   const Keywords& keywords) {
  if (chosen) return chosenPictureRows(record, orb, dial, *chosen, keywords);
  const SearchResult list = angleSearch(record, orb, pointerAngle(pointer), std::nullopt, dial);
  return chooseRows(pictureRows(record, resultPictures(list), dial, keywords),
                    {std::nullopt, true});
}

// What OUT is to hold, or the message why the line asks for nothing valid.
// A file with positions off the circle is drawn all the same, with the
// warning kelvaro-cli gives.
Checked<Printout> sheetPrintout(const SheetLine& line, PageFormat format,
                                const std::filesystem::path& keywordsFile, std::ostream& err) {
  for (const auto& [given, name] : {std::pair{line.pictures.has_value(), "--pictures"},
                                    std::pair{line.keywords.has_value(), "--keywords"}}) {
    if (given && !line.client) {
      return Rejection{std::string(name) + " gilt nur für das Klientenblatt, mit --client."};
    }
  }
  std::optional<std::vector<ChosenPicture>> chosen;
  if (line.pictures) {
    auto pictures = parseChosenPictures(*line.pictures, "--pictures");
    if (const Rejection* refused = rejection(pictures)) return *refused;
    chosen = std::get<std::vector<ChosenPicture>>(std::move(pictures));
  }
  const std::optional<double> orb = parseOrbText(line.orb);
  if (!orb) return Rejection{orbTextRefusal(line.orb)};
  const Checked<DialSize> dial = parseDialSize(line.dial);
  if (const Rejection* refused = rejection(dial)) return *refused;
  const DialSize dialSize = std::get<DialSize>(dial);
  const std::optional<int> pointer = parsePointer(line.pointer, dialSize);
  if (!pointer && dialSize.isStandard()) {
    return Rejection{"Ungültiger Zeiger »" + line.pointer +
                     "«: erwartet G:MM auf der Scheibe von 22°30', also von 0:00 bis 22:29, "
                     "zum Beispiel 7:30."};
  }
  if (!pointer) {
    const int last = pointerSteps(dialSize) - 1;
    return Rejection{"Ungültiger Zeiger »" + line.pointer + "«: erwartet G:MM auf der " +
                     dialSize.label() + ", also von 0:00 bis " + std::to_string(last / 60) + ":" +
                     zahl_text(last % 60, 2) + ", zum Beispiel 7:30."};
  }
  const auto rings = parseRings(line.rings);
  if (!rings) {
    return Rejection{
        "Ungültige Ringe »" + line.rings +
        "«: erlaubt sind die Buchstaben r, p, s und t, jeder einmal, zum Beispiel rpst."};
  }
  LoadResult loaded = loadTransitFile(line.file);
  if (const auto* failure = std::get_if<LoadFailure>(&loaded)) return Rejection{failure->message};
  const TransitRecord& record = std::get<TransitRecord>(loaded);
  if (hasPositionsOutsideCircle(record)) {
    CommandVoice{err, kSheetCommand}.tell(outsidePositionsQuestion(line.file));
  }

  if (line.client) {
    const Keywords keywords = sheetKeywords(line, keywordsFile, err);
    ClientSheetContent content{record, *orb, *pointer, *rings, dialSize, {}, {}};
    content.rows =
        clientRows(record, *orb, *pointer, dialSize, chosen ? &*chosen : nullptr, keywords);
    content.persons = sheetPersons(line, record, err);
    return clientSheetPrintout(std::move(content));
  }
  const bool alone = format != PageFormat::pdf;
  DialSheetContent content = dialSheetContent(record, *orb, *pointer, *rings, dialSize);
  content.persons = sheetPersons(line, record, err);
  Printout printout = dialSheetPrintout(std::move(content), alone);
  if (!alone) {
    printout.add(printedList(vier_summen(record, *orb)));
    printout.add(printedList(axisOverview(record, *orb).lines));
  }
  return printout;
}

}  // namespace

bool asksForSheet(const std::vector<std::string>& arguments) {
  return cli::namesOption(arguments, "sheet");
}

int runSheet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const std::filesystem::path& keywordsFile) {
  CLI::App app{
      "kelvaro --sheet: das Blatt der Gradscheibe oder das Klientenblatt ohne Fenster "
      "schreiben."};
  app.name("kelvaro");
  SheetLine line;
  declare(app, line);
  try {
    app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
  } catch (const CLI::ParseError& error) {
    // Help goes to `out` as it is; usage errors may quote any argument.
    std::ostringstream usage;
    const int status = app.exit(error, out, usage);
    err << cli::terminalMessage(usage.str());
    return status == 0 ? kExitDone : kExitUsage;
  }

  const CommandVoice voice{err, kSheetCommand};
  const Checked<PageFormat> format = outputFormat(line.out);
  if (const Rejection* refused = rejection(format)) return voice.refuse(refused->message);
  Checked<Printout> printout = sheetPrintout(line, std::get<PageFormat>(format), keywordsFile, err);
  if (const Rejection* refused = rejection(printout)) return voice.refuse(refused->message);
  return writeOutput(std::get<Printout>(printout), line.out, std::get<PageFormat>(format),
                     printoutPageLayout(), voice);
}

int runSheetProgram(int argc, char** argv, const std::filesystem::path& keywordsFile) {
  return runOffscreen(
      argc, argv,
      [&keywordsFile](const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) { return runSheet(arguments, out, err, keywordsFile); });
}

}  // namespace kelvaro::offscreen
