#pragma once

#include <system_error>

namespace kelvaro {

// The last error of a Windows call as the errno value that says the same
// (generic category), so that messages name failures alike on every system.
std::error_code lastWindowsError();

// A Windows error code (GetLastError()) as such an errno value; EIO for
// codes without a counterpart.
std::error_code errnoFromWindowsError(unsigned long code);

}  // namespace kelvaro
