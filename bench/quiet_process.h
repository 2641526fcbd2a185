#pragma once

#include <string>
#include <vector>

namespace kelvaro::bench {

// Starts a program with arguments (no shell), its output streams going to
// /dev/null, and waits for it. The exit status, or -1 when it did not start
// or did not exit normally.
int runQuietly(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace kelvaro::bench
