#include "archive/archive.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

#include "archive/archive_failure.h"
#include "archive/database.h"
#include "archive/file_kind.h"
#include "archive/person_search.h"
#include "archive/schema.h"
#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

constexpr const char* kColumns =
    "id, name, first_name, kind, birth_date, birth_time, zone, zone_abbreviation, birth_ut, "
    "place, country, latitude, longitude, source, via, notes, created, changed";

constexpr const char* kNow = "strftime('%Y-%m-%d %H:%M:%S', 'now')";

constexpr const char* kTransitPlaceKeys[] = {"last_transit_place", "last_transit_latitude",
                                             "last_transit_longitude", "last_transit_zone"};

std::string dateColumn(const chart::Date& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

chart::Date dateOfColumn(const std::string& text) {
  chart::Date date;
  std::sscanf(text.c_str(), "%d-%d-%d", &date.year, &date.month, &date.day);
  return date;
}

std::optional<BirthTime> timeOfColumn(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  BirthTime time;
  const int read = std::sscanf(text->c_str(), "%d:%d:%d", &time.hour, &time.minute, &time.second);
  time.withSeconds = read == 3;
  return time;
}

std::optional<std::string> timeColumn(const Person& person) {
  if (!person.birthTime) return std::nullopt;
  return birthTimeText(person);
}

std::optional<std::int64_t> momentColumn(const Person& person) {
  if (!person.birthMoment) return std::nullopt;
  return std::int64_t{person.birthMoment->time_since_epoch().count()};
}

Person personOfRow(const Statement& row) {
  Person person;
  person.id = row.integer(0);
  person.name = row.text(1);
  person.firstName = row.text(2);
  person.kind = row.text(3);
  person.birthDate = dateOfColumn(row.text(4));
  person.birthTime = timeOfColumn(row.optional<std::string>(5));
  person.zone = row.text(6);
  person.zoneAbbreviation = row.text(7);
  if (const auto moment = row.optional<std::int64_t>(8)) {
    person.birthMoment = std::chrono::sys_seconds{std::chrono::seconds{*moment}};
  }
  person.place = row.text(9);
  person.country = row.text(10);
  person.latitude = row.optional<double>(11);
  person.longitude = row.optional<double>(12);
  person.source = row.text(13);
  person.via = row.text(14);
  person.notes = row.text(15);
  person.created = row.text(16);
  person.changed = row.text(17);
  return person;
}

// Binds the fields from `name` to `notes` to the parameters 1 to 15.
void bindFields(Statement& statement, const Person& person) {
  statement.bind(1, person.name)
      .bind(2, person.firstName)
      .bind(3, person.kind)
      .bind(4, dateColumn(person.birthDate))
      .bind(5, timeColumn(person))
      .bind(6, person.zone)
      .bind(7, person.zoneAbbreviation)
      .bind(8, momentColumn(person))
      .bind(9, person.place)
      .bind(10, person.country)
      .bind(11, person.latitude)
      .bind(12, person.longitude)
      .bind(13, person.source)
      .bind(14, person.via)
      .bind(15, person.notes);
}

// Finds the same person (see Archive::store) and adds the person otherwise.
class PersonWriter {
 public:
  explicit PersonWriter(Database& database)
      : same_(database.prepare(
            "SELECT id FROM persons WHERE name = ?1 AND first_name = ?2 AND place = ?3 AND "
            "CASE WHEN ?4 IS NOT NULL AND birth_ut IS NOT NULL THEN birth_ut = ?4 "
            "ELSE birth_date = ?5 AND birth_time IS ?6 END LIMIT 1")),
        insert_(database.prepare(
            std::string("INSERT INTO persons (name, first_name, kind, birth_date, birth_time, "
                        "zone, zone_abbreviation, birth_ut, place, country, latitude, longitude, "
                        "source, via, notes, created, changed) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                        "?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ") +
            kNow + ", " + kNow + ")")),
        database_(database) {}

  Stored store(const Person& person) {
    same_.bind(1, person.name)
        .bind(2, person.firstName)
        .bind(3, person.place)
        .bind(4, momentColumn(person))
        .bind(5, dateColumn(person.birthDate))
        .bind(6, timeColumn(person));
    const bool found = same_.step();
    const PersonId present = found ? same_.integer(0) : 0;
    same_.reset();
    if (found) return {present, false};
    bindFields(insert_, person);
    insert_.step();
    insert_.reset();
    return {database_.lastInsertId(), true};
  }

 private:
  Statement same_;
  Statement insert_;
  Database& database_;
};

// Runs `work` and turns a failure of the library into its message.
template <typename Work>
auto guarded(const std::filesystem::path& file, Work work) -> Checked<decltype(work())> {
  try {
    return work();
  } catch (const DatabaseFailure& failure) {
    return Rejection{failureMessage(failure, file)};
  }
}

template <typename Work>
Failure guardedChange(const std::filesystem::path& file, Work work) {
  try {
    work();
    return std::nullopt;
  } catch (const DatabaseFailure& failure) {
    return failureMessage(failure, file);
  }
}

std::string shown(const std::filesystem::path& file) { return utf8FromPath(file); }

// Reads the file without writing a byte (a read-only connection), and
// refuses it unless it is an archive of ours, whole and not newer.
std::optional<std::string> checkExisting(const std::filesystem::path& file,
                                         std::chrono::milliseconds busyTimeout) {
  try {
    Database probe(file, SQLITE_OPEN_READONLY, busyTimeout);
    const Recognition found = recognise(probe);
    switch (found.kind) {
      case DatabaseKind::foreign:
        return "Die Datei " + shown(file) +
               " ist die Datenbank eines anderen Programms, kein Personenarchiv von Kelvaro. Sie "
               "bleibt, wie sie ist.";
      case DatabaseKind::newer:
        return "Das Personenarchiv " + shown(file) +
               " stammt von einer neueren Kelvaro-Version (Schema " +
               std::to_string(found.version) + "). Es bleibt, wie es ist.";
      case DatabaseKind::damaged:
        return damagedMessage(file);
      case DatabaseKind::empty:
        return std::nullopt;
      case DatabaseKind::archive:
        break;
    }
    Statement check = probe.prepare("PRAGMA quick_check");
    if (!check.step() || check.text(0) != "ok") return damagedMessage(file);
    return std::nullopt;
  } catch (const DatabaseFailure& failure) {
    const int code = failure.code & 0xFF;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_CANTOPEN ||
        code == SQLITE_PERM) {
      return failureMessage(failure, file);
    }
    return damagedMessage(file);
  }
}

// An empty archive in memory, for reading a file that does not exist yet.
std::unique_ptr<Database> emptyArchive() {
  auto database = std::make_unique<Database>(":memory:", SQLITE_OPEN_READWRITE, kBusyTimeout);
  upgrade(*database);
  return database;
}

}  // namespace

Archive::Archive(std::filesystem::path file, std::unique_ptr<Database> database)
    : file_(std::move(file)), database_(std::move(database)) {}
Archive::Archive(Archive&&) noexcept = default;
Archive& Archive::operator=(Archive&&) noexcept = default;
Archive::~Archive() = default;

Checked<Archive> Archive::open(const std::filesystem::path& file, Access access,
                               std::chrono::milliseconds busyTimeout) {
  if (auto fault = archiveFileFault(file)) return Rejection{*fault};
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  const bool exists = std::filesystem::exists(status);
  if (exists && std::filesystem::file_size(file, error) > 0) {
    if (auto refused = checkExisting(file, busyTimeout)) return Rejection{*refused};
  }
  if (!exists && access == Access::read) {
    return guarded(file, [&] { return Archive(file, emptyArchive()); });
  }
  return guarded(file, [&] {
    // Reading opens for writing too (the library falls back to reading where
    // the file is write-protected): the last connection to close folds the
    // write-ahead log back into the file and removes it. Nothing else is written.
    const int flags =
        access == Access::read ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    auto database = std::make_unique<Database>(file, flags, busyTimeout);
    const Recognition found = recognise(*database);
    if (access == Access::read) {
      if (found.kind == DatabaseKind::empty) database = emptyArchive();
      return Archive(file, std::move(database));
    }
    database->execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL");
    if (found.kind == DatabaseKind::empty || found.version < kSchemaVersion) upgrade(*database);
    return Archive(file, std::move(database));
  });
}

Checked<std::vector<Person>> Archive::persons() const {
  return guarded(file_, [&] {
    std::vector<Person> all;
    Statement rows = database_->prepare(std::string("SELECT ") + kColumns + " FROM persons");
    while (rows.step()) all.push_back(personOfRow(rows));
    return all;
  });
}

Checked<std::optional<Person>> Archive::find(PersonId id) const {
  return guarded(file_, [&]() -> std::optional<Person> {
    Statement row =
        database_->prepare(std::string("SELECT ") + kColumns + " FROM persons WHERE id = ?1");
    row.bind(1, std::int64_t{id});
    if (!row.step()) return std::nullopt;
    return personOfRow(row);
  });
}

Checked<Stored> Archive::store(const Person& person) {
  if (auto fault = personFault(person)) return Rejection{*fault};
  return guarded(file_, [&] {
    WriteTransaction transaction(*database_);
    const Stored stored = PersonWriter(*database_).store(person);
    transaction.commit();
    return stored;
  });
}

Checked<StoredAll> Archive::storeAll(const std::vector<Person>& persons) {
  auto next = persons.begin();
  return storeEach([&]() -> std::optional<Person> {
    if (next == persons.end()) return std::nullopt;
    return *next++;
  });
}

Checked<StoredAll> Archive::storeEach(const std::function<std::optional<Person>()>& next) {
  return guarded(file_, [&] {
    StoredAll counts;
    WriteTransaction transaction(*database_);
    PersonWriter writer(*database_);
    while (const std::optional<Person> person = next()) {
      if (writer.store(*person).added) {
        ++counts.added;
      } else {
        ++counts.present;
      }
    }
    transaction.commit();
    return counts;
  });
}

Failure Archive::update(const Person& person) {
  if (auto fault = personFault(person)) return fault;
  return guardedChange(file_, [&] {
    WriteTransaction transaction(*database_);
    Statement change = database_->prepare(
        std::string("UPDATE persons SET name = ?1, first_name = ?2, kind = ?3, birth_date = ?4, "
                    "birth_time = ?5, zone = ?6, zone_abbreviation = ?7, birth_ut = ?8, "
                    "place = ?9, country = ?10, latitude = ?11, longitude = ?12, "
                    "source = ?13, via = ?14, notes = ?15, changed = ") +
        kNow + " WHERE id = ?16");
    bindFields(change, person);
    change.bind(16, std::int64_t{person.id});
    change.step();
    transaction.commit();
  });
}

Failure Archive::remove(PersonId id) {
  return guardedChange(file_, [&] {
    WriteTransaction transaction(*database_);
    database_->prepare("DELETE FROM persons WHERE id = ?1").bind(1, std::int64_t{id}).step();
    transaction.commit();
  });
}

Failure Archive::restore(const Person& person) {
  return guardedChange(file_, [&] {
    WriteTransaction transaction(*database_);
    Statement insert = database_->prepare(
        std::string("INSERT INTO persons (") + kColumns +
        ") VALUES (?16, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, "
        "?17, ?18)");
    bindFields(insert, person);
    insert.bind(16, std::int64_t{person.id}).bind(17, person.created).bind(18, person.changed);
    insert.step();
    transaction.commit();
  });
}

Checked<std::optional<TransitPlace>> Archive::lastTransitPlace() const {
  return guarded(file_, [&]() -> std::optional<TransitPlace> {
    Statement read = database_->prepare("SELECT value FROM settings WHERE key = ?1");
    std::string values[std::size(kTransitPlaceKeys)];
    for (std::size_t i = 0; i < std::size(kTransitPlaceKeys); ++i) {
      read.bind(1, std::string_view(kTransitPlaceKeys[i]));
      if (!read.step()) return std::nullopt;
      values[i] = read.text(0);
      read.reset();
    }
    return TransitPlace{values[0], values[1], values[2], values[3]};
  });
}

Failure Archive::rememberTransitPlace(const TransitPlace& place) {
  return guardedChange(file_, [&] {
    WriteTransaction transaction(*database_);
    Statement write =
        database_->prepare("INSERT OR REPLACE INTO settings (key, value) VALUES (?1, ?2)");
    const std::string* values[] = {&place.place, &place.latitude, &place.longitude, &place.zone};
    for (std::size_t i = 0; i < std::size(kTransitPlaceKeys); ++i) {
      write.bind(1, std::string_view(kTransitPlaceKeys[i])).bind(2, *values[i]);
      write.step();
      write.reset();
    }
    transaction.commit();
  });
}

std::optional<PersonId> personIdOf(std::string_view text) {
  PersonId id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size() || id <= 0) return std::nullopt;
  return id;
}

Checked<Person> findPerson(std::string_view idText, const std::filesystem::path& file) {
  const auto id = personIdOf(idText);
  if (!id) return Rejection{"\"" + std::string(idText) + "\" ist keine Nummer einer Person."};
  auto opened = Archive::open(file, Archive::Access::read);
  if (const Rejection* refused = rejection(opened)) return *refused;
  auto found = std::get<Archive>(opened).find(*id);
  if (const Rejection* refused = rejection(found)) return *refused;
  auto& person = std::get<std::optional<Person>>(found);
  if (!person) {
    return Rejection{"Im Personenarchiv " + shown(file) + " gibt es keine Person mit der Nummer " +
                     std::to_string(*id) + "."};
  }
  return std::move(*person);
}

std::filesystem::path archiveFileIn(const std::filesystem::path& programFolder) {
  return programFolder / "personen.sqlite";
}

}  // namespace kelvaro::archive
