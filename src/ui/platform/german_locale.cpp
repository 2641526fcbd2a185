#include "ui/platform/german_locale.h"

#include <clocale>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvaro::ui {

GermanLocale::GermanLocale()
    : hadLocale_(qEnvironmentVariableIsSet("LC_ALL")), locale_(qgetenv("LC_ALL")) {
  qputenv("LC_ALL", "de_DE.UTF-8");
}

void GermanLocale::apply(QApplication& app) {
  if (hadLocale_) {
    qputenv("LC_ALL", locale_);
  } else {
    qunsetenv("LC_ALL");
  }
  std::setlocale(LC_ALL, "");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(QStringLiteral("qtbase_de"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(qtTexts);
  }
}

}  // namespace kelvaro::ui
