#pragma once

#include <vector>

#include "archive/person.h"
#include "core/text_table.h"

namespace kelvaro::archive {

// The persons as a table for spreadsheets, in their order: number, name,
// first name, birth date and time as the list shows them, zone, place,
// country, and latitude and longitude both as text ("50°56' N") and in
// decimal degrees ("50.9333"); empty fields for what is not known.
TextTable personsTable(const std::vector<Person>& persons);

}  // namespace kelvaro::archive
