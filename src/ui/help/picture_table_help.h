#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the table of planetary pictures and of the keywords editor,
// paragraph by paragraph (empty entries between them).
std::vector<std::string> pictureTableHelp();
std::vector<std::string> keywordsHelp();

}  // namespace kelvaro::ui
