// The persons archive's open path: any bytes as the archive file (or a real
// archive with any bytes written over it, or with any -wal or -journal
// beside it), opened for reading or for writing; an opened one is read and
// written.
//
// Input: the last bytes choose the form and the access; the rest is the
// file, or the changes ((offset, byte) pairs) to a real archive, and the
// bytes of the -wal or -journal.
//
// Besides crashes: every refusal is a German message (never the library's
// own words), a refused file keeps every byte and gets nothing beside it
// (SQLite may remove an empty -wal that was there, and keeps the -shm it made
// to read a -wal with content), and
// reading an archive that had nothing beside it changes no byte of it and
// leaves nothing behind.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "archive/archive.h"
#include "archive/person_birth.h"
#include "core/text_encoding.h"
#include "fuzz_support.h"

namespace {

using namespace kelvaro;
using archive::Archive;
using fuzz::require;

enum class Form : std::uint8_t { bytes, changedArchive, withLog, withJournal, count };

std::string bytesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::set<std::string> namesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// A folder of this process, in memory where the system has one (the
// archive flushes every change to the disk).
const std::filesystem::path& workFolder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path shm = "/dev/shm";
    std::error_code error;
    const auto base =
        std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
    return base / ("kelvaro-fuzz-archive-" + std::to_string(::getpid()));
  }();
  static const bool removedAtExit = std::atexit([] {
                                      std::error_code ignored;
                                      std::filesystem::remove_all(workFolder(), ignored);
                                    }) == 0;
  (void)removedAtExit;
  return folder;
}

archive::Person somebody(const std::string& name) {
  archive::Person person;
  person.name = name;
  person.firstName = "Anna";
  person.kind = "w";
  person.birthDate = {1970, 3, 5};
  person.birthTime = archive::BirthTime{14, 30, 0, false};
  person.zone = "Europe/Berlin";
  person.place = "Köln";
  person.latitude = 50.9333;
  person.longitude = 6.95;
  person.birthMoment = archive::momentOfBirth(person);
  return person;
}

// A real archive of two persons and a remembered place, as its file holds it.
const std::string& realArchive() {
  static const std::string bytes = [] {
    const auto folder = workFolder() / "vorlage";
    std::filesystem::create_directories(folder);
    const auto file = folder / "personen.sqlite";
    {
      auto opened = Archive::open(file);
      auto& archive = std::get<Archive>(opened);
      archive.storeAll({somebody("Müller"), somebody("Weiß")});
      archive.rememberTransitPlace({"Köln", "50°56' N", "06°57' O", "Europe/Berlin"});
    }
    std::string made = bytesOf(file);
    std::filesystem::remove_all(folder);
    return made;
  }();
  return bytes;
}

// A refusal must say in German what is wrong: not the library's own words.
void requireGerman(const std::string& message) {
  if (message.find("SQLite-Fehler") != std::string::npos)
    std::fprintf(stderr, "%s\n", message.c_str());
  require(fuzz::isWellFormedUtf8(message), "a message is not UTF-8");
  require(message.find("SQLite-Fehler") == std::string::npos,
          "a message in the library's own words");
}

template <typename T>
bool accepted(const Checked<T>& checked) {
  if (const Rejection* refused = rejection(checked)) {
    requireGerman(refused->message);
    return false;
  }
  return true;
}

void use(Archive& archive, Archive::Access access) {
  if (!accepted(archive.persons())) return;
  if (access == Archive::Access::read) return;
  const auto stored = archive.store(somebody("Zorn"));
  if (!accepted(stored)) return;
  if (const auto failure = archive.remove(std::get<archive::Stored>(stored).id)) {
    requireGerman(*failure);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const auto form = static_cast<Form>(
      data.ConsumeIntegralInRange<std::uint8_t>(0, static_cast<std::uint8_t>(Form::count) - 1));
  const auto access = data.ConsumeBool() ? Archive::Access::write : Archive::Access::read;

  std::string file = form == Form::bytes ? std::string() : realArchive();
  std::string beside;
  if (form == Form::bytes) {
    file = data.ConsumeRemainingBytesAsString();
  } else {
    const std::size_t changes = data.ConsumeIntegralInRange<std::size_t>(0, 16);
    for (std::size_t i = 0; i < changes && data.remaining_bytes() > 0; ++i) {
      const auto at = data.ConsumeIntegralInRange<std::size_t>(0, file.size() - 1);
      file[at] = static_cast<char>(data.ConsumeIntegral<std::uint8_t>());
    }
    beside = data.ConsumeRemainingBytesAsString();
  }

  const auto folder = workFolder() / "lauf";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto archiveFile = folder / "personen.sqlite";
  write(archiveFile, file);
  if (form == Form::withLog) write(folder / "personen.sqlite-wal", beside);
  if (form == Form::withJournal) write(folder / "personen.sqlite-journal", beside);
  const std::set<std::string> before = namesIn(folder);

  auto opened = Archive::open(archiveFile, access, std::chrono::milliseconds(0));
  if (!accepted(opened)) {
    require(bytesOf(archiveFile) == file, "a refused file changed");
    // Beside a log with content (another program's, not yet folded into its
    // file) SQLite keeps the index it made to read it.
    const std::set<std::string> after = namesIn(folder);
    require(
        !beside.empty() || std::includes(before.begin(), before.end(), after.begin(), after.end()),
        "a refused file got files beside it");
    return 0;
  }
  use(std::get<Archive>(opened), access);
  opened = Rejection{};  // closed
  if (access == Archive::Access::read && before.size() == 1) {
    require(bytesOf(archiveFile) == file, "reading changed the archive");
    require(namesIn(folder) == before, "reading left files beside the archive");
  }
  return 0;
}
