#pragma once

#include <string>
#include <vector>

#include "core/result_text.h"
#include "core/transit_record.h"

namespace kelvaro {

// The content overview: for every factor variant AS … PO the sums that lie
// in at least two of the axes MCp+MCp, SOr+SOr, SOp+SOp and SOt+SOt (orb
// test), then the grid counting all axis hits of the sums of each factor
// pair, with row, column and total counts per factor.
// NOLINTNEXTLINE(readability-identifier-naming): a kept name
ResultText vier_summen(const TransitRecord& record, double orb);

}  // namespace kelvaro
