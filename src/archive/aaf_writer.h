#pragma once

#include <string>
#include <vector>

#include "archive/person.h"
#include "core/checked.h"

namespace kelvaro::archive {

enum class AafEncoding {
  windows1252,  // what the programs that read AAF expect
  utf8,         // keeps every character
};

// The persons as an AAF file, every line ended by CR LF: per person #A93,
// #B93 with the Julian day of the birth moment, the zone difference and the
// summer time, #ZNAM with the zone's name (or the abbreviation read from an
// earlier file) where known, #SRC, #VIA, and one #COM per line of the notes.
// Unknown values are "*". Refused, naming the person, when Windows-1252 is
// asked for and a text has a character it lacks.
Checked<std::string> aafFile(const std::vector<Person>& persons, AafEncoding encoding);

}  // namespace kelvaro::archive
