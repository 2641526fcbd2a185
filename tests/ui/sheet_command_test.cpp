// kelvaro --sheet: the dial sheet and the overviews written without a
// window, for both samples; every refusal with exit status 2, a German
// message and nothing left behind.
#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "cli/persons_commands.h"
#include "loading/transit_file.h"
#include "print/print_support.h"
#include "search/angle_search.h"
#include "search/chosen_pictures.h"
#include "support/record_builder.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::pagesOf;
using testing::pdfText;
using testing::runProcess;
using testing::TempDir;

std::string samplePath(const std::string& name) {
  return std::string(KELVARO_SAMPLES_DIR) + "/" + name;
}

// kelvaro with these arguments, without a display whatever the environment says.
testing::ProcessOutput sheet(const std::vector<std::string>& arguments) {
  return testing::runWithoutDisplay(KELVARO_PROGRAM, arguments);
}

bool has(const std::vector<std::string>& page, const std::string& wanted) {
  return std::find(page.begin(), page.end(), wanted) != page.end();
}

bool contains(const std::vector<std::string>& page, const std::string& part) {
  return std::any_of(page.begin(), page.end(),
                     [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

// The mean brightness (0 … 1) of page 1, rendered grey by pdftoppm.
double brightnessOfFirstPage(const fs::path& pdf) {
  const auto run = runProcess({PDFTOPPM, "-gray", "-r", "30", "-f", "1", "-l", "1", pdf.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  std::istringstream pgm(run.out);
  std::string magic;
  int width = 0;
  int height = 0;
  int most = 0;
  pgm >> magic >> width >> height >> most;
  pgm.get();
  EXPECT_EQ(magic, "P5");
  const std::string pixels = run.out.substr(static_cast<std::size_t>(pgm.tellg()));
  EXPECT_EQ(pixels.size(), static_cast<std::size_t>(width * height));
  const double sum = std::accumulate(pixels.begin(), pixels.end(), 0.0, [](double s, char c) {
    return s + static_cast<unsigned char>(c);
  });
  return sum / static_cast<double>(pixels.size()) / most;
}

TEST(SheetCommand, WritesTheSheetAndTheOverviewsForBothSamples) {
  for (const char* name : {"mueller-juergen.dat", "weiss-anna.dat"}) {
    const TransitRecord record = std::get<TransitRecord>(loadTransitFile(samplePath(name)));
    TempDir dir;
    const fs::path out = dir.path() / "blatt.pdf";
    const auto run = sheet({"--sheet", out.string(), "--orb", "1:12", "--pointer", "7:30",
                            "--rings", "rpst", samplePath(name)});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const auto pages = pagesOf(pdfText(out));
    ASSERT_GE(pages.size(), 3u) << name;
    const std::string count = std::to_string(pages.size());
    const auto& first = pages.front();
    EXPECT_TRUE(has(first, record.surname() + ", " + record.firstName())) << name;
    EXPECT_TRUE(contains(first, record.date())) << name;
    EXPECT_TRUE(has(first, "Zeiger 07°30' Orbis: 01:12")) << name;
    EXPECT_TRUE(has(first, "Seite 1 von " + count)) << name;
    EXPECT_TRUE(has(pages.back(), "Seite " + count + " von " + count)) << name;
    EXPECT_GT(brightnessOfFirstPage(out), 0.9) << name;
  }
}

// --dial=90: the sheet names the size before the pointer, which may stand
// beyond 22°30'; its list is the search on the 90° dial.
TEST(SheetCommand, DrawsTheChosenDial) {
  TempDir dir;
  const fs::path out = dir.path() / "blatt.pdf";
  const auto run = sheet({"--sheet", out.string(), "--dial=90", "--pointer", "67:30",
                          samplePath("mueller-juergen.dat")});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto pages = pagesOf(pdfText(out));
  ASSERT_FALSE(pages.empty());
  EXPECT_TRUE(has(pages.front(), "90°-Scheibe Zeiger 67°30' Orbis: 01:12"));
  const TransitRecord record =
      std::get<TransitRecord>(loadTransitFile(samplePath("mueller-juergen.dat")));
  const SearchResult list =
      angleSearch(record, 1.2, 67.5, std::nullopt, DialSize(DialSize::Kind::quarter));
  // The first entries line of the list, as the sheet prints it (blanks folded).
  for (const std::string_view line : list.lines) {
    if (line.empty() || line[0] != ' ') continue;
    std::string words;
    std::istringstream split{std::string(line)};
    for (std::string word; split >> word;) words += (words.empty() ? "" : " ") + word;
    EXPECT_TRUE(contains(pages.front(), words)) << words;
    break;
  }
}

TEST(SheetCommand, PicturesHoldTheSheetAlone) {
  TempDir dir;
  const auto svg =
      sheet({"--sheet", (dir.path() / "blatt.svg").string(), samplePath("weiss-anna.dat")});
  ASSERT_EQ(svg.status, 0) << svg.err;
  const std::string text = testing::fileBytes(dir.path() / "blatt.svg");
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("Zeiger 00°00'"), std::string::npos);
  EXPECT_NE(text.find("Seite 1 von 1"), std::string::npos);

  const auto png = sheet({"--sheet", (dir.path() / "blatt.png").string(), "--rings", "t",
                          samplePath("weiss-anna.dat")});
  ASSERT_EQ(png.status, 0) << png.err;
  EXPECT_EQ(testing::fileBytes(dir.path() / "blatt.png").substr(1, 3), "PNG");
}

TEST(SheetCommand, RefusalsSayWhyAndLeaveNothingBehind) {
  TempDir dir;
  const std::string out = (dir.path() / "blatt.pdf").string();
  const std::string file = samplePath("mueller-juergen.dat");
  const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
      {{"--sheet", out, (dir.path() / "fehlt.dat").string()}, "fehlt.dat"},
      {{"--sheet", out, "--orb", "0:00", file}, "Orbis: \"0:00\" ist kein Orbis."},
      {{"--sheet", out, "--orb", "12", file}, "Orbis: \"12\" ist kein Orbis."},
      {{"--sheet", out, "--pointer", "23:00", file}, "Ungültiger Zeiger »23:00«"},
      {{"--sheet", out, "--pointer", "22:45", file}, "Ungültiger Zeiger »22:45«"},
      {{"--sheet", out, "--pointer", "22:30", file}, "von 0:00 bis 22:29"},
      {{"--sheet", out, "--pointer", "7:60", file}, "Ungültiger Zeiger »7:60«"},
      {{"--sheet", out, "--rings", "rx", file}, "Ungültige Ringe »rx«"},
      {{"--sheet", out, "--dial", "17", file},
       "Unbekannte Scheibe »17«: erlaubt sind 360, 90, 45, 22,5 oder 11,25 Grad."},
      {{"--sheet", out, "--dial=0", file}, "Unbekannte Scheibe »0«"},
      {{"--sheet", out, "--dial", "90", "--pointer", "90:00", file},
       "erwartet G:MM auf der 90°-Scheibe, also von 0:00 bis 89:59"},
      {{"--sheet", out, "--dial", "11,25", "--pointer", "11:15", file}, "bis 11:14"},
      {{"--sheet", out, "--rings", "rr", file}, "Ungültige Ringe »rr«"},
      {{"--sheet", out, "--client", "--pictures", "SO=MA/SA,SO=MA/XY", file},
       "Ungültiges Planetenbild »SO=MA/XY« in --pictures: unbekannter Faktor »XY«"},
      {{"--sheet", out, "--client", "--pictures=SO=MA/SA,", file},
       "kein Planetenbild zwischen den Kommas"},
      {{"--sheet", out, "--pictures", "SO=MA/SA", file},
       "--pictures gilt nur für das Klientenblatt, mit --client."},
      {{"--sheet", out, "--keywords", file, file}, "--keywords gilt nur für das Klientenblatt"},
      {{"--sheet", (dir.path() / "blatt.jpg").string(), file}, "Unbekanntes Format"},
      {{"--sheet", (dir.path() / "weg" / "blatt.pdf").string(), file},
       "lässt sich nicht speichern"},
  };
  for (const auto& [arguments, message] : refusals) {
    const auto run = sheet(arguments);
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_TRUE(run.err.starts_with("kelvaro --sheet: ")) << run.err;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(fs::is_empty(dir.path())) << message;
  }
  const auto usage = sheet({"--sheet", out});
  EXPECT_EQ(usage.status, 1);
  EXPECT_NE(usage.err.find("DATEI"), std::string::npos) << usage.err;
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// A second run with the same OUT keeps the first file and takes the next
// free name, as kelvaro-cli --save does.
TEST(SheetCommand, AnEarlierFileIsKeptAndTheNextFreeNameTaken) {
  TempDir dir;
  const fs::path out = dir.path() / "blatt.png";
  ASSERT_EQ(sheet({"--sheet", out.string(), samplePath("weiss-anna.dat")}).status, 0);
  const std::string first = testing::fileBytes(out);
  const auto again = sheet({"--sheet", out.string(), "--rings", "t", samplePath("weiss-anna.dat")});
  ASSERT_EQ(again.status, 0) << again.err;
  const fs::path second = dir.path() / "blatt (2).png";
  EXPECT_EQ(again.err, "kelvaro --sheet: Die Datei " + out.string() +
                           " gibt es schon; geschrieben als " + second.string() + ".\n");
  EXPECT_EQ(testing::fileBytes(out), first);
  EXPECT_NE(testing::fileBytes(second), first);
}

// A file with positions off the circle is drawn with kelvaro-cli's warning;
// an argument that is no UTF-8 is shown with replacement characters.
TEST(SheetCommand, WarnsOfPositionsOffTheCircleAndEchoesNoRawBytes) {
  TempDir dir;
  const std::string odd =
      dir.write("odd.dat", testing::RecordBuilder(10).at(Variant::t, factor::SA, 400).bytes());
  const auto drawn = sheet({"--sheet", (dir.path() / "odd.pdf").string(), odd});
  EXPECT_EQ(drawn.status, 0);
  EXPECT_EQ(drawn.err, "kelvaro --sheet: Die Datei " + odd +
                           " enthält Positionen außerhalb von 0° bis 360° und ist wohl keine "
                           "Transit-Datei. Trotzdem laden?\n");
  EXPECT_TRUE(fs::exists(dir.path() / "odd.pdf"));

  const std::string raw = "\xFF\xFE";
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"--sheet", (dir.path() / (raw + ".jpg")).string(), odd},
           {"--sheet", (dir.path() / "a.pdf").string(), (dir.path() / raw).string()},
           {"--sheet", (dir.path() / "a.pdf").string(), "--orb", raw, odd},
           {"--sheet", (dir.path() / "a.pdf").string(), odd, raw}}) {
    const auto run = sheet(arguments);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err.find(raw), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\uFFFD\uFFFD"), std::string::npos) << run.err;
  }
}

// The program started by its launcher, as the installed "kelvaro" is, in
// `folder` with `home` as HOME.
testing::ProcessOutput launched(const fs::path& folder, const fs::path& home,
                                const std::string& program,
                                const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {"/bin/sh",
                                      "-c",
                                      "cd \"$1\" && shift && exec /usr/bin/env \"$@\"",
                                      "sh",
                                      folder.string(),
                                      "HOME=" + home.string(),
                                      "KELVARO_PROGRAM=" + program,
                                      "KELVARO_SAMPLES=" + std::string(KELVARO_SAMPLES_DIR),
                                      "/bin/sh",
                                      KELVARO_LAUNCHER};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return testing::runWithoutDisplay(command.front(),
                                    std::vector<std::string>(command.begin() + 1, command.end()));
}

// Written from the command line, the sheet goes where its relative name
// points from the caller's folder, and the file is read from there: the
// launcher starts the window program in the program folder, but a sheet
// or an ephemeris in the folder it was called in.
TEST(SheetCommand, RelativeNamesMeanTheCallersFolder) {
  TempDir dir;
  const fs::path work = dir.path() / "arbeit";
  fs::create_directories(work / "blätter");
  fs::copy_file(samplePath("weiss-anna.dat"), work / "weiss-anna.dat");
  const auto run =
      launched(work, dir.path() / "home", KELVARO_PROGRAM,
               {"--sheet", "blätter/weiss.png", "--pointer", "7:30", "weiss-anna.dat"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(testing::fileBytes(work / "blätter" / "weiss.png").substr(1, 3), "PNG");
  EXPECT_TRUE(fs::is_empty(dir.path() / "home" / "Astro" / "Kelvaro"));

  // Which folder each way of starting gets.
  const fs::path probe = dir.path() / "probe";
  std::ofstream(probe) << "#!/bin/sh\necho \"$PWD\"\n";
  fs::permissions(probe, fs::perms::owner_all);
  const fs::path programFolder = dir.path() / "home" / "Astro" / "Kelvaro";
  for (const auto& [arguments, folder] : std::vector<std::pair<std::vector<std::string>, fs::path>>{
           {{"--sheet", "a.pdf", "b.dat"}, work},
           {{"--orb", "2:00", "--sheet=a.svg", "b.dat"}, work},
           {{"--ephemeris", "a.pdf", "--person", "1"}, work},
           {{"--ephemeris=a.pdf"}, work},
           {{}, programFolder},
           {{"--version"}, programFolder}}) {
    const auto started = launched(work, dir.path() / "home", probe.string(), arguments);
    EXPECT_EQ(started.out, folder.string() + "\n") << started.err;
  }
}

// A comparison, a composite and a Davison file made by kelvaro-make-transit:
// the sheet names both persons under the transit with their births from the
// archive of --archive, or says that the archive does not know them.
TEST(SheetCommand, AChartOfTwoPersonsNamesBothWithTheirBirths) {
  TempDir dir;
  const std::string archive = (dir.path() / "personen.sqlite").string();
  for (std::vector<std::string> words :
       {std::vector<std::string>{"--name=Weiß", "--first-name=Anna", "--birth=12.04.1981 06:30",
                                 "--birth-zone=Europe/Berlin", "--birth-lat=50°56' N",
                                 "--birth-lon=6°57' O", "--place=Köln"},
        std::vector<std::string>{"--name=Müller", "--first-name=Hans", "--birth=03.11.1975",
                                 "--birth-zone=America/New_York", "--birth-lat=40°43' N",
                                 "--birth-lon=74°00' W", "--place=New York"}}) {
    words.insert(words.begin(), {"--archive", archive, "add"});
    std::ostringstream out, err;
    ASSERT_EQ(cli::runPersons(words, out, err), 0) << err.str();
  }
  const std::string anna =
      "Weiß, Anna – Geburt: 12.04.1981 06:30 (Europe/Berlin) in Köln, 50°56' N 06°57' O";
  const std::string hans =
      "Müller, Hans – Geburt: 03.11.1975 Zeit unbekannt (America/New_York) in New York, "
      "40°43' N 74°00' W";
  for (const auto& [kind, a, b] : std::vector<std::array<std::string, 3>>{
           {"--partner=2", "A (r, p, s): " + anna, "B (t): " + hans},
           {"--composite=2", "A: " + anna, "B: " + hans},
           {"--davison=2", "A: " + anna, "B: " + hans}}) {
    const fs::path made = dir.path() / "paar.dat";
    const auto make =
        runProcess({KELVARO_MAKE_TRANSIT, "--archive", archive, "--person=1", kind,
                    "--transit=08.12.2026 12:00", "--transit-zone=+01:00", "--place=Köln",
                    "--transit-lat=50.9333", "--transit-lon=6.95", made.string()});
    ASSERT_EQ(make.status, 0) << make.err;
    const fs::path out = dir.path() / (kind.substr(2, 4) + ".pdf");
    const auto run = sheet({"--sheet", out.string(), "--archive", archive, made.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto first = pagesOf(pdfText(out)).front();
    EXPECT_TRUE(has(first, a)) << kind << "\n" << pdfText(out).substr(0, 600);
    EXPECT_TRUE(has(first, b)) << kind;
  }

  // An archive that does not know them: the names without births, and the
  // missing archive is not made.
  const fs::path elsewhere = dir.path() / "anderes.sqlite";
  const fs::path out = dir.path() / "ohne.pdf";
  ASSERT_EQ(sheet({"--sheet", out.string(), "--archive", elsewhere.string(),
                   (dir.path() / "paar.dat").string()})
                .status,
            0);
  EXPECT_TRUE(has(pagesOf(pdfText(out)).front(), "B: Hans Müller – nicht im Personenarchiv"));
  EXPECT_FALSE(fs::exists(elsewhere));
}

// kelvaro --sheet … --client with `home` as HOME: the program folder's
// keywords and the user's archive are those below it.
testing::ProcessOutput clientSheet(const fs::path& home, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"HOME=" + home.string(), KELVARO_PROGRAM, "--client"});
  return testing::runWithoutDisplay("/usr/bin/env", arguments);
}

std::size_t lineCount(const std::vector<std::string>& page, const std::string& part) {
  return static_cast<std::size_t>(
      std::count_if(page.begin(), page.end(),
                    [&](const std::string& line) { return line.find(part) != std::string::npos; }));
}

// One page in every case: no picture within the orb, a few, and the
// pointer's whole list, whose rows beyond the page are counted; always
// without the overviews the dial sheet's PDF has.
TEST(SheetCommand, TheClientSheetIsOnePageWhateverItHolds) {
  TempDir dir;
  const std::string file = samplePath("mueller-juergen.dat");
  const TransitRecord record = std::get<TransitRecord>(loadTransitFile(file));
  const auto rowsOf = [&](std::string_view list, double orb) {
    return chosenPictureRows(record, orb, DialSize::standard(),
                             std::get<std::vector<ChosenPicture>>(parseChosenPictures(list)),
                             Keywords::read(shippedKeywords()));
  };
  const std::string archive = (dir.path() / "keins.sqlite").string();
  ASSERT_TRUE(rowsOf("SOr=MOr", 1.0 / 60).empty());
  const auto few = rowsOf("SO=MA/SA,MC=JU/PL", 1.2);
  ASSERT_FALSE(few.empty());
  ASSERT_LT(few.size(), 30u);

  const fs::path none = dir.path() / "keine.pdf";
  const fs::path some = dir.path() / "einige.pdf";
  const fs::path all = dir.path() / "alle.pdf";
  for (const auto& [out, words] : std::vector<std::pair<fs::path, std::vector<std::string>>>{
           {none, {"--orb", "0:01", "--pictures", "SOr=MOr"}},
           {some, {"--pictures", "so = ma/sa, MC=JU/PL"}},
           {all, {"--pointer", "7:30"}}}) {
    std::vector<std::string> arguments = {"--sheet", out.string(), "--archive", archive};
    arguments.insert(arguments.end(), words.begin(), words.end());
    arguments.push_back(file);
    const auto run = clientSheet(dir.path() / "home", arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto info = runProcess({PDFINFO, out.string()});
    EXPECT_NE(info.out.find("Pages:           1\n"), std::string::npos) << out << info.out;
  }

  const auto nonePage = pagesOf(pdfText(none)).front();
  EXPECT_TRUE(has(nonePage, "Keine Planetenbilder ausgewählt."));
  EXPECT_TRUE(has(nonePage, "Müller, Jürgen – nicht im Personenarchiv"));
  EXPECT_TRUE(has(nonePage, "Zeiger 00°00' Orbis: 00:01"));

  const auto somePage = pagesOf(pdfText(some)).front();
  EXPECT_TRUE(has(somePage, "Planetenbild Abweichung Stichworte"));
  for (const PictureRow& row : few) {
    EXPECT_TRUE(contains(somePage, pictureText(row.picture) + " " + deviationText(row.deviation)))
        << pictureText(row.picture);
  }
  EXPECT_EQ(lineCount(somePage, "weitere Planetenbilder"), 0u);

  const auto allPage = pagesOf(pdfText(all)).front();
  const SearchResult list = angleSearch(record, 1.2, 7.5, std::nullopt);
  // The rows take two lines each with the keywords of both sides.
  const std::size_t shown = lineCount(allPage, "07°30' = ");
  EXPECT_GE(shown, 15u);
  EXPECT_TRUE(has(allPage, "… und " + std::to_string(resultPictures(list).size() - shown) +
                               " weitere Planetenbilder (nicht gezeigt)"));
  // The nearest first.
  const auto nearest = chooseRows(pictureRows(record, resultPictures(list), DialSize(), Keywords{}),
                                  {std::nullopt, true});
  EXPECT_TRUE(contains(allPage, pictureText(nearest.front().picture) + " " +
                                    deviationText(nearest.front().deviation)));
}

// The births from the archive of --archive, the keywords of --keywords,
// else those of the program folder; a keywords file that cannot be read is
// named and the shipped keywords stand in.
TEST(SheetCommand, TheClientSheetShowsBirthsAndKeywords) {
  TempDir dir;
  const std::string archive = (dir.path() / "personen.sqlite").string();
  {
    std::ostringstream out, err;
    ASSERT_EQ(cli::runPersons({"--archive", archive, "add", "--name=Müller", "--first-name=Jürgen",
                               "--birth=12.04.1981 06:30", "--birth-zone=Europe/Berlin",
                               "--birth-lat=48°08' N", "--birth-lon=11°34' O", "--place=München"},
                              out, err),
              0)
        << err.str();
  }
  const std::string keywords = (dir.path() / "eigene.txt").string();
  std::ofstream(keywords, std::ios::binary) << "SO = MA/SA = Kraftprobe im Beruf\nPL = Wandlung\n";
  const fs::path home = dir.path() / "home";
  fs::create_directories(home / "Astro" / "Kelvaro");
  std::ofstream(home / "Astro" / "Kelvaro" / "Stichworte.txt", std::ios::binary)
      << "SO = MA/SA = Aus dem Programmordner\n";
  const std::string file = samplePath("mueller-juergen.dat");
  const auto page = [&](const std::string& name, std::vector<std::string> words) {
    const fs::path out = dir.path() / name;
    std::vector<std::string> arguments = {"--sheet", out.string(), "--archive",  archive,
                                          "--orb",   "9:00",       "--pictures", "SO=MA/SA"};
    arguments.insert(arguments.end(), words.begin(), words.end());
    arguments.push_back(file);
    const auto run = clientSheet(home, arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return std::pair{pagesOf(pdfText(out)).front(), run.err};
  };

  const auto [own, quiet] = page("eigene.pdf", {"--keywords", keywords});
  EXPECT_EQ(quiet, "");
  EXPECT_TRUE(has(own,
                  "Müller, Jürgen – Geburt: 12.04.1981 06:30 (Europe/Berlin) in München, "
                  "48°08' N 11°34' O"));
  EXPECT_GT(lineCount(own, " Kraftprobe im Beruf"), 0u);
  EXPECT_EQ(lineCount(own, "Aus dem Programmordner"), 0u);

  const auto [folder, alsoQuiet] = page("ordner.pdf", {});
  EXPECT_EQ(alsoQuiet, "");
  EXPECT_GT(lineCount(folder, " Aus dem Programmordner"), 0u);

  const auto [shipped, told] = page("mitgeliefert.pdf", {"--keywords", dir.path().string()});
  EXPECT_EQ(told, "kelvaro --sheet: Die Stichworte-Datei " + dir.path().string() +
                      " lässt sich nicht lesen: keine gewöhnliche Datei. Es gelten die "
                      "mitgelieferten Stichworte.\n");
  EXPECT_GT(lineCount(shipped, "SO: "), 0u);
}

}  // namespace
}  // namespace kelvaro
