#pragma once

namespace kelvaro::ui {

// Lets screen readers read every line view as a read-only text of several
// lines: its whole text, the lines at an offset, the cursor and the
// selection, and where each character stands. Registered once, by the first
// line view made.
void useLineViewAccess();

}  // namespace kelvaro::ui
