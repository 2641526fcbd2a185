#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/person.h"
#include "core/checked.h"

namespace kelvaro::archive {

class Database;

// How long a change waits for another program that is writing (the window
// and kelvaro-persons at once) before it gives up with a message.
inline constexpr std::chrono::milliseconds kBusyTimeout{5000};

// A failed change: its German message; nothing when it went through.
using Failure = std::optional<std::string>;

// Where a person stored by store() ended up.
struct Stored {
  PersonId id;
  bool added;  // false: the same person was already there (see store())
};

// What an import of many persons did.
struct StoredAll {
  int added = 0;
  int present = 0;  // already in the archive, or twice in the list
};

// The transit place the window of a new transit file used last: the texts of
// its place, latitude, longitude and zone fields.
struct TransitPlace {
  std::string place;
  std::string latitude;
  std::string longitude;
  std::string zone;
  friend bool operator==(const TransitPlace&, const TransitPlace&) = default;
};

// The persons archive: one SQLite database file. Every change is one
// transaction in a write-ahead log, flushed to the disk before it counts, so
// that a kill at any moment loses at most the change in flight. A file that
// is damaged, of another program or of a newer Kelvaro is refused and never
// written to. Every function reports failures as German messages.
class Archive {
 public:
  enum class Access {
    write,  // a missing file is made
    read,   // a missing file reads as an empty archive and is not made
  };

  // Opens (or makes) the archive in `file`: a missing one is made, one of an
  // older schema upgraded in one transaction.
  static Checked<Archive> open(const std::filesystem::path& file, Access access = Access::write,
                               std::chrono::milliseconds busyTimeout = kBusyTimeout);

  Archive(Archive&&) noexcept;
  Archive& operator=(Archive&&) noexcept;
  ~Archive();

  const std::filesystem::path& file() const { return file_; }

  // Every person, in the order of their numbers (sortByName() orders them).
  Checked<std::vector<Person>> persons() const;
  // The person with this number; nothing when there is none.
  Checked<std::optional<Person>> find(PersonId id) const;

  // Adds the person unless the archive already has the same one: the same
  // name, first name and place and the same birth moment (or, where a moment
  // is unknown, the same local date and time). Refuses a person that
  // personFault() finds fault with.
  Checked<Stored> store(const Person& person);
  // store() for a whole list in one transaction: all of them or, after a
  // failure, none. The list must hold faultless persons only.
  Checked<StoredAll> storeAll(const std::vector<Person>& persons);
  // The same for the persons `next` gives one after the other (nothing after
  // the last), so that a long list is never held in memory whole.
  Checked<StoredAll> storeEach(const std::function<std::optional<Person>()>& next);
  // Saves the fields of the person with person.id.
  Failure update(const Person& person);
  Failure remove(PersonId id);
  // Brings a removed person back, with its number and its times.
  Failure restore(const Person& person);

  Checked<std::optional<TransitPlace>> lastTransitPlace() const;
  Failure rememberTransitPlace(const TransitPlace& place);

 private:
  Archive(std::filesystem::path file, std::unique_ptr<Database> database);

  std::filesystem::path file_;
  std::unique_ptr<Database> database_;
};

// The number of a person as written ("12"); nothing for anything else.
std::optional<PersonId> personIdOf(std::string_view text);

// The person whose number `idText` names, from the archive `file` opened for
// reading: refused with a German message for a text that is no number, a
// number the archive lacks, or an archive that cannot be read.
Checked<Person> findPerson(std::string_view idText, const std::filesystem::path& file);

// The archive of the program folder: `programFolder`/personen.sqlite.
std::filesystem::path archiveFileIn(const std::filesystem::path& programFolder);

}  // namespace kelvaro::archive
