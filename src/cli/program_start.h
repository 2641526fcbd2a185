#pragma once

#include <filesystem>
#include <vector>

namespace kelvaro::cli {

// Where the program `name` of this installation may be, in the order to
// try: beside the running program (the build, and Windows), then in
// ../libexec/kelvaro (an installation on Linux). The running program is
// found from the system, not from argv[0], which need not be a path.
std::vector<std::filesystem::path> companionProgramPlaces(const char* name);

// Runs `program` in place of this process, with this process's arguments
// after its own name and the environment variable `mark` set to 1 for it:
// POSIX replaces the process; Windows starts the program with the same
// standard handles, waits for it and ends this process with its exit
// status. Returns only when the program could not be started.
void runInstead(const std::filesystem::path& program, char** argv, const char* mark);

}  // namespace kelvaro::cli
