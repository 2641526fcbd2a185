#pragma once

#include <string>

// Numbers with a fraction as every file and line of Kelvaro writes them:
// with a decimal point, whatever locale the process runs in. printf and the
// streams follow the locale, and a German desktop gives them a decimal comma
// that no reader of the file expects.
namespace kelvaro {

// As "%.*f" writes it in the C locale: "2440065.105000", "-6.9500".
std::string fixedDecimal(double value, int decimals);

// As "%.*g" writes it in the C locale: the shortest of fixed and exponent
// form with `digits` significant digits ("12.5", "1e+308").
std::string generalDecimal(double value, int digits);

}  // namespace kelvaro
