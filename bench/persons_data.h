#pragma once

#include <string>
#include <vector>

#include "archive/person.h"

// Generated persons for the benchmarks of the persons archive: names, places
// and births that vary as a real archive's do.
namespace kelvaro::bench {

inline constexpr int kArchivePersons = 10000;

std::vector<archive::Person> generatedPersons(int count);
// The same persons as an AAF file with #B93 (Julian day, coordinates, zone).
std::string generatedAaf(int count);

}  // namespace kelvaro::bench
