#include "ui/user_settings.h"

namespace kelvaro::ui {

UserSettings::UserSettings()
    : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kelvaro"),
                QStringLiteral("Kelvaro")) {}

}  // namespace kelvaro::ui
