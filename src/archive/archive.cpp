#include "archive/archive.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

#include "archive/archive_backup.h"
#include "archive/archive_failure.h"
#include "archive/archive_opening.h"
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

bool wholeDatabase(Database& database) {
  Statement check = database.prepare("PRAGMA integrity_check");
  return check.step() && check.text(0) == "ok";
}

// An empty archive in memory, for reading a file that does not exist yet.
std::unique_ptr<Database> emptyArchive() {
  auto database = std::make_unique<Database>(":memory:", SQLITE_OPEN_READWRITE, kBusyTimeout);
  upgrade(*database);
  return database;
}

}  // namespace

Archive::Archive(std::filesystem::path file, std::unique_ptr<Database> database, bool onDisk)
    : file_(std::move(file)), database_(std::move(database)) {
  if (onDisk) held_.emplace(file_);
}
Archive::Archive(Archive&&) noexcept = default;
Archive& Archive::operator=(Archive&&) noexcept = default;
Archive::~Archive() = default;

Checked<Archive> Archive::open(const std::filesystem::path& file, Access access,
                               std::chrono::milliseconds busyTimeout) {
  if (auto fault = archiveFileFault(file)) return Rejection{*fault};
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  const bool exists = std::filesystem::exists(status);
  if (!exists && access == Access::read) {
    return guarded(file, [&] { return Archive(file, emptyArchive(), false); });
  }
  bool made = false;
  if (!exists) {
    const auto created = createArchiveFile(file, busyTimeout);
    if (const Rejection* refused = rejection(created)) return *refused;
    made = std::get<bool>(created);
  }
  auto opening = Database::Opening::usual;
  if (std::filesystem::file_size(file, error) > 0 || error) {
    Verdict verdict = examineExisting(file, busyTimeout, opening);
    // A healthy archive that cannot get its -shm (a read-only or full disk)
    // is read as it is, where no log holds changes beyond it; a change is
    // refused as write-protected, or with the full disk.
    if (verdict.unwritable() && !hasLogContent(file) &&
        !examineExisting(file, busyTimeout, Database::Opening::immutable).refusal) {
      if (access == Access::read) {
        opening = Database::Opening::immutable;
        verdict = {};
      } else if (verdict.failure != FailureKind::full) {
        verdict.refusal = readOnlyMessage(file);
      }
    }
    if (verdict.refusal) return Rejection{*verdict.refusal};
  }
  try {
    // Reading opens for writing too (the library falls back to reading where
    // the file is write-protected): the last connection to close folds the
    // write-ahead log back into the file and removes it. Nothing else is written.
    auto database = std::make_unique<Database>(file, SQLITE_OPEN_READWRITE, busyTimeout, opening);
    Recognition found = recognise(*database);
    if (auto refused = refusalOf(found, file)) return Rejection{*refused};
    if (access == Access::write) {
      database->execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL");
      if (found.kind == DatabaseKind::empty || found.version < kSchemaVersion) {
        found = upgrade(*database);
        if (auto refused = refusalOf(found, file)) return Rejection{*refused};
      }
    }
    if (found.kind == DatabaseKind::empty) return Archive(file, emptyArchive(), false);
    Archive opened(file, std::move(database), true);
    opened.made_ = made;
    return opened;
  } catch (const DatabaseFailure& failure) {
    return Rejection{failureMessage(failure, file)};
  }
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
  if (auto failure = backUpBeforeChange(false)) return Rejection{*failure};
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
  if (auto failure = backUpBeforeChange(true)) return Rejection{*failure};
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
  if (auto failure = backUpBeforeChange(false)) return failure;
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
  if (auto failure = backUpBeforeChange(false)) return failure;
  return guardedChange(file_, [&] {
    WriteTransaction transaction(*database_);
    database_->prepare("DELETE FROM persons WHERE id = ?1").bind(1, std::int64_t{id}).step();
    transaction.commit();
  });
}

Failure Archive::restore(const Person& person) {
  if (auto failure = backUpBeforeChange(false)) return failure;
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
  if (auto failure = backUpBeforeChange(false)) return failure;
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

Failure Archive::backUpBeforeChange(bool always) {
  const std::string today = backupDay();
  if (!held_ || (!always && lastBackupDay_ == today)) return std::nullopt;
  try {
    if (database_->integer("SELECT count(*) FROM persons") == 0) return std::nullopt;
  } catch (const DatabaseFailure& failure) {
    return failureMessage(failure, file_);
  }
  if (always || !hasBackupOfDay(file_, today)) {
    auto written = writeBackup(*database_, file_);
    if (const Rejection* refused = rejection(written)) return refused->message;
  }
  lastBackupDay_ = today;
  return std::nullopt;
}

Failure Archive::restoreBackup(const std::filesystem::path& backupFile) {
  try {
    // Opened before the backup of the state before, which may make room by
    // removing the oldest one: this one's content stays readable.
    Database backup(backupFile, SQLITE_OPEN_READONLY, kBusyTimeout);
    const Recognition found = recognise(backup);
    if (found.kind == DatabaseKind::empty) return damagedMessage(backupFile);
    if (auto refused = refusalOf(found, backupFile)) return refused;
    if (!wholeDatabase(backup)) return damagedMessage(backupFile);
    if (auto failure = backUpBeforeChange(true)) return failure;
    backup.copyInto(*database_);
    if (found.version < kSchemaVersion) upgrade(*database_);
    return std::nullopt;
  } catch (const DatabaseFailure& failure) {
    return failureMessage(failure, file_);
  }
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
    return Rejection{"Im Personenarchiv " + utf8FromPath(file) +
                     " gibt es keine Person mit der Nummer " + std::to_string(*id) + "."};
  }
  return std::move(*person);
}

std::filesystem::path archiveFileIn(const std::filesystem::path& programFolder) {
  return programFolder / "personen.sqlite";
}

}  // namespace kelvaro::archive
