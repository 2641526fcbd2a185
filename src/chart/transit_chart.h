#pragma once

#include "chart/chart_entry.h"
#include "core/transit_record.h"

namespace kelvaro::chart {

// The four horoscopes of one person and the text fields of the file:
//   R at the birth: MC and AS of the birth place, every body; WI = 0.
//   P at jd_birth + (jd_transit − jd_birth) / 365.242189: every body; the
//     solar arc is SO_p − SO_r; MC_p = MC_r + arc and AS_p is the ascendant
//     of MC_p at the birth latitude; WI = 0.
//   S: the factors MC … PO of R plus the solar arc (so WI_s is the arc).
//   T at the transit: MC and AS of the transit place, every body; WI = 0.
// GZ and Du are 0 everywhere. The texts: name, first name, place, the
// transit date and time as entered ("DD.MM.YYYY", "HH:MM:SS") and the
// coordinates of the transit place.
TransitRecord computeTransitRecord(const ChartRequest& request);

// The radix alone, as above, with the name and first name as its texts.
TransitRecord radixRecord(const BirthData& birth);

}  // namespace kelvaro::chart
