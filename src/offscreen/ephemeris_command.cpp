#include "offscreen/ephemeris_command.h"

#include <algorithm>

#include "archive/archive.h"
#include "archive/archive_location.h"
#include "archive/person_birth.h"
#include "cli/exit_status.h"
#include "cli/option_words.h"
#include "cli/terminal_message.h"
#include "cli/timeline_options.h"
#include "core/text_encoding.h"
#include "offscreen/offscreen_command.h"
#include "offscreen/page_output.h"
#include "output/free_file_name.h"
#include "output/page_file.h"
#include "print/ephemeris_sheet.h"
#include "timing/ephemeris_layout.h"

namespace kelvaro::offscreen {
namespace {

using cli::kExitDone;
using cli::kExitUsage;

// The name its messages begin with.
constexpr std::string_view kEphemerisCommand = "kelvaro --ephemeris";

constexpr std::string_view kUsage =
    "Aufruf: kelvaro --ephemeris AUSGABE --person NUMMER [--archive DATEI]\n"
    "        --from=TT.MM.JJJJ --to=TT.MM.JJJJ [--movers=S,P,T] [--bodies=…] [--with=…]\n"
    "        [--points=factors|midpoints|all] [--zone=ZONE] [--orb=G:MM] [--dial=GRAD]\n"
    "Schreibt die grafische Ephemeride einer Person aus dem Personenarchiv als\n"
    "AUSGABE (.pdf, .png oder .svg). Vorgaben: S, P und T; die Radixpunkte und\n"
    "Halbsummen mit MC, SO, AS oder MO; die Zone der Geburt. Ein Orbis steht\n"
    "im Kopf des Blatts (er gilt für S und P). --dial wählt die Scheibe der\n"
    "senkrechten Achse: 360, 90, 45, 22.5 (Vorgabe) oder 11.25 Grad.\n";

int wrongUsage(const CommandVoice& voice, std::string_view message) {
  voice.tell(message);
  voice.err << kUsage;
  return kExitUsage;
}

// What OUT is to hold, or why the options ask for nothing valid. A birth
// time nobody knows is noon, with the note of the timeline on `err`; a note
// about the archive itself (it has moved) goes there too.
Checked<Printout> ephemerisOf(const cli::OptionWords& words, std::ostream& err) {
  std::filesystem::path archiveFile;
  if (words.has("archive")) {
    archiveFile = pathFromUtf8(words.value("archive"));
  } else {
    const archive::ArchiveChoice chosen = archive::defaultArchive();
    if (!chosen.note.empty()) err << "kelvaro --ephemeris: " << chosen.note << '\n';
    archiveFile = chosen.file;
  }
  auto person = archive::findPerson(words.value("person"), archiveFile);
  if (const Rejection* refused = rejection(person)) return *refused;
  const archive::Person& found = std::get<archive::Person>(person);
  auto birth = archive::birthDataOf(found);
  if (const Rejection* refused = rejection(birth)) return *refused;
  const chart::BirthData& born = std::get<chart::BirthData>(birth);
  auto request = cli::timelineRequestOf(words, born, timing::kEphemerisDefaultWith);
  if (const Rejection* refused = rejection(request)) return *refused;
  const timing::CalendarRequest& asked = std::get<timing::CalendarRequest>(request);
  if (archive::birthTimeUnknown(found)) {
    CommandVoice{err, kEphemerisCommand}.tell(archive::noonNote(found, "die Ephemeride"));
  }
  const auto timeline = timing::timeline(born, asked);
  return ephemerisPrintout(ephemerisSheetContent(born, found.place, asked, *timeline));
}

}  // namespace

bool asksForEphemeris(const std::vector<std::string>& arguments) {
  return cli::namesOption(arguments, "ephemeris");
}

int runEphemeris(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (std::find(arguments.begin(), arguments.end(), "--help") != arguments.end()) {
    out << kUsage;
    return kExitDone;
  }
  const auto read =
      cli::readOptionWords(arguments, {"ephemeris", "person", "archive", "from", "to", "movers",
                                       "bodies", "with", "zone", "points", "orb", "dial"});
  const CommandVoice voice{err, kEphemerisCommand};
  if (const Rejection* refused = rejection(read)) return wrongUsage(voice, refused->message);
  const cli::OptionWords* words = &std::get<cli::OptionWords>(read);
  if (!words->positionals.empty()) {
    return wrongUsage(voice, "Unerwartete Angabe \"" + showableUtf8(words->positionals.front()) +
                                 "\" (Optionen beginnen mit --).");
  }
  for (const char* required : {"ephemeris", "person", "from", "to"}) {
    if (!words->has(required))
      return wrongUsage(voice, std::string("Die Angabe --") + required + " fehlt.");
  }
  const std::string outName = words->value("ephemeris");
  const Checked<PageFormat> format = outputFormat(outName);
  if (const Rejection* refused = rejection(format)) return voice.refuse(refused->message);
  Checked<Printout> printout = ephemerisOf(*words, err);
  if (const Rejection* refused = rejection(printout)) return voice.refuse(refused->message);
  return writeOutput(std::get<Printout>(printout), outName, std::get<PageFormat>(format),
                     ephemerisPageLayout(), voice);
}

int runEphemerisProgram(int argc, char** argv) { return runOffscreen(argc, argv, &runEphemeris); }

}  // namespace kelvaro::offscreen
