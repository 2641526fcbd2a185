#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Situations the tests cannot set up with ordinary files when they run as
// root (as they do in CI): a full disk, a read-only disk, a file the user may
// not read. Each runs a check in a forked child process that is set up for
// the situation; the check returns what went wrong, or an empty text.
namespace kelvaro::testing {

struct SandboxOutcome {
  bool available = false;  // false: the system does not allow the set-up
  std::string reason;      // why it is not available
  std::string failure;     // what the check found wrong; empty when all is well
};

using FolderCheck = std::function<std::string(const std::filesystem::path& folder)>;

// Mounts an empty tmpfs of `kilobytes` in a private mount namespace (as root,
// or in a user namespace otherwise) on a fresh folder and runs the check on
// it. The mount disappears with the child.
SandboxOutcome inPrivateTmpfs(std::size_t kilobytes, const FolderCheck& check);

// Makes the tmpfs mounted by inPrivateTmpfs read-only (from inside the check).
std::string remountReadOnly(const std::filesystem::path& folder);

// Fills the file system of `folder` up to the last byte with a file "voll".
std::string fillUp(const std::filesystem::path& folder);

// Runs the check in a child process that sees no /proc (an empty tmpfs lies
// over it in a private mount namespace), as where /proc is not mounted.
SandboxOutcome withoutProc(const std::function<std::string()>& check);

// Runs the check as an ordinary user: the child gives up root (becoming
// "nobody") when the tests run as root, so file permissions apply to it.
SandboxOutcome asOrdinaryUser(const std::function<std::string()>& check);

}  // namespace kelvaro::testing
