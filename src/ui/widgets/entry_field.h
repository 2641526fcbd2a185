#pragma once

#include <cstddef>

class QLineEdit;

// The small helpers every entry field of the windows uses.
namespace kelvaro::ui {

// Puts the focus into the field with its whole text selected, so the next
// key replaces what the field shows.
void focusField(QLineEdit& field);

// The number of characters the field holds, as the user counts them (not
// bytes, not UTF-16 units): the length the entry checks compare with.
std::size_t characterCount(const QLineEdit& field);

}  // namespace kelvaro::ui
