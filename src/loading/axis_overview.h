#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/result_text.h"
#include "core/transit_record.h"

namespace kelvaro {

// The number of axes that get a label of their own: all but the MCt axes.
inline constexpr std::size_t kAxisLabelCount = 10;

// What the main window shows once a load is complete.
struct AxisOverview {
  std::string heading;  // the heading above the lines
  // One text per axis in column order without the MCt axes, e.g. "MCr/MCr 10°00' ".
  std::array<std::string, kAxisLabelCount> labels;
  ResultText lines;  // the result list: axis table, house table, magic squares

  friend bool operator==(const AxisOverview&, const AxisOverview&) = default;
};

inline constexpr std::string_view kAxisOverviewHeading =
    "Die Faktoren in MC- und SO-Achsen, ihre Positionen in den MC-Häusern und im Tierkreis "
    "sowie MC- und SO-Quadrate";

// The factor variants in the MC and SO axes (tested with the orb), every
// factor variant's MC house and zodiac position, and the magic squares.
AxisOverview axisOverview(const TransitRecord& record, double orb);

// The information box shown when the overview is complete.
inline constexpr std::string_view kSearchesReadyMessage =
    "Sie können nun mit den Tasten unten links eine freie Suchwahl         \r"
    "durch die Transit-Daten starten.\r"
    "\r"
    "Anmerkung zum Daten-Inhalt der ´Kelvaro´-Daten-Datei:\r"
    "Sie enthält die R-, P-, S- und T-Winkel aller Faktoren.\r";

}  // namespace kelvaro
