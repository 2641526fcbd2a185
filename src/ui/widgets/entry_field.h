#pragma once

#include <cstddef>

#include <QString>

class QGridLayout;
class QLineEdit;
class QWidget;

// The small helpers every entry field of the windows uses.
namespace kelvaro::ui {

// Puts the focus into the field with its whole text selected, so the next
// key replaces what the field shows.
void focusField(QLineEdit& field);

// The number of characters the field holds, as the user counts them (not
// bytes, not UTF-16 units): the length the entry checks compare with.
std::size_t characterCount(const QLineEdit& field);

// A field named `name` (the object name tests find it by) with a grey hint.
QLineEdit* entryField(QWidget* parent, const char* name, const QString& placeholder = {});

// Caption and field side by side in row `row` of a grid, from column
// `column` on; the caption's shortcut key moves to the field.
void addFieldRow(QGridLayout& grid, int row, int column, const QString& caption, QWidget* field,
                 int span = 1);

}  // namespace kelvaro::ui
