#include "archive/schema.h"

#include <algorithm>

namespace kelvaro::archive {
namespace {

// The steps from one schema to the next: kSteps[v] brings version v to v + 1.
constexpr const char* kSteps[] = {
    // 0 → 1: the persons and the window's remembered settings.
    R"sql(
      CREATE TABLE persons (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        name TEXT NOT NULL,
        first_name TEXT NOT NULL,
        kind TEXT NOT NULL,
        birth_date TEXT NOT NULL,         -- YYYY-MM-DD, local
        birth_time TEXT,                  -- HH:MM or HH:MM:SS, local; NULL unknown
        zone TEXT NOT NULL,               -- tz name or offset; '' unknown
        zone_abbreviation TEXT NOT NULL,  -- AAF #ZNAM that names no zone
        birth_ut INTEGER,                 -- seconds since 1970-01-01 UT; NULL unknown
        place TEXT NOT NULL,
        country TEXT NOT NULL,
        latitude REAL,
        longitude REAL,
        source TEXT NOT NULL,
        via TEXT NOT NULL,
        notes TEXT NOT NULL,
        created TEXT NOT NULL,            -- YYYY-MM-DD HH:MM:SS, UT
        changed TEXT NOT NULL
      );
      CREATE INDEX persons_by_name ON persons (name, first_name);
      CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL);
    )sql",
};
static_assert(std::size(kSteps) == kSchemaVersion);

// Whether the table has every one of these columns (a file of ours whose
// schema was changed has lost one).
bool hasColumns(Database& database, std::string_view table, std::string_view columns) {
  Statement query = database.prepare(
      "SELECT count(*) FROM pragma_table_info(?1) WHERE instr(',' || ?2 || ',', ',' || name || "
      "',') > 0");
  query.bind(1, table).bind(2, columns);
  const auto found = query.step() ? query.integer(0) : 0;
  return found == 1 + static_cast<std::int64_t>(std::count(columns.begin(), columns.end(), ','));
}

}  // namespace

Recognition recognise(Database& database) {
  ReadTransaction snapshot(database);
  const std::int64_t mark = database.integer("PRAGMA application_id");
  const std::int64_t version = database.integer("PRAGMA user_version");
  const std::int64_t tables = database.integer("SELECT count(*) FROM sqlite_schema");
  if (mark == 0 && version == 0 && tables == 0) return {DatabaseKind::empty, 0};
  if (mark != kApplicationId) return {DatabaseKind::foreign, version};
  if (version > kSchemaVersion) return {DatabaseKind::newer, version};
  if (version <= 0) return {DatabaseKind::unknownVersion, version};
  if (!hasColumns(database, "persons",
                  "id,name,first_name,kind,birth_date,birth_time,zone,zone_abbreviation,"
                  "birth_ut,place,country,latitude,longitude,source,via,notes,created,changed") ||
      !hasColumns(database, "settings", "key,value")) {
    return {DatabaseKind::damaged, version};
  }
  return {DatabaseKind::archive, version};
}

Recognition upgrade(Database& database) {
  WriteTransaction transaction(database);
  // Read again inside the transaction: another program may have upgraded it meanwhile.
  const Recognition found = recognise(database);
  if (found.kind != DatabaseKind::empty &&
      !(found.kind == DatabaseKind::archive && found.version < kSchemaVersion)) {
    return found;
  }
  for (std::int64_t version = found.version; version < kSchemaVersion; ++version) {
    database.execute(kSteps[version]);
  }
  database.execute(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
  database.execute(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
  transaction.commit();
  return {DatabaseKind::archive, kSchemaVersion};
}

}  // namespace kelvaro::archive
