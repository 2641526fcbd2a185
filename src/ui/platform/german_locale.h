#pragma once

#include <QByteArray>

class QApplication;

namespace kelvaro::ui {

// Makes Qt's own texts German whatever the system's locale is: the file and
// print dialogs, the buttons of message boxes, and the dates and file types
// the file dialog lists.
//
// Qt reads the system's locale from the environment once, while the
// application object is made; so this object is made before it and asks
// for German then. apply() follows once the application exists: it gives
// the environment and the C library's locale back to the user's settings,
// installs Qt's German translation and makes German the default locale.
class GermanLocale {
 public:
  GermanLocale();
  GermanLocale(const GermanLocale&) = delete;
  GermanLocale& operator=(const GermanLocale&) = delete;

  void apply(QApplication& app);

 private:
  bool hadLocale_;     // whether LC_ALL was set before
  QByteArray locale_;  // its value then
};

}  // namespace kelvaro::ui
