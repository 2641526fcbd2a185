#pragma once

#include <functional>

#include <QSize>

class QWidget;

namespace kelvaro::ui {

// Keeps a top-level window within the area the window manager leaves on its
// screen (panels excluded), its frame and title bar included. Where the
// window with its frame is larger than that area, it shrinks to it (not
// below its minimum size) and stands at the area's top, centred across;
// `needed` gives the size it asks for then (its own size plus, say, scroll
// bars that it shows when shrunk). A window that fits but reaches past the
// area moves into it. Larger screens change nothing.
void fitOnScreen(QWidget& window, const std::function<QSize(QSize room)>& needed = {});

// The window manager puts its frame around a window only after the window
// was shown; until then the frame's size is unknown. This calls `fit` once
// more as soon as it is known (if it becomes known within a few seconds).
void fitAgainWhenFramed(QWidget& window, std::function<void()> fit);

}  // namespace kelvaro::ui
