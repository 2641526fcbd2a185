#pragma once

#include <string>

#include "core/text_table.h"

// Tables as CSV files a spreadsheet opens without questions (RFC 4180):
// UTF-8 with a byte order mark (by which spreadsheets on Windows know the
// encoding), fields separated by commas, a field with a comma, a quote or a
// line break in quotes (its quotes doubled), lines ended by CR LF, one header
// row. Numbers are written with a decimal point (fixedDecimal).
namespace kelvaro {

std::string csvText(const TextTable& table);

}  // namespace kelvaro
