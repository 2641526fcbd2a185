#pragma once

#include <functional>

class QFileDialog;

namespace kelvaro::testing {

// Waits until the file dialog that opens next lists `count` entries with
// their types (`listed` says whether it did), then runs `answer` on it, as
// a user who looks at the folder and then clicks.
void whenDialogListed(int count, bool& listed, std::function<void(QFileDialog&)> answer);

// Types the name of a file into the dialog and presses Enter.
void chooseInDialog(QFileDialog& dialog, const char* name);

}  // namespace kelvaro::testing
