#include "support/run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <stdexcept>

namespace kelvaro::testing {
namespace {

void drain(int fd, std::string& into, bool& open) {
  std::array<char, 4096> buffer{};
  const ssize_t n = ::read(fd, buffer.data(), buffer.size());
  if (n <= 0) {
    open = false;
    return;
  }
  into.append(buffer.data(), static_cast<std::size_t>(n));
}

// Runs `program` with `command` as its argv.
ProcessOutput run(const std::string& program, const std::vector<std::string>& command,
                  const std::string& stdoutFile) {
  int out[2];
  int err[2];
  if (::pipe(out) != 0 || ::pipe(err) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int target = stdoutFile.empty()
                           ? out[1]
                           : ::open(stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (target < 0) ::_exit(127);
    ::dup2(target, STDOUT_FILENO);
    if (target != out[1]) ::close(target);
    ::dup2(err[1], STDERR_FILENO);
    ::close(out[0]), ::close(out[1]), ::close(err[0]), ::close(err[1]);
    std::vector<char*> argv;
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);
  ProcessOutput result;
  bool outOpen = true;
  bool errOpen = true;
  while (outOpen || errOpen) {
    pollfd fds[2] = {{outOpen ? out[0] : -1, POLLIN, 0}, {errOpen ? err[0] : -1, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) break;
    if (fds[0].revents != 0) drain(out[0], result.out, outOpen);
    if (fds[1].revents != 0) drain(err[0], result.err, errOpen);
  }
  ::close(out[0]);
  ::close(err[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace

ProcessOutput runProcess(const std::vector<std::string>& command, const std::string& stdoutFile) {
  return run(command.front(), command, stdoutFile);
}

ProcessOutput runProcessNamed(const std::string& program, const std::vector<std::string>& argv) {
  return run(program, argv, {});
}

}  // namespace kelvaro::testing
