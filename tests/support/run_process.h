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
ProcessOutput runProcess(const std::vector<std::string>& command);

}  // namespace kelvaro::testing
