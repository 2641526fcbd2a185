#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "support/cli_runner.h"
#include "support/file_bytes.h"
#include "support/sandbox.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

using Options = std::map<std::string, std::string>;

Options cologneOptions() {
  return {{"name", "Müller"},
          {"first-name", "Anna"},
          {"birth", "05.03.1970 14:30"},
          {"birth-zone", "Europe/Berlin"},
          {"birth-lat", "50°56' N"},
          {"birth-lon", "6°57' O"},
          {"transit", "08.12.2026 12:00"},
          {"transit-zone", "+01:00"},
          {"place", "Köln"},
          {"transit-lat", "50.9333"},
          {"transit-lon", "6.95"}};
}

// SE_EPHE_PATH set to a folder for the runs while it lives.
class EphemerisFolder {
 public:
  explicit EphemerisFolder(const std::filesystem::path& folder) {
    ::setenv("SE_EPHE_PATH", folder.c_str(), 1);
  }
  ~EphemerisFolder() { ::unsetenv("SE_EPHE_PATH"); }
  EphemerisFolder(const EphemerisFolder&) = delete;
  EphemerisFolder& operator=(const EphemerisFolder&) = delete;
};

ProcessOutput makeTransit(const Options& options, const std::string& target) {
  std::vector<std::string> command = {makeTransitPath()};
  for (const auto& [key, value] : options) command.push_back("--" + key + "=" + value);
  command.push_back(target);
  return runProcess(command);
}

TEST(MakeTransitFromBirthData, WritesAFileThatLoads) {
  TempDir dir;
  const auto target = dir.path() / "Müller-Anna-08122026.dat";
  // Values may also follow their option as the next argument.
  std::vector<std::string> command = {makeTransitPath()};
  for (const auto& [key, value] : cologneOptions()) {
    command.push_back("--" + key);
    command.push_back(value);
  }
  command.push_back(target.string());
  const ProcessOutput run = runProcess(command);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto loaded = loadTransitFile(target.string());
  ASSERT_TRUE(std::holds_alternative<TransitRecord>(loaded));
  const TransitRecord& record = std::get<TransitRecord>(loaded);
  EXPECT_EQ(record.texts, (std::array<std::string, 7>{"Müller", "Anna", "Köln", "08.12.2026",
                                                      "12:00:00", "50°56' N", "06°57' O"}));
  // 8 December: the Sun in the middle of Sagittarius.
  EXPECT_NEAR(record.position(Variant::t, 3), 256.4, 0.2);
}

TEST(MakeTransitFromBirthData, EveryRefusalExitsWithTwoAndWritesNothing) {
  const std::pair<std::string, std::string> refused[] = {
      {"name", ""},
      {"first-name", "Łucja"},
      {"birth", "31.02.1970 14:30"},
      {"birth", "05.03.1970"},
      {"birth-zone", "Mars/Olymp"},
      {"birth-lat", "95"},
      {"birth-lon", "6°57' N"},
      {"transit", "29.03.2026 02:30"},  // skipped in Europe/Berlin (set below)
      {"transit-zone", "+25:00"},
      {"transit-lat", "50°56'"},
      {"transit-lon", "x"},
      {"transit", "01.01.1960 12:00"},
  };
  TempDir dir;
  const auto target = dir.path() / "out.dat";
  for (const auto& [key, value] : refused) {
    Options options = cologneOptions();
    options[key] = value;
    if (value == "29.03.2026 02:30") options["transit-zone"] = "Europe/Berlin";
    const ProcessOutput run = makeTransit(options, target.string());
    EXPECT_EQ(run.status, 2) << key << "=" << value;
    EXPECT_NE(run.err, "") << key;
    EXPECT_FALSE(std::filesystem::exists(target)) << key;
  }
  // An unwritable target keeps nothing either.
  const ProcessOutput run =
      makeTransit(cologneOptions(), (dir.path() / "nix" / "out.dat").string());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            0);
}

TEST(MakeTransitFromBirthData, WrongUsageExitsWithOne) {
  TempDir dir;
  const std::string target = (dir.path() / "out.dat").string();
  Options unknown = cologneOptions();
  unknown["colour"] = "blue";
  Options missing = cologneOptions();
  missing.erase("place");
  const ProcessOutput colour = makeTransit(unknown, target);
  EXPECT_EQ(colour.status, 1);
  EXPECT_TRUE(colour.err.starts_with("Unbekannte Angabe \"--colour\".\n")) << colour.err;
  EXPECT_EQ(makeTransit(missing, target).status, 1);
  EXPECT_EQ(makeTransit(cologneOptions(), "").status, 1);
  EXPECT_EQ(runProcess({makeTransitPath(), "--name", target}).status, 1);  // the name, no target
  std::vector<std::string> command = {makeTransitPath(), "--name=A", "--name", "B"};
  for (const auto& [key, value] : cologneOptions()) command.push_back("--" + key + "=" + value);
  command.push_back(target);
  const ProcessOutput twice = runProcess(command);
  EXPECT_EQ(twice.status, 1);
  EXPECT_TRUE(twice.err.starts_with("Die Angabe --name steht doppelt da.\n")) << twice.err;
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(MakeTransitFromBirthData, PlaceLookupFillsTheTransitPlace) {
  Options options = cologneOptions();
  for (const char* key : {"place", "transit-lat", "transit-lon", "transit-zone"})
    options.erase(key);
  options["place-lookup"] = "Cologne";
  TempDir dir;
  const auto target = dir.path() / "out.dat";
  const ProcessOutput run = makeTransit(options, target.string());
  if (run.status == 2 && run.err.find("keinen Ortsatlas") != std::string::npos) {
    GTEST_SKIP() << "built without the place atlas";
  }
  ASSERT_EQ(run.status, 0) << run.err;
  const TransitRecord record = std::get<TransitRecord>(loadTransitFile(target.string()));
  EXPECT_EQ(record.place(), "Köln");
  EXPECT_EQ(record.coordinate1(), "50°56' N");
  EXPECT_EQ(record.coordinate2(), "06°57' O");
  EXPECT_EQ(run.err,
            "Ort aus dem Ortsatlas: Köln, Deutschland, 50°56' N, 06°57' O, Europe/Berlin\n");
  options["place-lookup"] = "Nirgendheim am Nichts";
  EXPECT_EQ(makeTransit(options, (dir.path() / "other.dat").string()).status, 2);
}

// A place is taken only by its whole name, and only when it is the one
// meant: the beginning of a name or one of several places of a size is
// refused with the candidates, which --country can decide between.
TEST(MakeTransitFromBirthData, PlaceLookupNeverGuesses) {
  Options options = cologneOptions();
  for (const char* key : {"place", "transit-lat", "transit-lon", "transit-zone"})
    options.erase(key);
  TempDir dir;
  const auto target = dir.path() / "out.dat";
  const auto lookUp = [&](const std::string& place, const std::string& country = {}) {
    Options asked = options;
    asked["place-lookup"] = place;
    if (!country.empty()) asked["country"] = country;
    return makeTransit(asked, target.string());
  };
  if (lookUp("Köln").err.find("keinen Ortsatlas") != std::string::npos) {
    GTEST_SKIP() << "built without the place atlas";
  }
  std::filesystem::remove(target);
  for (const char* start : {"Xqzvk", "Gengenba"}) {
    const ProcessOutput run = lookUp(start);
    EXPECT_EQ(run.status, 2) << start;
    EXPECT_EQ(run.err, "Der Ort \"" + std::string(start) + "\" steht nicht im Ortsatlas.\n");
  }
  // "a" is a word of many names ("A Coruña", "San Giorgio a Cremano"): no guess.
  const ProcessOutput a = lookUp("a");
  EXPECT_EQ(a.status, 2);
  EXPECT_TRUE(a.err.starts_with("Den Ort \"a\" gibt es im Ortsatlas ")) << a.err;
  EXPECT_FALSE(std::filesystem::exists(target));

  const ProcessOutput several = lookUp("Springfield");
  EXPECT_EQ(several.status, 2);
  EXPECT_TRUE(several.err.starts_with("Den Ort \"Springfield\" gibt es im Ortsatlas "))
      << several.err;
  const auto listed = linesOf(several.err);
  EXPECT_GE(listed.size(), 4u) << several.err;
  EXPECT_LE(listed.size(), 12u) << several.err;  // at most ten places, then "…"
  for (std::size_t i = 1; i < listed.size(); ++i) {
    EXPECT_TRUE(listed[i].find("Springfield") != std::string::npos || listed[i] == "  …")
        << listed[i];
  }
  EXPECT_NE(several.err.find("Vereinigte Staaten (US), "), std::string::npos);
  EXPECT_NE(several.err.find(" Einwohner\n"), std::string::npos);
  EXPECT_EQ(lookUp("Springfield", "US").status, 2);
  EXPECT_FALSE(std::filesystem::exists(target));

  // One of several places of the name, far larger than the others.
  const ProcessOutput berlin = lookUp("Berlin");
  ASSERT_EQ(berlin.status, 0) << berlin.err;
  EXPECT_TRUE(berlin.err.starts_with("Ort aus dem Ortsatlas: Berlin, ")) << berlin.err;
  EXPECT_NE(berlin.err.find("Deutschland, 52°31' N, 13°25' O, Europe/Berlin\n"), std::string::npos)
      << berlin.err;
  const ProcessOutput paris = lookUp("paris", "fr");
  ASSERT_EQ(paris.status, 0) << paris.err;
  EXPECT_EQ(std::get<TransitRecord>(loadTransitFile(target.string())).place(), "Paris");
  EXPECT_NE(paris.err.find("Frankreich"), std::string::npos) << paris.err;
  // --country belongs to --place-lookup.
  Options country = cologneOptions();
  country["country"] = "DE";
  EXPECT_EQ(makeTransit(country, target.string()).status, 1);
}

// An elements file of the fictitious bodies in a folder named by SE_EPHE_PATH
// changes nothing: neither one with another Kronos (as Debian's data package
// has it) nor a malformed one, which the library would refuse.
TEST(MakeTransitFromBirthData, TheEphemerisFolderOfTheEnvironmentChangesNothing) {
  TempDir dir;
  const auto expected = dir.path() / "ohne.dat";
  ASSERT_EQ(makeTransit(cologneOptions(), expected.string()).status, 0);
  const std::string otherKronos =
      "J1900, J1900, 163.7409, 40.99837, 0.00460, 171.4333, 129.8325, 1.0833, Cupido\n"
      "J1900, J1900,  27.6496, 50.66744, 0.00245, 148.1796, 161.3339, 1.0500, Hades\n"
      "J1900, J1900, 165.1232, 59.21436, 0.00120, 299.0440,   0.0000, 0.0000, Zeus\n"
      "J1900, J1900, 169.0193, 64.81690, 0.00305, 208.8801,   0.0000, 0.0000, Kronos\n";
  for (const std::string& elements : {otherKronos, std::string("J1900, J1900, x\n")}) {
    const TempDir folder;
    std::ofstream(folder.path() / "seorbel.txt") << elements;
    const EphemerisFolder environment(folder.path());
    const auto target = dir.path() / "mit.dat";
    const ProcessOutput run = makeTransit(cologneOptions(), target.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(fileBytes(target), fileBytes(expected)) << elements;
  }
}

// Under a file-size limit the text form fails like a full disk: the earlier
// file stays whole, no temporary file is left, and it says why in German.
TEST(MakeTransitFromText, AFileSizeLimitKeepsTheEarlierFileWhole) {
  TempDir dir;
  const auto target = dir.path() / "t2.dat";
  ASSERT_EQ(runProcess({makeTransitPath(), samplePath("weiss-anna.txt"), target.string()}).status,
            0);
  const std::string earlier = fileBytes(target);
  ASSERT_EQ(earlier.size(), kRecordSize);
  const ProcessOutput run =
      runProcess({"/bin/sh", "-c", "ulimit -f 2 && exec \"$0\" \"$1\" \"$2\"", makeTransitPath(),
                  samplePath("mueller-juergen.txt"), target.string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Die Datei " + target.string() + " lässt sich nicht speichern: Datei zu groß\n");
  EXPECT_EQ(fileBytes(target), earlier);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

// A named pipe, a symbolic link or a device in the place of the target is
// refused and stays what it is, as is a write-protected file.
TEST(MakeTransitFromBirthData, OnlyAPlainWritableFileIsReplaced) {
  TempDir dir;
  const auto pipe = dir.path() / "pipe.dat";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  const auto elsewhere = dir.path() / "elsewhere.dat";
  std::ofstream(elsewhere) << "frueher";
  const auto link = dir.path() / "link.dat";
  std::filesystem::create_symlink(elsewhere, link);
  const std::string notPlain =
      " lässt sich nicht speichern: An ihrer Stelle steht keine gewöhnliche Datei (sondern "
      "etwa eine Verknüpfung, eine Pipe oder ein Gerät)\n";
  for (const auto& target : {pipe, link}) {
    const ProcessOutput run = makeTransit(cologneOptions(), target.string());
    EXPECT_EQ(run.status, 2) << target;
    EXPECT_EQ(run.err, "Die Datei " + target.string() + notPlain);
  }
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(fileBytes(elsewhere), "frueher");

  const auto device = dir.path() / "null.dat";
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    EXPECT_EQ(makeTransit(cologneOptions(), device.string()).status, 2);
    EXPECT_TRUE(std::filesystem::is_character_file(device));
  }

  const auto protectedFile = dir.path() / "geschuetzt.dat";
  std::ofstream(protectedFile) << "frueher";
  std::filesystem::permissions(
      protectedFile, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const ProcessOutput run = makeTransit(cologneOptions(), protectedFile.string());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Die Datei " + protectedFile.string() +
                         " lässt sich nicht speichern: Die vorhandene Datei ist "
                         "schreibgeschützt\n");
  EXPECT_EQ(fileBytes(protectedFile), "frueher");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            std::filesystem::exists(device) ? 5 : 4);  // no temporary file
}

// A replaced file keeps its permission bits and, where the system allows,
// its owner.
TEST(MakeTransitFromBirthData, AReplacedFileKeepsPermissionsAndOwner) {
  TempDir dir;
  const auto target = dir.path() / "privat.dat";
  std::ofstream(target) << "frueher";
  std::filesystem::permissions(
      target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
  }
  ASSERT_EQ(makeTransit(cologneOptions(), target.string()).status, 0);
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
  EXPECT_EQ(status.st_size, static_cast<off_t>(kRecordSize));
  if (root) {
    EXPECT_EQ(status.st_uid, 65534u);
    EXPECT_EQ(status.st_gid, 65534u);
  }
}

// Why a transit file could not be written is said in German.
TEST(MakeTransitFromBirthData, FailedWritesSayWhyInGerman) {
  TempDir dir;
  const auto folder = dir.path() / "ordner.dat";
  std::filesystem::create_directory(folder);
  const auto longName = dir.path() / (std::string(300, 'x') + ".dat");
  const std::string head = " lässt sich nicht speichern: ";
  EXPECT_EQ(makeTransit(cologneOptions(), folder.string()).err,
            "Die Datei " + folder.string() + head + "Ist ein Ordner\n");
  EXPECT_EQ(makeTransit(cologneOptions(), longName.string()).err,
            "Die Datei " + longName.string() + head + "Name zu lang\n");
  const auto outcome = inPrivateTmpfs(16, [](const std::filesystem::path& disk) -> std::string {
    if (std::string error = fillUp(disk); !error.empty()) return error;
    const auto target = disk / "voll.dat";
    const ProcessOutput run = makeTransit(cologneOptions(), target.string());
    const std::string expected =
        "Die Datei " + target.string() +
        " lässt sich nicht speichern: Kein Platz mehr auf dem Datenträger\n";
    return run.err == expected ? "" : "message: " + run.err;
  });
  if (!outcome.available) GTEST_SKIP() << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}

// Texts that are no UTF-8 come back as replacement characters, never raw.
TEST(MakeTransitFromBirthData, ArgumentsThatAreNoUtf8AreShownWithReplacementCharacters) {
  TempDir dir;
  Options options = cologneOptions();
  options["transit-lat"] =
      "5\xFF"
      "0";
  const ProcessOutput run = makeTransit(options, (dir.path() / "out.dat").string());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Breite des Transitorts: \"5\xEF\xBF\xBD"
            "0\" ist keine Angabe in Grad. Bitte "
            "als 50.9333 oder 50°56' N angeben.\n");
  const ProcessOutput text =
      runProcess({makeTransitPath(), (dir.path() / "fehlt\xFE.txt").string(), "x.dat"});
  EXPECT_EQ(text.status, 2);
  EXPECT_EQ(text.err.find('\xFE'), std::string::npos) << text.err;
  EXPECT_NE(text.err.find("fehlt\xEF\xBF\xBD.txt: lässt sich nicht lesen"), std::string::npos);
}

}  // namespace
}  // namespace kelvaro::testing
