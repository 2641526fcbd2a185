#pragma once

#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/run.h"
#include "loading/transit_file.h"
#include "support/run_process.h"

namespace kelvaro::testing {

// The paths the build gives the command-line tests.
inline std::string cliPath() { return KELVARO_CLI; }
inline std::string makeTransitPath() { return KELVARO_MAKE_TRANSIT; }
inline std::string samplePath(const std::string& name) {
  return std::string(KELVARO_SAMPLES_DIR) + "/" + name;
}

// A bundled sample loaded as kelvaro-cli loads it, to compare its output
// with the library's.
inline TransitRecord sampleRecord(const std::string& name) {
  return std::get<TransitRecord>(loadTransitFile(samplePath(name)));
}

// kelvaro-cli's run with the given arguments, in this process.
inline ProcessOutput runCli(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::run(arguments, out, err);
  return {out.str(), err.str(), status};
}

// The program kelvaro-cli itself with the given arguments, for what only a
// process shows: its exit status, its own stdout, the binary as it is linked.
inline ProcessOutput runCliProcess(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), cliPath());
  return runProcess(arguments);
}

// The stdout of a run split into its lines (without the LF of each).
inline std::vector<std::string> linesOf(const std::string& out) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < out.size()) {
    const std::size_t end = out.find('\n', start);
    lines.push_back(out.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace kelvaro::testing
