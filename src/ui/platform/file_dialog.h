#pragma once

class QFileDialog;

namespace kelvaro::ui {

// Sets up a file dialog so that showing a folder opens none of its files:
// Qt's own dialog (on Windows the system's), whose icons and types come
// from the names alone. Qt would otherwise read the first bytes of every
// file listed to learn its type, and on POSIX systems one such read of the
// persons archive drops the locks SQLite holds on it (see held_files.h).
void setUpFileDialog(QFileDialog& dialog);

}  // namespace kelvaro::ui
