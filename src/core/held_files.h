#pragma once

#include <cstdint>
#include <filesystem>

namespace kelvaro {

// The database files this process holds open through SQLite: the persons
// archive. On POSIX systems a lock belongs to the process and the file, not
// to a descriptor: closing any other descriptor of the file, opened anywhere
// in the process, drops every lock SQLite holds on it, and another program
// then writes into the archive as if nobody used it. So nothing but SQLite
// may open these files (or their -wal, -shm and -journal); code that opens a
// file the user names asks isHeldFile() first.
class HeldFile {
 public:
  explicit HeldFile(std::filesystem::path file);
  ~HeldFile();
  HeldFile(HeldFile&& other) noexcept;
  HeldFile& operator=(HeldFile&& other) noexcept;
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

 private:
  std::uint64_t id_;  // 0 after a move
};

// Whether `file` is a held database file or one of its companions: the same
// file on the disk (another name or link counts too), found without opening
// it.
bool isHeldFile(const std::filesystem::path& file);

}  // namespace kelvaro
