#pragma once

#include <string>
#include <variant>

#include "core/transit_record.h"

namespace kelvaro {

struct LoadFailure {
  enum class Kind {
    cannotOpen,  // the file could not be opened (missing, no permission, a folder …)
    unreadable,  // opened, but it holds no usable record (too short, not a number)
  };
  Kind kind;
  std::string message;  // the exact text shown to the user
};

using LoadResult = std::variant<TransitRecord, LoadFailure>;

// Reads the record from the first 2560 bytes of a file; bytes after them are
// never read. `path` is UTF-8 and appears in the messages cut to 255 characters.
LoadResult loadTransitFile(const std::string& path);

}  // namespace kelvaro
