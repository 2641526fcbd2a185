#pragma once

class QAbstractButton;
class QWidget;

namespace kelvaro::ui {

// Ctrl+P and Ctrl+S of a window: each clicks its button ("Drucken", and the
// window's "Speichern") while that button is shown and enabled, so the key
// does exactly what the click does, and nothing where the click could not.
void addPrintAndSaveKeys(QWidget& window, QAbstractButton& print, QAbstractButton& save);

// Esc closes a window that is no dialog, as it closes every dialog.
void closeOnEscape(QWidget& window);

}  // namespace kelvaro::ui
