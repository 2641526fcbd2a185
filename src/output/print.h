#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/transit_record.h"
#include "output/output_lines.h"

class QPrinter;

namespace kelvaro {

// Prints printedLines(record, lines) on an already configured printer (the
// window shows the print dialog first): font "courier new" (a fixed-pitch
// font), one line below the other from the left edge, a new page when the
// next line would not fit, no page headers or footers. Returns nothing on
// success, else the error message with what the system reported.
std::optional<std::string> printResultList(QPrinter& printer, const TransitRecord& record,
                                           const std::vector<std::string>& lines);

}  // namespace kelvaro
