#include "core/held_files.h"

#include <array>
#include <map>
#include <mutex>
#include <string_view>
#include <utility>

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::uint64_t, std::filesystem::path> files;
  std::uint64_t lastId = 0;
};

Registry& registry() {
  static Registry held;
  return held;
}

// The database file a companion belongs to ("a.sqlite" of "a.sqlite-wal");
// empty for any other name.
std::filesystem::path databaseOfCompanion(const std::filesystem::path& file) {
  const std::string name = utf8FromPath(file.filename());
  for (const std::string_view suffix :
       std::array<std::string_view, 3>{"-wal", "-shm", "-journal"}) {
    if (name.size() > suffix.size() && name.ends_with(suffix)) {
      return file.parent_path() / pathFromUtf8(name.substr(0, name.size() - suffix.size()));
    }
  }
  return {};
}

// The same file, compared by the system's identity of files (stat), which
// opens neither.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

HeldFile::HeldFile(std::filesystem::path file) {
  Registry& held = registry();
  const std::lock_guard lock(held.mutex);
  id_ = ++held.lastId;
  held.files.emplace(id_, std::move(file));
}

HeldFile::~HeldFile() {
  if (id_ == 0) return;
  Registry& held = registry();
  const std::lock_guard lock(held.mutex);
  held.files.erase(id_);
}

HeldFile::HeldFile(HeldFile&& other) noexcept : id_(std::exchange(other.id_, 0)) {}

HeldFile& HeldFile::operator=(HeldFile&& other) noexcept {
  if (this != &other) {
    HeldFile gone(std::move(*this));
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

bool isHeldFile(const std::filesystem::path& file) {
  Registry& held = registry();
  const std::lock_guard lock(held.mutex);
  if (held.files.empty()) return false;
  const std::filesystem::path database = databaseOfCompanion(file);
  for (const auto& [id, heldFile] : held.files) {
    if (sameFile(file, heldFile) || (!database.empty() && sameFile(database, heldFile))) {
      return true;
    }
  }
  return false;
}

}  // namespace kelvaro
