#pragma once

#include <string>
#include <vector>

#include "core/transit_record.h"

namespace kelvaro {

// The lines as printed: a blank line, the print header, a blank line, the
// first source line, a blank line, then the second to the last source line.
// An empty source counts as one empty line.
std::vector<std::string> printedLines(const TransitRecord& record,
                                      const std::vector<std::string>& lines);

// The lines as saved: the same as printed with the save header and without
// the blank line after the first source line.
std::vector<std::string> savedLines(const TransitRecord& record,
                                    const std::vector<std::string>& lines);

}  // namespace kelvaro
