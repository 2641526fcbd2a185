#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kelvaro::archive {

// A failed call of the SQLite library: its result code and its own words.
// It stays inside the archive, whose public functions turn it into a German
// message (see archive_failure.h).
struct DatabaseFailure {
  int code;  // extended result code
  std::string detail;
  int systemError = 0;  // the errno (or Windows error) behind it, 0 when none
};

class Statement;

// One connection to a database file, closed when it goes. Every call throws
// DatabaseFailure when the library reports an error.
class Database {
 public:
  enum class Opening {
    usual,
    // Read-only and without any lock, -wal or -shm: for a file that no
    // program can change, as on a read-only disk.
    immutable,
  };

  // `flags` are the library's open flags (read-only, read-write, create).
  Database(const std::filesystem::path& file, int flags, std::chrono::milliseconds busyTimeout,
           Opening opening = Opening::usual);
  ~Database();
  Database(Database&& other) noexcept;
  Database& operator=(Database&& other) noexcept;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs statements without results, separated by semicolons.
  void execute(const char* sql);
  Statement prepare(std::string_view sql);
  // The value of a pragma or query of one integer.
  std::int64_t integer(std::string_view sql);

  std::int64_t lastInsertId() const;
  int changes() const;
  // False while a transaction is open.
  bool autocommit() const;

  // Copies the whole database, page by page, over `target` (SQLite's backup
  // API): in one transaction of the target, which other connections see
  // whole or not at all.
  void copyInto(Database& target);

 private:
  friend class Statement;
  [[noreturn]] void fail(int code) const;

  sqlite3* handle_ = nullptr;
};

// A prepared statement. Parameters are numbered from 1, columns from 0.
class Statement {
 public:
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&&) = delete;
  Statement(const Statement&) = delete;
  ~Statement();

  Statement& bind(int index, std::string_view text);
  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, double value);
  Statement& bindNull(int index);
  template <typename T>
  Statement& bind(int index, const std::optional<T>& value) {
    return value ? bind(index, *value) : bindNull(index);
  }

  // Runs one step: true while it yields a row.
  bool step();
  // Ready to run again with new parameters.
  void reset();

  bool isNull(int column) const;
  std::string text(int column) const;
  std::int64_t integer(int column) const;
  double real(int column) const;
  template <typename T>
  std::optional<T> optional(int column) const;

 private:
  friend class Database;
  Statement(const Database& database, sqlite3_stmt* statement)
      : database_(&database), statement_(statement) {}

  const Database* database_;
  sqlite3_stmt* statement_;
};

template <>
inline std::optional<double> Statement::optional<double>(int column) const {
  return isNull(column) ? std::nullopt : std::optional<double>(real(column));
}
template <>
inline std::optional<std::int64_t> Statement::optional<std::int64_t>(int column) const {
  return isNull(column) ? std::nullopt : std::optional<std::int64_t>(integer(column));
}
template <>
inline std::optional<std::string> Statement::optional<std::string>(int column) const {
  return isNull(column) ? std::nullopt : std::optional<std::string>(text(column));
}

// A read transaction: what it reads is one moment of the file, whatever
// other programs commit meanwhile. Inside an open transaction it does nothing.
class ReadTransaction {
 public:
  explicit ReadTransaction(Database& database);
  ~ReadTransaction();
  ReadTransaction(const ReadTransaction&) = delete;
  ReadTransaction& operator=(const ReadTransaction&) = delete;

 private:
  Database& database_;
  bool open_;
};

// A write transaction: BEGIN IMMEDIATE takes the write lock at once (waiting
// for it up to the busy timeout); without commit() it is rolled back.
class WriteTransaction {
 public:
  explicit WriteTransaction(Database& database);
  ~WriteTransaction();
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;
  void commit();

 private:
  Database& database_;
  bool open_ = true;
};

}  // namespace kelvaro::archive
