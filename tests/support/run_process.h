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

}  // namespace kelvaro::testing
