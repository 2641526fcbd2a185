#include "support/sandbox.h"

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

namespace kelvaro::testing {
namespace {

constexpr int kUnavailable = 77;
constexpr uid_t kNobody = 65534;

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

void writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

// Runs `child` in a forked process, which reports through a pipe and its exit
// status: 0 with the check's failure text, kUnavailable with the reason.
SandboxOutcome inChild(const std::function<std::pair<int, std::string>()>& child) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {false, systemError("pipe"), {}};
  const pid_t pid = ::fork();
  if (pid < 0) return {false, systemError("fork"), {}};
  if (pid == 0) {
    ::close(pipeFds[0]);
    const auto [status, text] = child();
    writeAll(pipeFds[1], text);
    ::_exit(status);
  }
  ::close(pipeFds[1]);
  std::string text;
  std::array<char, 4096> buffer{};
  for (ssize_t n; (n = ::read(pipeFds[0], buffer.data(), buffer.size())) > 0;) {
    text.append(buffer.data(), static_cast<std::size_t>(n));
  }
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status)) return {true, {}, "the child process did not exit normally"};
  if (WEXITSTATUS(status) == kUnavailable) return {false, text, {}};
  return {true, {}, text};
}

bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path);
  out << text;
  return static_cast<bool>(out.flush());
}

// A mount namespace of our own: as root directly, otherwise inside a user
// namespace in which we are root.
std::string enterPrivateMountNamespace() {
  if (::geteuid() == 0) {
    if (::unshare(CLONE_NEWNS) != 0) return systemError("unshare(CLONE_NEWNS)");
  } else {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return systemError("unshare(CLONE_NEWUSER)");
    if (!writeFile("/proc/self/setgroups", "deny") ||
        !writeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !writeFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
      return "the user namespace cannot be mapped";
    }
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    return systemError("making / private");
  }
  return {};
}

std::filesystem::path freshFolder() {
  std::random_device seed;
  auto folder = std::filesystem::temp_directory_path() /
                ("kelvaro-sandbox-" + std::to_string(seed()) + std::to_string(seed()));
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

SandboxOutcome inPrivateTmpfs(std::size_t kilobytes, const FolderCheck& check) {
  const std::filesystem::path folder = freshFolder();
  SandboxOutcome outcome = inChild([&]() -> std::pair<int, std::string> {
    if (std::string why = enterPrivateMountNamespace(); !why.empty()) return {kUnavailable, why};
    const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0755";
    if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
      return {kUnavailable, systemError("mounting a tmpfs")};
    }
    return {0, check(folder)};
  });
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return outcome;
}

std::string remountReadOnly(const std::filesystem::path& folder) {
  if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
              nullptr) != 0) {
    return systemError("remounting read-only");
  }
  return {};
}

std::string fillUp(const std::filesystem::path& folder) {
  const std::string path = (folder / "voll").string();
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return systemError("creating the filler");
  const std::string block(512, 'x');
  for (;;) {
    const ssize_t n = ::write(fd, block.data(), block.size());
    if (n > 0) continue;
    const int error = errno;
    ::close(fd);
    if (n < 0 && error == ENOSPC) return {};
    errno = error;
    return systemError("filling up");
  }
}

SandboxOutcome withoutProc(const std::function<std::string()>& check) {
  return inChild([&]() -> std::pair<int, std::string> {
    if (std::string why = enterPrivateMountNamespace(); !why.empty()) return {kUnavailable, why};
    if (::mount("tmpfs", "/proc", "tmpfs", MS_NOSUID | MS_NODEV, "size=4k") != 0) {
      return {kUnavailable, systemError("covering /proc")};
    }
    return {0, check()};
  });
}

SandboxOutcome asOrdinaryUser(const std::function<std::string()>& check) {
  return inChild([&]() -> std::pair<int, std::string> {
    if (::geteuid() == 0) {
      if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
        return {kUnavailable, systemError("becoming nobody")};
      }
    }
    return {0, check()};
  });
}

}  // namespace kelvaro::testing
