#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "chart/chart_entry.h"
#include "core/checked.h"
#include "core/transit_record.h"

// One transit record made from the charts of two persons A and B.
namespace kelvaro::chart {

enum class PairKind {
  // R, P and S are A's; T is B's radix, exactly as B's own file holds R.
  comparison,
  // R, P and S are the nearer midpoints of A's and B's factors; T the transit.
  composite,
  // The chart of the moment halfway between both births (UT) at the place
  // halfway between both birth places on the great circle, with its P, S, T.
  davison,
};

// "Vergleich", "Composit", "Davison".
std::string_view pairKindName(PairKind kind);

struct PairChart {
  TransitRecord record;
  // Davison only: its birth as a person's entry would give it (name
  // "Davison", both persons as first name, UT, coordinates to the arc
  // second) with A's transit fields; a transit file made from this entry is
  // the Davison file.
  ChartEntry davison;
};

// `first` holds A's birth fields and the transit fields (place, date, time,
// zone, coordinates), `second` B's birth fields. Refused with the German
// message of the first field that is wrong, led by the person it belongs to.
Checked<PairChart> computePairChart(PairKind kind, const ChartEntry& first,
                                    const ChartEntry& second);

// The name and first name the transit file name is made of: A and
// "Vergleich" and B, or "Composit"/"Davison" and both.
std::pair<std::string, std::string> pairFileNameParts(PairKind kind, const ChartEntry& first,
                                                      const ChartEntry& second);

}  // namespace kelvaro::chart
