#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelvaro {

// The second form of kelvaro-make-transit: a transit file computed from birth
// data given as --name=… options and the target file. Returns the exit code:
// 0 written, 2 an input refused (message on `errors`, nothing written),
// 1 wrong usage.
int makeTransitFromBirthData(const std::vector<std::string>& arguments, std::ostream& errors);

// The usage text of both forms.
const char* makeTransitUsage();

// True when the arguments are meant for that form (any of them an option).
bool isBirthDataForm(const std::vector<std::string>& arguments);

}  // namespace kelvaro
