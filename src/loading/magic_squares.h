#pragma once

#include "core/result_text.h"
#include "core/transit_record.h"

namespace kelvaro {

// The tolerance of the overview's magic squares: fixed at 1°, not the orb.
inline constexpr double kMagicSquareTolerance = 1.0;

// The magic squares of the MCp, MCt, SOp and SOt axes (midpoint and sum of
// each), eight blocks of four lines: the factor variants mirrored over
// 0°/22.5° and those on the axis, the transit pairs of a mirrored and an
// on-axis factor, the axis and its mirror point, a blank line.
ResultText overviewMagicSquares(const TransitRecord& record);

}  // namespace kelvaro
