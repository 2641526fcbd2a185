#include "cli/persons_commands.h"
#include "cli/exit_status.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <variant>

#include "archive/aaf_file.h"
#include "archive/aaf_import.h"
#include "archive/aaf_writer.h"
#include "archive/archive_location.h"
#include "archive/person_entry.h"
#include "archive/person_search.h"
#include "archive/persons_table.h"
#include "chart/chart_entry.h"
#include "cli/terminal_message.h"
#include "core/decimal_text.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "core/version.h"
#include "output/csv_text.h"
#include "output/free_file_name.h"

namespace kelvaro::cli {
namespace {

using archive::Archive;
using archive::Person;

constexpr std::string_view kProgram = "kelvaro-persons";

std::string usageText() {
  std::string text = "Aufruf: kelvaro-persons [--archive DATEI] BEFEHL …\n";
  for (const PersonsCommand& command : personsCommands()) {
    text += "  kelvaro-persons [--archive DATEI] ";
    text += command.usage;
    text += "\n";
  }
  return text;
}

std::string helpText() {
  std::string text =
      "kelvaro-persons: das Personenarchiv von Kelvaro ohne Fenster.\n\n" + usageText() + "\n";
  for (const PersonsCommand& command : personsCommands()) {
    text += "  " + std::string(command.name) +
            std::string(std::max<std::size_t>(10 - command.name.size(), 1), ' ') +
            std::string(command.description) + "\n";
  }
  text +=
      "\nOhne --archive gilt personen.sqlite im Datenordner des Benutzers: ~/.local/share/kelvaro\n"
      "($XDG_DATA_HOME/kelvaro; unter Windows %APPDATA%\\Kelvaro). Ein Archiv früherer\n"
      "Versionen im Programm-Ordner ~/Astro/Kelvaro (unter Windows C:\\Astro\\Kelvaro) zieht\n"
      "beim ersten Aufruf dorthin um.\n"
      "Vor der ersten Änderung eines Tages und vor jedem Import sichert Kelvaro das Archiv in\n"
      "den Ordner Sicherungen daneben (die letzten 10 bleiben).\n"
      "ZONE: Europe/Berlin, UT oder +01:00; BREITE/LÄNGE: 50.9333 oder 50°56' N, 06°57' O.\n"
      "Nur add und import legen ein fehlendes Archiv an. export ersetzt keine Datei, sondern\n"
      "nimmt den nächsten freien Namen.\n"
      "Exit-Status: 0 erledigt, 2 abgelehnt (die Meldung steht auf der Fehlerausgabe; auch\n"
      "bei fehlerhaften Datensätzen eines Imports und wenn sich die Ausgabe nicht schreiben\n"
      "ließ), 1 falscher Aufruf.\n";
  return text;
}

int wrongUsage(std::ostream& err, const std::string& message = {}) {
  if (!message.empty()) err << message << "\n";
  err << usageText();
  return kExitUsage;
}

std::string shown(const std::filesystem::path& file) { return utf8FromPath(file); }

// Why the output could not be written, after a failed flush.
std::string outputFailure() { return systemErrorText(errno ? errno : EIO); }

std::optional<std::vector<Person>> selectedPersons(const PersonsInvocation& call,
                                                   const std::string& query) {
  Archive* archive = call.archive.open(call.err);
  if (!archive) return std::nullopt;
  auto all = archive->persons();
  if (const Rejection* refused = rejection(all)) {
    call.err << refused->message << "\n";
    return std::nullopt;
  }
  auto found = archive::matchingPersons(std::get<std::vector<Person>>(std::move(all)), query);
  archive::sortByName(found);
  return found;
}

std::string padded(const std::string& text, std::size_t width) {
  const std::size_t length = utf8Length(text);
  return length >= width ? text : text + std::string(width - length, ' ');
}

std::string decimal(const std::optional<double>& degrees) {
  if (!degrees) return {};
  return fixedDecimal(*degrees, 4);
}

std::string placeText(const Person& person) {
  std::string text = person.place;
  if (!person.country.empty()) text += (text.empty() ? "" : ", ") + person.country;
  return text;
}

int list(const PersonsInvocation& call) {
  const std::string query =
      call.words.positionals.empty() ? std::string() : call.words.positionals.front();
  const auto persons = selectedPersons(call, query);
  if (!persons) return kExitRefused;
  if (call.words.flags.contains("csv")) {
    if (call.words.flags.contains("tsv")) {
      call.err << "--csv und --tsv schließen einander aus.\n";
      return kExitUsage;
    }
    call.out << csvText(archive::personsTable(*persons));
    return kExitDone;
  }
  const bool tsv = call.words.flags.contains("tsv");
  if (tsv) {
    call.out << "id\tname\tfirst_name\tbirth_date\tbirth_time\tzone\tplace\tcountry\tlatitude\t"
                "longitude\n";
  }
  for (const Person& person : *persons) {
    if (tsv) {
      call.out << std::to_string(person.id) << '\t' << person.name << '\t' << person.firstName
               << '\t' << archive::birthDateText(person) << '\t' << archive::birthTimeText(person)
               << '\t' << person.zone << '\t' << person.place << '\t' << person.country << '\t'
               << decimal(person.latitude) << '\t' << decimal(person.longitude) << '\n';
      continue;
    }
    char id[24];
    std::snprintf(id, sizeof id, "%6lld  ", static_cast<long long>(person.id));
    call.out << id << padded(archive::displayName(person), 30) << "  "
             << archive::birthDateText(person) << ' ' << padded(archive::birthTimeText(person), 8)
             << "  " << placeText(person)
             << (archive::placeUnchecked(person) ? "  (Ort prüfen)" : "") << '\n';
  }
  return kExitDone;
}

int show(const PersonsInvocation& call) {
  auto found = personOfWord(call);
  if (const int* status = std::get_if<int>(&found)) return *status;
  const Person& person = std::get<Person>(found);
  const auto line = [&](std::string_view label, const std::string& value) {
    if (!value.empty()) call.out << padded(std::string(label), 14) << value << '\n';
  };
  std::string birth = archive::birthDateText(person) + " " +
                      (person.birthTime ? archive::birthTimeText(person) : "Zeit unbekannt");
  if (!person.zone.empty()) birth += " (" + person.zone + ")";
  line("Nummer:", std::to_string(person.id));
  line("Name:", person.name);
  line("Vorname:", person.firstName);
  line("Art:", person.kind);
  line("Geburt:", birth);
  line("Zeitzone:", person.zoneAbbreviation);
  line("Ort:", placeText(person));
  if (person.latitude) line("Breite:", chart::latitudeText(*person.latitude));
  if (person.longitude) line("Länge:", chart::longitudeText(*person.longitude));
  if (archive::placeUnchecked(person)) line("Achtung:", "Ort prüfen");
  line("Quelle:", person.source);
  line("Über:", person.via);
  std::size_t start = 0;
  for (bool first = true; start < person.notes.size(); first = false) {
    const std::size_t end = std::min(person.notes.find('\n', start), person.notes.size());
    call.out << padded(first ? "Notizen:" : "", 14) << person.notes.substr(start, end - start)
             << '\n';
    start = end + 1;
  }
  line("Angelegt:", person.created + " UT");
  line("Geändert:", person.changed + " UT");
  return kExitDone;
}

int add(const PersonsInvocation& call) {
  const OptionWords& words = call.words;
  for (const char* required :
       {"name", "first-name", "birth", "birth-zone", "birth-lat", "birth-lon", "place"}) {
    if (!words.has(required)) {
      return wrongUsage(call.err, "Die Angabe --" + std::string(required) + " fehlt.");
    }
  }
  archive::PersonEntry entry;
  entry.name = words.value("name");
  entry.firstName = words.value("first-name");
  entry.kind = words.value("kind");
  const std::string birth = words.value("birth");
  const std::size_t blank = birth.find(' ');
  entry.birthDate = birth.substr(0, blank);
  if (blank != std::string::npos) entry.birthTime = birth.substr(blank + 1);
  entry.zone = words.value("birth-zone");
  entry.latitude = words.value("birth-lat");
  entry.longitude = words.value("birth-lon");
  entry.place = words.value("place");
  entry.country = words.value("country");
  entry.notes = words.value("note");
  const auto checked = archive::checkPersonEntry(entry);
  if (const Rejection* refused = rejection(checked)) {
    call.err << refused->message << "\n";
    return kExitRefused;
  }
  const Person& person = std::get<Person>(checked);
  Archive* archive = call.archive.open(call.err);
  if (!archive) return kExitRefused;
  const auto stored = archive->store(person);
  if (const Rejection* refused = rejection(stored)) {
    call.err << refused->message << "\n";
    return kExitRefused;
  }
  const archive::Stored& where = std::get<archive::Stored>(stored);
  if (!where.added) {
    call.err << archive::displayName(person) << " ist mit denselben Geburtsdaten schon im Archiv"
             << " (Nummer " << std::to_string(where.id) << ").\n";
    return kExitRefused;
  }
  errno = 0;
  if (!(call.out << std::to_string(where.id) << '\n').flush()) {
    call.err << archive::displayName(person) << " ist mit der Nummer " << std::to_string(where.id)
             << " im Archiv gespeichert, aber die Nummer ließ sich nicht ausgeben: "
             << outputFailure() << ".\n";
    return kExitRefused;
  }
  return kExitDone;
}

int remove(const PersonsInvocation& call) {
  auto found = personOfWord(call);
  if (const int* status = std::get_if<int>(&found)) return *status;
  if (const auto failure = call.archive.open(call.err)->remove(std::get<Person>(found).id)) {
    call.err << *failure << "\n";
    return kExitRefused;
  }
  return kExitDone;
}

int import(const PersonsInvocation& call) {
  // An archive that is there is opened first: then the reader knows its
  // files and refuses one of them named as the AAF file (held_files.h).
  std::error_code error;
  if (std::filesystem::exists(call.archive.file(), error) && !call.archive.open(call.err)) {
    return kExitRefused;
  }
  const auto bytes = archive::readAafFile(pathFromUtf8(call.words.positionals.front()));
  if (const Rejection* refused = rejection(bytes)) {
    call.err << refused->message << "\n";
    return kExitRefused;
  }
  Archive* archive = call.archive.open(call.err);
  if (!archive) return kExitRefused;
  const auto imported = archive::importAaf(*archive, std::get<std::string>(bytes));
  if (const Rejection* refused = rejection(imported)) {
    call.err << refused->message << "\n";
    return kExitRefused;
  }
  const archive::ImportReport& report = std::get<archive::ImportReport>(imported);
  const std::string text = archive::reportText(report) + "\n";
  errno = 0;
  if (!(call.out << text).flush()) {
    call.err << "Der Bericht des Imports ließ sich nicht ausgeben (" << outputFailure()
             << "); er lautet:\n"
             << text;
    return kExitRefused;
  }
  if (report.faulty > 0) {
    call.err << report.faulty
             << (report.faulty == 1 ? " Datensatz ist fehlerhaft und wurde"
                                    : " Datensätze sind fehlerhaft und wurden")
             << " nicht übernommen (siehe oben).\n";
    return kExitRefused;
  }
  return kExitDone;
}

int exportPersons(const PersonsInvocation& call) {
  const std::vector<std::string>& words = call.words.positionals;
  const auto persons = selectedPersons(call, words.size() == 2 ? words.front() : std::string());
  if (!persons) return kExitRefused;
  const auto encoding = call.words.flags.contains("utf8") ? archive::AafEncoding::utf8
                                                          : archive::AafEncoding::windows1252;
  const auto text = archive::aafFile(*persons, encoding);
  if (const Rejection* refused = rejection(text)) {
    call.err << refused->message << " (--utf8)\n";
    return kExitRefused;
  }
  const std::filesystem::path target = pathFromUtf8(words.back());
  std::error_code ignored;
  if (!target.has_filename() || std::filesystem::is_directory(target, ignored)) {
    call.err << "Das Ziel " << words.back()
             << " ist ein Ordner; bitte den Namen der AAF-Datei angeben.\n";
    return kExitRefused;
  }
  // An earlier file stays: the persons go under the next free name beside it.
  const WrittenFile written = writeBesideEarlier(target, std::get<std::string>(text));
  if (written.error) {
    call.err << "Die Datei " << showableUtf8(written.name)
             << " lässt sich nicht schreiben: " << systemErrorText(written.error) << ".\n";
    return kExitRefused;
  }
  if (written.name != words.back()) {
    call.err << showableUtf8(takenNameNote(words.back(), written.name)) << "\n";
  }
  call.out << std::to_string(persons->size()) << (persons->size() == 1 ? " Person" : " Personen")
           << " nach " << showableUtf8(written.name) << " exportiert.\n";
  return kExitDone;
}

// Takes "--archive FILE" (or "--archive=FILE") out of the words, wherever it stands.
std::optional<std::optional<std::string>> takeArchiveOption(std::vector<std::string>& words) {
  std::optional<std::string> file;
  for (std::size_t i = 0; i < words.size();) {
    std::optional<std::string> value;
    if (words[i] == "--archive" && i + 1 < words.size()) {
      value = words[i + 1];
      words.erase(words.begin() + static_cast<std::ptrdiff_t>(i),
                  words.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    } else if (words[i].starts_with("--archive=")) {
      value = words[i].substr(10);
      words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
    } else if (words[i] == "--archive") {
      return std::nullopt;
    } else {
      ++i;
      continue;
    }
    if (file || value->empty()) return std::nullopt;
    file = value;
  }
  return file;
}

}  // namespace

std::variant<Person, int> personOfWord(const PersonsInvocation& call) {
  const std::string& word = call.words.positionals.front();
  const auto id = archive::personIdOf(word);
  if (!id) {
    call.err << "\"" << word << "\" ist keine Nummer einer Person.\n";
    return kExitRefused;
  }
  Archive* archive = call.archive.open(call.err);
  if (!archive) return kExitRefused;
  auto found = archive->find(*id);
  if (const Rejection* refused = rejection(found)) {
    call.err << refused->message << "\n";
    return kExitRefused;
  }
  auto& person = std::get<std::optional<Person>>(found);
  if (!person) {
    call.err << "Im Personenarchiv " << shown(call.archive.file())
             << " gibt es keine Person mit der Nummer " << *id << ".\n";
    return kExitRefused;
  }
  return std::move(*person);
}

const std::vector<PersonsCommand>& personsCommands() {
  static const std::vector<PersonsCommand> kCommands = {
      {"list",
       "list [TEXT] [--tsv | --csv]",
       "die Personen, deren Name, Vorname oder Ort TEXT enthält (alle ohne TEXT); --tsv: "
       "tabulatorgetrennt, --csv: als CSV-Tabelle",
       {},
       {"tsv", "csv"},
       0,
       1,
       ArchiveUse::read,
       list},
      {"show", "show NUMMER", "alles über eine Person", {}, {}, 1, 1, ArchiveUse::read, show},
      {"add",
       "add --name=NAME --first-name=VORNAME --birth=\"TT.MM.JJJJ hh:mm\" --birth-zone=ZONE "
       "--birth-lat=BREITE --birth-lon=LÄNGE --place=ORT [--country=XX] [--kind=m|w|e] "
       "[--note=TEXT]",
       "eine Person aufnehmen; gibt ihre Nummer aus",
       {"name", "first-name", "birth", "birth-zone", "birth-lat", "birth-lon", "place", "country",
        "kind", "note"},
       {},
       0,
       0,
       ArchiveUse::create,
       add},
      {"remove",
       "remove NUMMER",
       "eine Person aus dem Archiv löschen",
       {},
       {},
       1,
       1,
       ArchiveUse::change,
       remove},
      {"import",
       "import DATEI.aaf",
       "die Personen einer AAF-Datei aufnehmen (Windows-1252 oder UTF-8)",
       {},
       {},
       1,
       1,
       ArchiveUse::create,
       import},
      {"export",
       "export [TEXT] ZIEL.aaf [--utf8]",
       "die Personen (mit TEXT: die gefundenen) als AAF schreiben, Windows-1252 mit CR LF; "
       "--utf8: UTF-8",
       {},
       {"utf8"},
       1,
       2,
       ArchiveUse::read,
       exportPersons},
      {"backups",
       "backups",
       "die Sicherungen des Archivs, die neueste zuerst: Nummer, Zeitpunkt, Personen, Datei",
       {},
       {},
       0,
       0,
       ArchiveUse::read,
       listBackups},
      {"restore",
       "restore NUMMER",
       "das Archiv auf die Sicherung dieser Nummer (siehe backups) zurücksetzen; der Stand "
       "davor wird vorher gesichert (ein fehlendes Archiv entsteht so aus der Sicherung)",
       {},
       {},
       1,
       1,
       ArchiveUse::create,
       restoreBackup},
      {"timeline",
       "timeline NUMMER --from=TT.MM.JJJJ --to=TT.MM.JJJJ [--movers=S,P,T] [--bodies=…] "
       "[--points=factors|midpoints|all] [--with=…] [--zone=ZONE] [--orb=G:MM] [--dial=GRAD] "
       "[--ics ZIEL.ics [--ics-all]] [--csv]",
       "die Zeitleiste einer Person: wann Solarbogen (S), Progression (P) und Transite (T) "
       "Radix-Punkte auslösen; --dial: Scheibe 360, 90, 45, 22.5 oder 11.25 (Vorgabe 22.5); "
       "--ics: auch als iCalendar-Datei, S und P ohne MO und T von JU bis PL (--ics-all: jede "
       "Zeile); --csv: die Zeilen als CSV-Tabelle",
       {"from", "to", "movers", "bodies", "points", "with", "zone", "orb", "dial", "ics"},
       {"ics-all", "csv"},
       1,
       1,
       ArchiveUse::read,
       personTimeline},
  };
  return kCommands;
}

int runPersons(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << helpText();
    return kExitDone;
  }
  if (arguments.size() == 1 && arguments[0] == "--version") {
    out << kProgram << ' ' << kVersion << '\n';
    return kExitDone;
  }
  TerminalMessageStream messages(err);
  std::vector<std::string> words = arguments;
  const auto archiveFile = takeArchiveOption(words);
  if (!archiveFile) return wrongUsage(messages, "--archive braucht genau eine Datei.");
  if (words.empty()) return wrongUsage(messages);
  const PersonsCommand* command = nullptr;
  for (const PersonsCommand& candidate : personsCommands()) {
    if (candidate.name == words.front()) command = &candidate;
  }
  if (!command) return wrongUsage(messages, "Unbekannter Befehl \"" + words.front() + "\".");
  const auto read =
      readOptionWords({words.begin() + 1, words.end()}, command->valueOptions, command->flags);
  if (const Rejection* refused = rejection(read)) return wrongUsage(messages, refused->message);
  const OptionWords& options = std::get<OptionWords>(read);
  if (options.positionals.size() < command->minimumWords ||
      options.positionals.size() > command->maximumWords) {
    return wrongUsage(messages, "Falsche Zahl von Angaben für " + std::string(command->name) + ".");
  }
  std::filesystem::path file;
  if (*archiveFile) {
    file = pathFromUtf8(**archiveFile);
  } else {
    const archive::ArchiveChoice chosen = archive::defaultArchive();
    if (!chosen.note.empty()) messages << chosen.note << "\n";
    file = chosen.file;
  }
  PersonsArchive archive(file, command->archiveUse);
  const int status = command->run({options, archive, out, messages});
  if (archive.made()) {
    messages << "Das Personenarchiv " << shown(archive.file()) << " ist neu angelegt.\n";
  }
  // A command that failed has said why; one that did its work must not end
  // with success when its lines did not reach stdout. (errno is left as the
  // failed write of the lines or the flush set it.)
  if (status == kExitDone && !out.flush()) {
    messages << "kelvaro-persons: Die Ausgabe ließ sich nicht schreiben: " << outputFailure()
             << ".\n";
    return kExitRefused;
  }
  return status;
}

archive::Archive* PersonsArchive::open(std::ostream& err) {
  if (opened_) return &*opened_;
  std::error_code error;
  const bool missing =
      std::filesystem::status(file_, error).type() == std::filesystem::file_type::not_found;
  if (missing && use_ != ArchiveUse::create) {
    err << "Das Personenarchiv " << shown(file_)
        << " gibt es nicht. Es entsteht mit dem ersten add oder import.\n";
    return nullptr;
  }
  auto opened = Archive::open(
      file_, use_ == ArchiveUse::read ? Archive::Access::read : Archive::Access::write);
  if (const Rejection* refused = rejection(opened)) {
    err << refused->message << "\n";
    return nullptr;
  }
  made_ = std::get<Archive>(opened).made();
  opened_.emplace(std::get<Archive>(std::move(opened)));
  return &*opened_;
}

}  // namespace kelvaro::cli
