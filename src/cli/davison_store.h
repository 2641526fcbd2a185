#pragma once

#include <filesystem>
#include <ostream>

#include "archive/person.h"
#include "chart/pair_chart.h"

namespace kelvaro {

// kelvaro-make-transit --davison=… --store-davison: writes the Davison file
// `target` and stores the chart as a person in the archive `archiveFile`,
// through the same archive::davisonPerson() as the window. Both or neither:
// a person the archive refuses, an archive that cannot be written and a file
// that cannot be written leave the file and the archive as they were. The
// same person stored before is not stored again; a note says so. Returns the
// exit status (0 done, 2 refused), messages and notes on `errors`.
int writeAndStoreDavison(const chart::PairChart& chart, const archive::Person& first,
                         const archive::Person& second, const std::filesystem::path& archiveFile,
                         const std::filesystem::path& target, std::ostream& errors);

}  // namespace kelvaro
