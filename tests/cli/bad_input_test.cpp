// Bad input for every command of kelvaro-cli: files that are no transit
// files, records at the edges of the format, entries no user should type.
// Each case ends with a clear message or a correct result: no crash, no
// hang, nothing lost.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "loading/axis_overview.h"
#include "loading/orb_entry.h"
#include "search/angle_search.h"
#include "search/free_axis_entry.h"
#include "search/magic_square.h"
#include "search/midpoint_sum_search.h"
#include "search/quadro_search.h"
#include "search/search_angle.h"
#include "search/triple_search.h"
#include "support/cli_runner.h"
#include "support/file_bytes.h"
#include "support/record_builder.h"
#include "support/sandbox.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::ProcessOutput;
using testing::RecordBuilder;
using testing::runCli;
using testing::TempDir;

using Words = std::vector<std::string>;

// Every command with entries it accepts.
const std::vector<Words> kCommands = {
    {"header"},
    {"describe"},
    {"overview"},
    {"content"},
    {"search1", "KN+JU"},
    {"pictures", "KNt+JUp", "rpst", "/", "rpst"},
    {"pictures", "SOs/SOs", "s", "+", "s", "--single-factor"},
    {"angle-pictures", "5:07", "r", "+", "t"},
    {"quadro", "KN+JU=MO/SA"},
    {"angle", "5:07"},
    {"angle", "22:59", "GZ"},
    {"triple", "VE+JU=KN+"},
    {"triple", "VE/JU=KN/", "--all-factors"},
    {"magic", "KNt"},
    {"magic", "SOs"},
    {"correspondences"},
};

ProcessOutput runOn(const std::string& file, const Words& command) {
  Words arguments = {file};
  arguments.insert(arguments.end(), command.begin(), command.end());
  return runCli(arguments);
}

std::string named(const Words& command) {
  std::string name;
  for (const std::string& word : command) name += word + " ";
  return name;
}

// A message as kelvaro-cli prints it on stderr.
std::string printed(std::string_view message) {
  std::string text(message);
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  return text + "\n";
}

// What a command that succeeds prints on stderr: only the overview has a
// message, the information box shown when it is complete.
std::string successErr(const Words& command) {
  return command[0] == "overview" ? printed(kSearchesReadyMessage) : "";
}

bool isWellFormedUtf8(const std::string& text) {
  return codePointsToUtf8(utf8ToCodePoints(text)) == text;
}

std::vector<unsigned char> sampleBytes() {
  const std::string bytes = testing::fileBytes(testing::samplePath("mueller-juergen.dat"));
  return {bytes.begin(), bytes.end()};
}

TEST(CliBadInput, AFileWithoutARecordIsReportedByEveryCommand) {
  TempDir dir;
  const struct {
    std::string name;
    std::vector<unsigned char> bytes;
    std::string message;  // "@" stands for the path
  } cases[] = {
      {"leer.dat", {}, "Ladeversuch mit @ ging daneben"},
      {"ein-byte.dat", {0x41}, "Ladeversuch mit @ ging daneben"},
      {"kurz.dat", std::vector<unsigned char>(2559, 0x20), "Ladeversuch mit @ ging daneben"},
      {"nan.dat", std::vector<unsigned char>(2560, 0xFF), "Ladeversuch mit @ ging daneben"},
      {"ordner", {}, "Die Datei @ lässt sich nicht öffnen: Ist ein Ordner"},
      {"fehlt.dat", {}, "Die Datei @ lässt sich nicht öffnen: Datei oder Ordner nicht vorhanden"},
      {"rohr", {}, "Ladeversuch mit @ ging daneben"},  // a named pipe nobody writes into
  };
  for (const auto& c : cases) {
    std::string path = (dir.path() / c.name).string();
    if (c.name == "ordner") {
      fs::create_directory(path);
    } else if (c.name == "rohr") {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    } else if (c.name != "fehlt.dat") {
      path = dir.write(c.name, c.bytes);
    }
    std::string message = c.message;
    message.replace(message.find('@'), 1, path);
    for (const Words& command : kCommands) {
      const ProcessOutput run = runOn(path, command);
      EXPECT_EQ(run.status, 2) << c.name << ": " << named(command);
      EXPECT_EQ(run.out, "") << c.name << ": " << named(command);
      EXPECT_EQ(run.err, message + "\n") << c.name << ": " << named(command);
    }
  }
}

TEST(CliBadInput, AFileWithoutReadPermissionIsReported) {
  TempDir dir;
  const std::string path = dir.write("gesperrt.dat", sampleBytes());
  fs::permissions(path, fs::perms::none);
  const auto outcome = testing::asOrdinaryUser([&]() -> std::string {
    for (const Words& command : kCommands) {
      const ProcessOutput run = runOn(path, command);
      if (run.status != 2 || !run.out.empty() ||
          run.err != "Die Datei " + path + " lässt sich nicht öffnen: Keine Berechtigung\n") {
        return named(command) + "gave " + std::to_string(run.status) + ": " + run.err;
      }
    }
    return {};
  });
  if (!outcome.available) GTEST_SKIP() << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}

// A 1 GiB file (sparse) and a file named in Cyrillic with an emoji hold the
// sample record: every command gives exactly what it gives for the sample.
TEST(CliBadInput, OnlyTheFirst2560BytesAndNotTheNameOfAFileMatter) {
  TempDir dir;
  const std::string huge = dir.write("riesig.dat", sampleBytes());
  fs::resize_file(huge, std::uintmax_t{1} << 30);
  const std::string foreign = dir.write("Жюль 😀 transit", sampleBytes());
  for (const Words& command : kCommands) {
    const ProcessOutput sample = runOn(testing::samplePath("mueller-juergen.dat"), command);
    ASSERT_EQ(sample.status, 0) << named(command) << sample.err;
    for (const std::string& path : {huge, foreign}) {
      const ProcessOutput run = runOn(path, command);
      EXPECT_EQ(run.status, 0) << path << ": " << named(command);
      EXPECT_EQ(run.err, successErr(command)) << path << ": " << named(command);
      EXPECT_EQ(run.out, sample.out) << path << ": " << named(command);
    }
  }
}

// Records whose positions lie at the edges of a double, or are all zero:
// every command gives its lines (readable text) and describe keeps every
// bit of every position.
TEST(CliBadInput, ExtremePositionsGiveResultsAndSurviveDescribe) {
  TempDir dir;
  const struct {
    std::string name;
    TransitRecord record;
    bool outside;  // positions outside [0, 360): a warning comes first
  } cases[] = {
      {"nullen", TransitRecord{}, false},
      {"plus-1e308", RecordBuilder(1e308).build(), true},
      {"minus-1e308", RecordBuilder(-1e308).build(), true},
      {"minus-null", RecordBuilder(-0.0).text(0, "Null").build(), false},
      {"fast-360", RecordBuilder(359.999999999).build(), false},
      {"gemischt",
       RecordBuilder(1e308)
           .everywhere(factor::MC, -1e308)
           .everywhere(factor::SO, -0.0)
           .everywhere(factor::KN, 359.999999999)
           .everywhere(factor::JU, 4.9406564584124654e-324)
           .build(),
       true},
  };
  for (const auto& c : cases) {
    const auto raw = serializeTransitRecord(c.record);
    const std::string path = dir.write(c.name + ".dat", {raw.begin(), raw.end()});
    const std::string warning =
        c.outside ? "Die Datei " + path +
                        " enthält Positionen außerhalb von 0° bis 360° und ist wohl keine "
                        "Transit-Datei. Trotzdem laden?\n"
                  : "";
    for (const Words& command : kCommands) {
      const ProcessOutput run = runOn(path, command);
      EXPECT_EQ(run.status, 0) << c.name << ": " << named(command);
      EXPECT_EQ(run.err, warning + successErr(command)) << c.name << ": " << named(command);
      EXPECT_NE(run.out, "") << c.name << ": " << named(command);
      EXPECT_TRUE(isWellFormedUtf8(run.out)) << c.name << ": " << named(command);
    }
    const ProcessOutput described = runOn(path, {"describe"});
    const std::string source = (dir.path() / (c.name + ".txt")).string();
    std::ofstream(source) << described.out;
    const std::string made = (dir.path() / (c.name + "-neu.dat")).string();
    const ProcessOutput make = testing::runProcess({testing::makeTransitPath(), source, made});
    ASSERT_EQ(make.status, 0) << c.name << ": " << make.err;
    EXPECT_EQ(testing::fileBytes(made), testing::fileBytes(path)) << c.name;
  }
}

// Text fields of 255 characters full of control characters: the header
// line keeps them and is cut at 255 characters; a save refuses the file
// name with a message that names the character.
TEST(CliBadInput, FullTextFieldsWithControlCharacters) {
  TempDir dir;
  std::string controls;
  for (char c = 0; c < 32; ++c) controls += c;
  std::string text;
  while (utf8Length(text) < 255) text += "Ä" + controls;
  text = utf8Left(text, 255);
  RecordBuilder builder;
  for (std::size_t field = 0; field < kTextFieldCount; ++field) builder.text(field, text);
  const TransitRecord record = builder.build();
  const auto raw = serializeTransitRecord(record);
  const std::string path = dir.write("steuer.dat", {raw.begin(), raw.end()});

  const ProcessOutput header = runOn(path, {"header"});
  EXPECT_EQ(header.status, 0);
  EXPECT_EQ(header.out, headerLine(record) + "\n");
  EXPECT_EQ(utf8Length(header.out), 256u);

  const fs::path folder = dir.path() / "ergebnisse";
  fs::create_directory(folder);
  const ProcessOutput saved = runCli({"--save", folder.string(), path, "search1", "KN+JU"});
  EXPECT_EQ(saved.status, 2);
  EXPECT_EQ(testing::linesOf(saved.out).size(), 20u);
  EXPECT_NE(
      saved.err.find("enthält ein Steuerzeichen (Code 0), das in Dateinamen nicht erlaubt ist."),
      std::string::npos)
      << saved.err;
  EXPECT_TRUE(fs::is_empty(folder));
}

std::string wrongLength(const std::string& entry, std::size_t length, std::size_t needed) {
  return "Falsche Länge: \"" + entry + "\" hat " + std::to_string(length) +
         " Zeichen, die Eingabe braucht " + std::to_string(needed) + ".\n";
}

// Entries pasted into every option: non-Latin letters, emoji, tabs, line
// breaks, 10,000 characters. Each is refused with the option's message (or
// as of the wrong length), and nothing reaches stdout.
TEST(CliBadInput, StrangeEntriesAreRefusedWithTheirMessage) {
  const std::string paste(10000, 'K');
  const std::string triplePasteMessage = printed(std::string(kTripleNamesMessageStart) +
                                                 "ЖЖ+JU=KN+" + std::string(kTripleNamesMessageEnd));
  const struct {
    Words words;
    std::string err;
  } cases[] = {
      {{"search1", "ЖЖ+JU"}, printed(kMidpointSumFactorMessage)},
      {{"search1", "😀😀+JU"}, printed(kMidpointSumFactorMessage)},
      {{"search1", "KN\tJU"}, printed(kMidpointSumOperatorMessage)},
      {{"search1", "KN+J\n"}, printed(kMidpointSumFactorMessage)},
      {{"search1", "KN+JU\n"}, wrongLength("KN+JU\n", 6, 5)},
      {{"search1", paste}, wrongLength(paste, 10000, 5)},
      {{"search1", ""}, wrongLength("", 0, 5)},
      {{"pictures", "ЖЖt+JUp", "r", "/", "r"}, printed(kFreeAxisFactorMessage)},
      {{"pictures", "KN😀+JUp", "r", "/", "r"}, printed(kFreeAxisVariantMessage)},
      {{"pictures", "KNt\tJUp", "r", "/", "r"}, printed(kFreeAxisOperatorMessage)},
      {{"pictures", "KNt\nJUp", "r", "/", "r"}, printed(kFreeAxisOperatorMessage)},
      {{"pictures", paste, "r", "/", "r"}, wrongLength(paste, 10000, 7)},
      {{"quadro", "ЖЖ+JU=MO/SA"}, printed(kQuadroFactorMessage)},
      {{"quadro", "KN+JU=MO/S😀"}, printed(kQuadroFactorMessage)},
      {{"quadro", "KN+JU\tMO/SA"}, printed(kQuadroEqualsMessage)},
      {{"quadro", "KN\nJU=MO/SA"}, printed(kQuadroOperatorMessage)},
      {{"quadro", paste}, wrongLength(paste, 10000, 11)},
      {{"angle", "Ж:00"}, printed(kInvalidSearchAngleMessage)},
      {{"angle", "5:😀"}, printed(kInvalidSearchAngleMessage)},
      {{"angle", "\t:\n"}, printed(kInvalidSearchAngleMessage)},
      {{"angle", "5:" + paste}, printed(kInvalidSearchAngleMessage)},
      {{"angle", "5:07", "ЖЖ"}, printed(kAngleFactorMessage)},
      {{"angle", "5:07", "😀\t"}, printed(kAngleFactorMessage)},
      {{"angle", "5:07", "K\n"}, printed(kAngleFactorMessage)},
      {{"angle", "5:07", paste}, wrongLength(paste, 10000, 2)},
      {{"angle-pictures", "😀:07", "r", "/", "r"}, printed(kInvalidSearchAngleMessage)},
      {{"angle-pictures", "5:" + paste, "r", "/", "r"}, printed(kInvalidSearchAngleMessage)},
      {{"triple", "ЖЖ+JU=KN+"}, triplePasteMessage},
      {{"triple", "VE+JU\tKN+"}, printed(kTripleOperatorMessage)},
      {{"triple", "VE+JU=KN😀"}, printed(kTripleOperatorMessage)},
      {{"triple", "\t\t\t\t\n\n\n\n\n"},
       printed(std::string(kTripleNamesMessageStart) + "\t\t\t\t\n\n\n\n\n" +
               std::string(kTripleNamesMessageEnd)) +
           printed(kTripleOperatorMessage)},
      {{"triple", paste}, wrongLength(paste, 10000, 9)},
      {{"magic", "ЖЖt"}, printed(kInvalidMagicFactorMessage)},
      {{"magic", "KN😀"}, printed(kInvalidMagicVariantMessage)},
      {{"magic", "KN\t"}, printed(kInvalidMagicVariantMessage)},
      {{"magic", "\n\n\n"}, printed(kInvalidMagicFactorMessage)},
  };
  const std::string sample = testing::samplePath("mueller-juergen.dat");
  for (const auto& c : cases) {
    const ProcessOutput run = runOn(sample, c.words);
    const std::string name = utf8Left(named(c.words), 40);
    EXPECT_EQ(run.status, 2) << name;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_EQ(run.err, c.err) << name;
  }
}

// The magic square reads only entries of 3 characters; any other paste
// leaves its view with the two opening lines.
TEST(CliBadInput, TheMagicSquareShowsItsOpeningLinesForAnyOtherLength) {
  const std::string sample = testing::samplePath("mueller-juergen.dat");
  for (const std::string& entry :
       {std::string(10000, 'K'), std::string("😀"), std::string("\t\n")}) {
    const ProcessOutput run = runOn(sample, {"magic", entry});
    EXPECT_EQ(run.status, 0) << utf8Left(entry, 20);
    EXPECT_EQ(run.out, " \nDas magische Quadrat\n") << utf8Left(entry, 20);
    EXPECT_EQ(run.err, "") << utf8Left(entry, 20);
  }
}

// The same pastes as orb, and as panel choices, which are usage errors.
TEST(CliBadInput, StrangeOrbsAndPanelChoicesAreRefused) {
  const std::string sample = testing::samplePath("mueller-juergen.dat");
  const std::vector<std::string> orbs = {"Ж:00",
                                         "1:😀",
                                         "😀:12",
                                         "\t:12",
                                         "1:\n",
                                         "1:" + std::string(10000, '0'),
                                         std::string(10000, ':'),
                                         ""};
  for (const std::string& orb : orbs) {
    for (const Words& command : kCommands) {
      Words words = {"--orb", orb, sample};
      words.insert(words.end(), command.begin(), command.end());
      const ProcessOutput run = runCli(words);
      EXPECT_EQ(run.status, 2) << utf8Left(orb, 20) << ": " << named(command);
      EXPECT_EQ(run.out, "") << utf8Left(orb, 20);
      EXPECT_EQ(run.err, printed(kInvalidOrbMessage)) << utf8Left(orb, 20);
    }
  }
  for (const Words& words : std::vector<Words>{{"pictures", "KNt+JUp", "Ж", "/", "r"},
                                               {"pictures", "KNt+JUp", "r", "😀", "r"},
                                               {"angle-pictures", "5:07", "r", "/", "\n"},
                                               {"angle-pictures", "\t", "r", "/", "r"},
                                               {"angle", std::string(10000, '5')}}) {
    const ProcessOutput run = runOn(sample, words);
    EXPECT_EQ(run.status, 1) << named(words);
    EXPECT_EQ(run.out, "") << named(words);
    EXPECT_NE(run.err, "") << named(words);
  }
}

const std::string kFileName = "Müller,Jürgen München_05_03_2007_14_30_00.txt";

// stdout redirected into a full disk: the lines are lost, and kelvaro-cli
// says so and exits with 2; a --save still saves them.
TEST(CliBadInput, LinesThatCannotBeWrittenAreReported) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const std::string sample = testing::samplePath("mueller-juergen.dat");
  const std::string lost =
      "kelvaro-cli: Die Zeilen ließen sich nicht schreiben: Kein Platz mehr auf dem Datenträger\n";
  for (const Words& command : kCommands) {
    Words words = {testing::cliPath(), sample};
    words.insert(words.end(), command.begin(), command.end());
    const ProcessOutput run = testing::runProcess(words, "/dev/full");
    EXPECT_EQ(run.status, 2) << named(command);
    EXPECT_EQ(run.err, successErr(command) + lost) << named(command);
  }
  TempDir dir;
  const ProcessOutput saved = testing::runProcess(
      {testing::cliPath(), "--save", dir.path().string(), sample, "search1", "KN+JU"}, "/dev/full");
  EXPECT_EQ(saved.status, 2);
  EXPECT_EQ(saved.err, lost + kFileName + "\n");
  EXPECT_TRUE(fs::exists(dir.path() / fs::path(std::u8string(kFileName.begin(), kFileName.end()))));
}

// --save into a full or read-only disk: the lines still reach stdout, the
// failure is reported, exit status 2, and nothing is left in the folder.
TEST(CliBadInput, ASaveIntoAFullOrReadOnlyDiskIsReported) {
  const std::string sample = testing::samplePath("mueller-juergen.dat");
  const ProcessOutput plain = runCli({sample, "search1", "KN+JU"});
  ASSERT_EQ(plain.status, 0);
  const struct {
    std::string name;
    std::function<std::string(const fs::path&)> prepare;
    std::string reason;
  } cases[] = {
      {"voll", testing::fillUp, "Kein Platz mehr auf dem Datenträger"},
      {"schreibgeschützt", testing::remountReadOnly, "Schreibgeschütztes Dateisystem"},
  };
  for (const auto& c : cases) {
    const auto outcome = testing::inPrivateTmpfs(64, [&](const fs::path& folder) -> std::string {
      if (std::string error = c.prepare(folder); !error.empty()) return error;
      const ProcessOutput run = runCli({"--save", folder.string(), sample, "search1", "KN+JU"});
      if (run.status != 2) return "exit status " + std::to_string(run.status);
      if (run.out != plain.out) return "stdout: " + run.out;
      const std::string expected = "Die Datei " + folder.string() + "/" + kFileName +
                                   " lässt sich nicht speichern: " + c.reason + "\n";
      if (run.err != expected) return "stderr: " + run.err;
      for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename() != "voll") return "left behind: " + entry.path().string();
      }
      return {};
    });
    if (!outcome.available) GTEST_SKIP() << "no tmpfs: " << outcome.reason;
    EXPECT_EQ(outcome.failure, "") << c.name;
  }
}

TEST(CliBadInput, ASaveIntoAReadOnlyFolderIsReported) {
  TempDir dir;
  fs::permissions(dir.path(),
                  fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  const fs::path folder = dir.path() / "nur-lesen";
  fs::create_directory(folder);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const std::string sample = testing::samplePath("mueller-juergen.dat");
  const auto outcome = testing::asOrdinaryUser([&]() -> std::string {
    const ProcessOutput run = runCli({"--save", folder.string(), sample, "header"});
    if (run.status != 2 || testing::linesOf(run.out).size() != 1) return "status or stdout";
    const std::string expected = "Die Datei " + folder.string() + "/" + kFileName +
                                 " lässt sich nicht speichern: Keine Berechtigung\n";
    return run.err == expected ? std::string() : "stderr: " + run.err;
  });
  if (!outcome.available) GTEST_SKIP() << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
  EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace kelvaro
