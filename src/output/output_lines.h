#pragma once

#include "core/result_text.h"
#include "core/transit_record.h"

namespace kelvaro {

// The lines as printed: a blank line, the print header, a blank line, the
// first source line, a blank line, then the second to the last source line.
// An empty source counts as one empty line.
ResultText printedLines(const TransitRecord& record, const ResultText& lines);

// The printed lines below the header and its blank line: the first source
// line, a blank line, the second to the last source line.
ResultText printedBodyLines(const ResultText& lines);

// The lines as saved: the same as printed with the save header and without
// the blank line after the first source line.
ResultText savedLines(const TransitRecord& record, const ResultText& lines);

}  // namespace kelvaro
