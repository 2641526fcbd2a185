#pragma once

#include <QSettings>

namespace kelvaro::ui {

// What Kelvaro remembers per user between runs (the folder of the AAF
// files, the timeline's choices): one INI file in the user's settings
// folder (~/.config/Kelvaro/Kelvaro.ini, on Windows in %APPDATA%\Kelvaro).
// The window tests point QSettings' user INI path at a folder of their own.
class UserSettings : public QSettings {
 public:
  UserSettings();
};

}  // namespace kelvaro::ui
