#include "cli/birth_data_options.h"
#include "cli/exit_status.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
#include <variant>

#include "archive/archive.h"
#include "archive/archive_location.h"
#include "archive/person_birth.h"
#include "archive/person_pair.h"
#include "atlas/atlas_source.h"
#include "atlas/place_atlas.h"
#include "chart/chart_entry.h"
#include "chart/pair_chart.h"
#include "chart/place_choice.h"
#include "chart/transit_chart.h"
#include "cli/davison_store.h"
#include "cli/option_words.h"
#include "cli/terminal_message.h"
#include "core/decimal_text.h"
#include "core/text_encoding.h"
#include "output/transit_file_write.h"

namespace kelvaro {
namespace {

constexpr const char* kUsage =
    "Aufruf: kelvaro-make-transit QUELLE.txt ZIEL.dat\n"
    "   oder: kelvaro-make-transit --name=NAME --first-name=VORNAME\n"
    "           --birth=\"TT.MM.JJJJ HH:MM[:SS]\" --birth-zone=ZONE --birth-lat=BREITE "
    "--birth-lon=LÄNGE\n"
    "           --transit=\"TT.MM.JJJJ HH:MM[:SS]\" --transit-zone=ZONE --place=ORT\n"
    "           --transit-lat=BREITE --transit-lon=LÄNGE [--place-lookup=ORT [--country=LAND]]\n"
    "           ZIEL.dat\n"
    "   oder: kelvaro-make-transit [--archive DATEI] --person=NUMMER\n"
    "           --transit=\"TT.MM.JJJJ HH:MM[:SS]\" --transit-zone=ZONE\n"
    "           (--place-lookup=ORT [--country=LAND] | --place=ORT --transit-lat=BREITE\n"
    "           --transit-lon=LÄNGE) ZIEL.dat\n"
    "   oder: kelvaro-make-transit [--archive DATEI] --person=NUMMER\n"
    "           (--partner=NUMMER | --composite=NUMMER | --davison=NUMMER)\n"
    "           --transit=\"TT.MM.JJJJ HH:MM[:SS]\" (--place-lookup=ORT [--country=LAND] |\n"
    "           --place=ORT --transit-lat=BREITE --transit-lon=LÄNGE --transit-zone=ZONE)\n"
    "           [--store-davison] ZIEL.dat\n"
    "ZONE: Europe/Berlin, UT oder +01:00; BREITE/LÄNGE: 50.9333 oder 50°56' N, 06°57' O.\n"
    "Jahre 1000 bis 2999; ein Datum vor dem 15.10.1582 gilt im julianischen Kalender.\n"
    "--place-lookup nimmt Ort, Breite, Länge und Zeitzone des Transits aus dem Ortsatlas;\n"
    "--place, --transit-lat, --transit-lon und --transit-zone können dann entfallen.\n"
    "--country=DE wählt unter gleichnamigen Orten die des Landes (Ländercode).\n"
    "--person nimmt die Geburtsdaten der Person mit dieser Nummer aus dem Personenarchiv\n"
    "(ohne --archive: ~/.local/share/kelvaro/personen.sqlite).\n"
    "--partner: Vergleich, r, p, s der Person, t das Radix des Partners;\n"
    "--composite: die näheren Halbsummen beider Horoskope, t die Transite;\n"
    "--davison: das Horoskop der Mitte zwischen beiden Geburten in Zeit und Ort;\n"
    "--store-davison speichert es dazu als Person im Personenarchiv.\n";

const std::vector<std::string> kOptions = {
    "name",        "first-name",   "birth",        "birth-zone", "birth-lat",
    "birth-lon",   "transit",      "transit-zone", "place",      "transit-lat",
    "transit-lon", "place-lookup", "country"};

// The options that name the second person of a chart of two, and its kind.
const std::vector<std::pair<std::string, chart::PairKind>> kPairOptions = {
    {"partner", chart::PairKind::comparison},
    {"composite", chart::PairKind::composite},
    {"davison", chart::PairKind::davison}};

// The transit options a chart of two needs besides the persons.
const std::vector<std::string> kTransitOptions = {"transit", "transit-zone", "place", "transit-lat",
                                                  "transit-lon"};

// The options of the birth that --person replaces.
const std::vector<std::string> kBirthOptions = {"name",       "first-name", "birth",
                                                "birth-zone", "birth-lat",  "birth-lon"};

using Options = std::map<std::string, std::string>;

struct Usage {
  Options options;
  std::string target;
  bool storeDavison = false;  // --store-davison
};

// Every argument an option of the list, "--key=value" or "--key value",
// each at most once, and one target file name; refused with the message of
// what is wrong (empty for a missing or second target).
Checked<Usage> readArguments(const std::vector<std::string>& arguments) {
  std::vector<std::string> known = kOptions;
  known.insert(known.end(), {"person", "archive"});
  for (const auto& pair : kPairOptions) known.push_back(pair.first);
  auto read = cli::readOptionWords(arguments, known, {"store-davison"});
  if (const Rejection* refused = rejection(read)) return *refused;
  cli::OptionWords& words = std::get<cli::OptionWords>(read);
  if (words.positionals.size() != 1 || words.positionals.front().empty()) return Rejection{};
  return Usage{std::move(words.options), words.positionals.front(),
               words.flags.contains("store-davison")};
}

// The archive of --archive, else the user's (with the note of its move).
std::filesystem::path archiveFileOf(Options& options, std::ostream& errors) {
  if (options.contains("archive")) return pathFromUtf8(options["archive"]);
  const archive::ArchiveChoice chosen = archive::defaultArchive();
  if (!chosen.note.empty()) errors << chosen.note << "\n";
  return chosen.file;
}

// Fills the birth options from the person of --person in the archive.
// Returns the exit status when that fails: 1 for birth options given as
// well, 2 for a person the archive does not give.
std::optional<int> takePersonFromArchive(Options& options, std::ostream& errors) {
  if (!options.contains("person")) {
    if (options.contains("archive")) return errors << kUsage, cli::kExitUsage;
    return std::nullopt;
  }
  for (const std::string& key : kBirthOptions) {
    if (options.contains(key)) {
      errors << "--person und --" << key << " schließen einander aus.\n" << kUsage;
      return cli::kExitUsage;
    }
  }
  const auto found = archive::findPerson(options["person"], archiveFileOf(options, errors));
  if (const Rejection* refused = rejection(found)) {
    errors << refused->message << "\n";
    return cli::kExitRefused;
  }
  const archive::Person& person = std::get<archive::Person>(found);
  const auto entry = archive::chartEntryOf(person);
  if (const Rejection* refused = rejection(entry)) {
    errors << refused->message << "\n";
    return cli::kExitRefused;
  }
  const chart::ChartEntry& birth = std::get<chart::ChartEntry>(entry);
  options["name"] = birth.name;
  options["first-name"] = birth.firstName;
  options["birth"] = birth.birthDate + " " + birth.birthTime;
  options["birth-zone"] = birth.birthZone;
  options["birth-lat"] = birth.birthLatitude;
  options["birth-lon"] = birth.birthLongitude;
  if (archive::birthTimeUnknown(person)) {
    errors << archive::noonNote(person, "die Transit-Datei") << "\n";
  }
  return std::nullopt;
}

// "DD.MM.YYYY HH:MM" split at the first blank into date and time.
std::pair<std::string, std::string> dateAndTime(const std::string& moment) {
  const std::size_t blank = moment.find(' ');
  if (blank == std::string::npos) return {moment, ""};
  return {moment.substr(0, blank), moment.substr(blank + 1)};
}

// Fills the transit place from the atlas, unless a value was given
// explicitly, and names the place taken on `errors`. Returns the message
// when no place or no single one has that name.
std::optional<std::string> lookUpPlace(Options& options, std::ostream& errors) {
  const auto lookup = options.find("place-lookup");
  if (lookup == options.end()) return std::nullopt;
  if (!atlas::atlasAvailable()) {
    std::string folders;
    for (const auto& folder : atlas::atlasFolders()) {
      folders += (folders.empty() ? "" : " oder ") + utf8FromPath(folder);
    }
    if (folders.empty()) folders = "dem Ordner, den KELVARO_ATLAS nennt";
    return "Dieses Programm findet keinen Ortsatlas (die Dateien places.tsv, words.tsv und "
           "folding.tsv in " +
           folders + "). Bitte --transit-lat, --transit-lon und --transit-zone angeben.";
  }
  const auto chosen = chart::chooseAtlasPlace(lookup->second, atlas::findPlaces(lookup->second),
                                              options["country"]);
  if (const Rejection* refused = rejection(chosen)) return refused->message;
  const atlas::AtlasPlace& place = std::get<atlas::AtlasPlace>(chosen);
  errors << "Ort aus dem Ortsatlas: " << chart::placeDescription(place) << "\n";
  options.emplace("place", place.name);
  options.emplace("transit-lat", fixedDecimal(place.latitude, 6));
  options.emplace("transit-lon", fixedDecimal(place.longitude, 6));
  options.emplace("transit-zone", place.zone);
  return std::nullopt;
}

// The option of a chart of two persons that was given, or nothing.
// Two of them are wrong usage (1).
Checked<std::optional<std::pair<std::string, chart::PairKind>>> pairOption(const Options& options) {
  std::optional<std::pair<std::string, chart::PairKind>> given;
  for (const auto& pair : kPairOptions) {
    if (!options.contains(pair.first)) continue;
    if (given)
      return Rejection{"--" + given->first + " und --" + pair.first + " schließen einander aus."};
    given = pair;
  }
  return given;
}

// A chart of the persons of --person and of `option` (its kind `kind`),
// written to `target`, the Davison chart also stored as a person where
// `storeDavison`. Returns the exit status.
int makePairFile(Options& options, const std::string& option, chart::PairKind kind,
                 const std::string& target, bool storeDavison, std::ostream& errors) {
  for (const std::string& key : kBirthOptions) {
    if (options.contains(key)) {
      errors << "--" << option << " und --" << key << " schließen einander aus.\n" << kUsage;
      return cli::kExitUsage;
    }
  }
  if (!options.contains("person")) {
    errors << "--" << option << " braucht --person=NUMMER, die erste Person.\n" << kUsage;
    return cli::kExitUsage;
  }
  if (options.contains("country") && !options.contains("place-lookup")) {
    errors << "Die Angabe --country gilt nur mit --place-lookup.\n" << kUsage;
    return cli::kExitUsage;
  }
  const std::filesystem::path archiveFile = archiveFileOf(options, errors);
  const auto first = archive::findPerson(options["person"], archiveFile);
  if (const Rejection* refused = rejection(first))
    return errors << refused->message << "\n", cli::kExitRefused;
  const auto second = archive::findPerson(options[option], archiveFile);
  if (const Rejection* refused = rejection(second))
    return errors << refused->message << "\n", cli::kExitRefused;
  auto entries =
      archive::pairEntries(std::get<archive::Person>(first), std::get<archive::Person>(second));
  if (const Rejection* refused = rejection(entries)) {
    errors << cli::terminalMessage(refused->message) << "\n";
    return cli::kExitRefused;
  }
  archive::PairEntries& pair = std::get<archive::PairEntries>(entries);
  for (const std::string& note : pair.notes) errors << note << "\n";
  if (const auto refused = lookUpPlace(options, errors)) {
    errors << cli::terminalMessage(*refused) << "\n";
    return cli::kExitRefused;
  }
  for (const std::string& key : kTransitOptions) {
    if (!options.contains(key)) {
      errors << "Die Angabe --" << key << " fehlt.\n" << kUsage;
      return cli::kExitUsage;
    }
  }
  pair.first.place = options["place"];
  std::tie(pair.first.transitDate, pair.first.transitTime) = dateAndTime(options["transit"]);
  pair.first.transitZone = options["transit-zone"];
  pair.first.transitLatitude = options["transit-lat"];
  pair.first.transitLongitude = options["transit-lon"];
  const auto made = chart::computePairChart(kind, pair.first, pair.second);
  if (const Rejection* refused = rejection(made)) {
    errors << cli::terminalMessage(refused->message) << "\n";
    return cli::kExitRefused;
  }
  const chart::PairChart& chart = std::get<chart::PairChart>(made);
  if (storeDavison) {
    return writeAndStoreDavison(chart, std::get<archive::Person>(first),
                                std::get<archive::Person>(second), archiveFile,
                                pathFromUtf8(target), errors);
  }
  if (const auto failure = writeTransitFile(pathFromUtf8(target), chart.record)) {
    errors << cli::terminalMessage(*failure) << "\n";
    return cli::kExitRefused;
  }
  return cli::kExitDone;
}

}  // namespace

const char* makeTransitUsage() { return kUsage; }

bool isBirthDataForm(const std::vector<std::string>& arguments) {
  return std::any_of(arguments.begin(), arguments.end(),
                     [](const std::string& argument) { return argument.starts_with("--"); });
}

int makeTransitFromBirthData(const std::vector<std::string>& arguments, std::ostream& errors) {
  auto read = readArguments(arguments);
  if (const Rejection* refused = rejection(read)) {
    if (!refused->message.empty()) errors << refused->message << "\n";
    errors << kUsage;
    return cli::kExitUsage;
  }
  Usage* usage = &std::get<Usage>(read);
  Options& options = usage->options;
  const auto pair = pairOption(options);
  if (const Rejection* refused = rejection(pair)) {
    errors << refused->message << "\n" << kUsage;
    return cli::kExitUsage;
  }
  const auto& given = std::get<0>(pair);
  if (usage->storeDavison && (!given || given->second != chart::PairKind::davison)) {
    errors << "--store-davison gilt nur mit --davison.\n" << kUsage;
    return cli::kExitUsage;
  }
  if (given) {
    return makePairFile(options, given->first, given->second, usage->target, usage->storeDavison,
                        errors);
  }
  if (const auto status = takePersonFromArchive(options, errors)) return *status;
  if (options.contains("country") && !options.contains("place-lookup")) {
    errors << "Die Angabe --country gilt nur mit --place-lookup.\n" << kUsage;
    return cli::kExitUsage;
  }
  if (const auto refused = lookUpPlace(options, errors)) {
    errors << cli::terminalMessage(*refused) << "\n";
    return cli::kExitRefused;
  }
  for (const std::string& key : kOptions) {
    if (key != "place-lookup" && key != "country" && !options.contains(key)) {
      errors << "Die Angabe --" << key << " fehlt.\n" << kUsage;
      return cli::kExitUsage;
    }
  }
  chart::ChartEntry entry;
  entry.name = options["name"];
  entry.firstName = options["first-name"];
  std::tie(entry.birthDate, entry.birthTime) = dateAndTime(options["birth"]);
  entry.birthZone = options["birth-zone"];
  entry.birthLatitude = options["birth-lat"];
  entry.birthLongitude = options["birth-lon"];
  entry.place = options["place"];
  std::tie(entry.transitDate, entry.transitTime) = dateAndTime(options["transit"]);
  entry.transitZone = options["transit-zone"];
  entry.transitLatitude = options["transit-lat"];
  entry.transitLongitude = options["transit-lon"];
  const auto checked = chart::checkChartEntry(entry);
  if (const auto* refusal = std::get_if<chart::ChartRefusal>(&checked)) {
    errors << cli::terminalMessage(refusal->message) << "\n";
    return cli::kExitRefused;
  }
  const TransitRecord record = chart::computeTransitRecord(std::get<chart::ChartRequest>(checked));
  if (const auto failure = writeTransitFile(pathFromUtf8(usage->target), record)) {
    errors << cli::terminalMessage(*failure) << "\n";
    return cli::kExitRefused;
  }
  return cli::kExitDone;
}

}  // namespace kelvaro
