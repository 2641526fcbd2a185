#pragma once

#include <string>
#include <vector>

namespace kelvaro::testing {

struct ProcessOutput {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or -1 when the process did not exit normally
};

// Runs a program with arguments (no shell) and collects both output streams.
// With `stdoutFile` its stdout goes into that file instead (out stays empty).
ProcessOutput runProcess(const std::vector<std::string>& command,
                         const std::string& stdoutFile = {});

// The same with an argv[0] of its own instead of the program's path, as a
// shell passes the bare name of a program it found on the PATH.
ProcessOutput runProcessNamed(const std::string& program, const std::vector<std::string>& argv);

// A program with arguments and without a display, whatever the environment
// says: no DISPLAY, no WAYLAND_DISPLAY, Qt asked for X11.
inline ProcessOutput runWithoutDisplay(const std::string& program,
                                       const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {
      "/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb", program};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return runProcess(command);
}

}  // namespace kelvaro::testing
