#pragma once

#include <string>
#include <vector>

#include "archive/person.h"
#include "chart/chart_entry.h"
#include "core/checked.h"

namespace kelvaro::archive {

// The birth entries of two persons for a chart of both, as chartEntryOf()
// gives each (noon for an unknown birth time, with its note). Refused with a
// German message for one person twice or a place still to be checked.
struct PairEntries {
  chart::ChartEntry first;
  chart::ChartEntry second;
  std::vector<std::string> notes;  // noonNote() of each person whose time nobody knows
};
Checked<PairEntries> pairEntries(const Person& first, const Person& second);

// The Davison chart of `first` and `second` as a person to store: the birth
// that computePairChart() gives it (`davison`), at the place "Mitte Köln –
// New York". Refused with the German message of checkPersonEntry().
Checked<Person> davisonPerson(const chart::ChartEntry& davison, const Person& first,
                              const Person& second);

}  // namespace kelvaro::archive
