#pragma once

#include <QSize>
#include <QTemporaryDir>

namespace kelvaro::ui {

// For runs without a display (tests, screenshots, benchmarks): gives the
// offscreen platform one screen of `size` instead of its default 800 × 800,
// so that the windows have the room they have on a desktop, or a small
// screen on purpose. Make it before the application object; it acts only
// when QT_QPA_PLATFORM is "offscreen", and lives as long as the run.
class OffscreenScreen {
 public:
  explicit OffscreenScreen(QSize size);

 private:
  // Holds the platform's configuration file. The platform's arguments are
  // separated by colons, so its path must have none: on Windows, where a
  // drive letter brings one, it lies below the working folder and is named
  // relative to it.
  QTemporaryDir dir_;
};

}  // namespace kelvaro::ui
