#include "archive/database.h"

#include <sqlite3.h>

#include <cstdio>
#include <string_view>
#include <utility>

#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

// "file:///…?immutable=1": the absolute path in a URI, every byte but
// letters, digits, "/" and "-._~" written as %XX.
std::string immutableUri(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  std::string uri = "file://";
  const std::string path = utf8FromPath(error ? file : absolute);
  if (!path.starts_with('/')) uri += '/';  // C:/… on Windows
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       std::string_view("/-._~").find(c) != std::string_view::npos;
    if (plain) {
      uri += c;
    } else if (c == '\\') {
      uri += '/';
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      uri += escaped;
    }
  }
  return uri + "?immutable=1";
}

}  // namespace

Database::Database(const std::filesystem::path& file, int flags,
                   std::chrono::milliseconds busyTimeout, Opening opening) {
  const std::string name = opening == Opening::immutable ? immutableUri(file) : utf8FromPath(file);
  if (opening == Opening::immutable) flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
  const int opened = sqlite3_open_v2(name.c_str(), &handle_, flags, nullptr);
  if (opened != SQLITE_OK) {
    DatabaseFailure failure{opened, handle_ ? sqlite3_errmsg(handle_) : sqlite3_errstr(opened)};
    if (handle_) {
      failure.code = sqlite3_extended_errcode(handle_);
      failure.systemError = sqlite3_system_errno(handle_);
    }
    sqlite3_close(handle_);
    handle_ = nullptr;
    throw failure;
  }
  sqlite3_extended_result_codes(handle_, 1);
  sqlite3_busy_timeout(handle_, static_cast<int>(busyTimeout.count()));
}

Database::~Database() { sqlite3_close(handle_); }

Database::Database(Database&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    sqlite3_close(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

void Database::fail(int code) const {
  throw DatabaseFailure{code, handle_ ? sqlite3_errmsg(handle_) : sqlite3_errstr(code),
                        handle_ ? sqlite3_system_errno(handle_) : 0};
}

void Database::execute(const char* sql) {
  const int result = sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr);
  if (result != SQLITE_OK) fail(sqlite3_extended_errcode(handle_));
}

Statement Database::prepare(std::string_view sql) {
  sqlite3_stmt* statement = nullptr;
  const int result =
      sqlite3_prepare_v2(handle_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr);
  if (result != SQLITE_OK) fail(sqlite3_extended_errcode(handle_));
  return Statement(*this, statement);
}

std::int64_t Database::integer(std::string_view sql) {
  Statement query = prepare(sql);
  return query.step() ? query.integer(0) : 0;
}

std::int64_t Database::lastInsertId() const { return sqlite3_last_insert_rowid(handle_); }

int Database::changes() const { return sqlite3_changes(handle_); }

bool Database::autocommit() const { return sqlite3_get_autocommit(handle_) != 0; }

void Database::copyInto(Database& target) {
  sqlite3_backup* copy = sqlite3_backup_init(target.handle_, "main", handle_, "main");
  if (!copy) target.fail(sqlite3_extended_errcode(target.handle_));
  const int stepped = sqlite3_backup_step(copy, -1);
  const int finished = sqlite3_backup_finish(copy);
  if (stepped != SQLITE_DONE) {
    // The library's own code for what stopped it (busy, full disk …).
    throw DatabaseFailure{stepped, sqlite3_errstr(stepped), sqlite3_system_errno(target.handle_)};
  }
  if (finished != SQLITE_OK) target.fail(sqlite3_extended_errcode(target.handle_));
}

Statement::Statement(Statement&& other) noexcept
    : database_(other.database_), statement_(std::exchange(other.statement_, nullptr)) {}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::bind(int index, std::string_view text) {
  const int result = sqlite3_bind_text(statement_, index, text.data(),
                                       static_cast<int>(text.size()), SQLITE_TRANSIENT);
  if (result != SQLITE_OK) database_->fail(result);
  return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
  const int result = sqlite3_bind_int64(statement_, index, value);
  if (result != SQLITE_OK) database_->fail(result);
  return *this;
}

Statement& Statement::bind(int index, double value) {
  const int result = sqlite3_bind_double(statement_, index, value);
  if (result != SQLITE_OK) database_->fail(result);
  return *this;
}

Statement& Statement::bindNull(int index) {
  const int result = sqlite3_bind_null(statement_, index);
  if (result != SQLITE_OK) database_->fail(result);
  return *this;
}

bool Statement::step() {
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  database_->fail(sqlite3_extended_errcode(sqlite3_db_handle(statement_)));
}

void Statement::reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

bool Statement::isNull(int column) const {
  return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::string Statement::text(int column) const {
  const auto* bytes = sqlite3_column_text(statement_, column);
  const int size = sqlite3_column_bytes(statement_, column);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size))
               : std::string();
}

std::int64_t Statement::integer(int column) const {
  return sqlite3_column_int64(statement_, column);
}

double Statement::real(int column) const { return sqlite3_column_double(statement_, column); }

ReadTransaction::ReadTransaction(Database& database)
    : database_(database), open_(database.autocommit()) {
  if (open_) database_.execute("BEGIN");
}

ReadTransaction::~ReadTransaction() {
  if (!open_) return;
  try {
    database_.execute("COMMIT");
  } catch (const DatabaseFailure&) {
    // Nothing was written; the library ends the transaction anyway.
  }
}

WriteTransaction::WriteTransaction(Database& database) : database_(database) {
  database_.execute("BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction() {
  if (!open_) return;
  try {
    database_.execute("ROLLBACK");
  } catch (const DatabaseFailure&) {
    // The library has rolled back itself after the error that got us here.
  }
}

void WriteTransaction::commit() {
  database_.execute("COMMIT");
  open_ = false;
}

}  // namespace kelvaro::archive
