#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the calendar window (transit calendar and timeline), one
// entry per paragraph.
std::vector<std::string> calendarHelp();

}  // namespace kelvaro::ui
