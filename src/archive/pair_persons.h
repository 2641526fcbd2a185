#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "archive/person.h"
#include "core/transit_record.h"

// The persons a record names, with their birth data from the archive, for
// the sheets: the two of a comparison, a composite or a Davison chart, or
// the one of any other chart. The record carries only their names; the
// archive gives the births.
namespace kelvaro::archive {

// Whether the record is a chart of two persons.
bool namesTwoPersons(const TransitRecord& record);

// One line for each person, led by what it is in the chart: "A (r, p, s):"
// and "B (t):" in a comparison, "A:" and "B:" in the others, then the name
// and, where `persons` holds exactly one person of that name, its birth
// ("Weiß, Anna – Geburt: 12.04.1981 06:30 (Europe/Berlin) in Köln, 50°56' N
// 06°57' O"), else what keeps it back. Empty for any other record.
std::vector<std::string> pairPersonLines(const TransitRecord& record,
                                         const std::vector<Person>& persons);

struct PairPersons {
  std::vector<std::string> lines;
  std::string note;  // German, why the archive gave no births; empty when it did
};

// pairPersonLines() with the persons of the archive `file`, which is only
// read, and only for a chart of two persons. An archive that cannot be read
// leaves the names without births.
PairPersons pairPersonsIn(const TransitRecord& record, const std::filesystem::path& file);

// pairPersonLines() for a chart of two persons; else one line for the
// person whose personLabel() is the record's name, without a role: "Müller,
// Jürgen – Geburt: …", "… – nicht im Personenarchiv" or how many persons
// have that name. Empty for a record without a name.
std::vector<std::string> chartPersonLines(const TransitRecord& record,
                                          const std::vector<Person>& persons);

// chartPersonLines() with the persons of the archive `file`, which is only
// read, for any record.
PairPersons chartPersonsIn(const TransitRecord& record, const std::filesystem::path& file);

}  // namespace kelvaro::archive
