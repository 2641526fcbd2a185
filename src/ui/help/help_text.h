#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The text of the help window, which explains the variant panel; one entry
// per paragraph (the view wraps them), empty entries between paragraphs.
std::vector<std::string> helpLines();

}  // namespace kelvaro::ui
