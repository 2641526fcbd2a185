#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The colours and fonts the four windows share.
namespace kelvaro::ui {

namespace colour {
inline const QColor black{0, 0, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor navy{0, 0, 128};
inline const QColor skyBlue{166, 202, 240};
inline const QColor cream{255, 251, 240};
inline const QColor silver{192, 192, 192};
}  // namespace colour

// Fills the widget's background with `background` (panels, frames, windows).
void fillBackground(QWidget& widget, const QColor& background);
// The colour of the widget's own text (labels, captions).
void setTextColour(QWidget& widget, const QColor& text);
// The base colour of a text view or edit field.
void setBaseColour(QWidget& widget, const QColor& base);

// The proportional font of captions and prompts: Arial, or the program's
// own font of its widths where the system has no Arial.
QFont captionFont(int pointSize, bool bold = false, bool italic = false);

// The fixed dialog frame: a title bar without any of its buttons.
void useFixedDialogFrame(QWidget& window);

}  // namespace kelvaro::ui
