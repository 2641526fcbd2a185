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

}  // namespace kelvaro::testing
