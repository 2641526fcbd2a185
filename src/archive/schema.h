#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "archive/database.h"

namespace kelvaro::archive {

// Marks a database as a persons archive of Kelvaro (PRAGMA application_id,
// "KLVR").
inline constexpr std::int64_t kApplicationId = 0x4B4C5652;
// The schema this program writes (PRAGMA user_version).
inline constexpr std::int64_t kSchemaVersion = 1;

// What a database found on the disk is.
enum class DatabaseKind {
  empty,           // no tables and no mark: a new archive
  archive,         // an archive of this or an older schema
  newer,           // an archive of a newer Kelvaro
  foreign,         // another program's database
  damaged,         // marked as ours, but its tables or columns are missing
  unknownVersion,  // marked as ours, with a schema version of 0 or below
};

struct Recognition {
  DatabaseKind kind;
  std::int64_t version = 0;
};

// Reads only: the mark, the schema version and the tables, all of one
// moment (a program that makes the archive meanwhile is seen before or
// after, never half-way).
Recognition recognise(Database& database);

// Brings an empty database or an archive of an older schema to
// kSchemaVersion, every step in one transaction: after a failure (or a kill)
// it is as it was. Returns what it found inside that transaction; anything
// but an empty database or an archive is left as it is.
Recognition upgrade(Database& database);

}  // namespace kelvaro::archive
