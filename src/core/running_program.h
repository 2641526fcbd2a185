#pragma once

#include <filesystem>

namespace kelvaro {

// The file of the running program, as the system knows it (not argv[0],
// which need not be a path); empty when the system does not tell.
std::filesystem::path runningProgram();

}  // namespace kelvaro
