#include "ui/platform/dial_size_choice.h"

#include <variant>

#include "ui/platform/user_settings.h"

namespace kelvaro::ui {
namespace {

QString keyOf(const QString& window) { return window + QStringLiteral("/dial"); }

}  // namespace

DialSize rememberedDialSize(const QString& window) {
  const UserSettings settings;
  const QString stored = settings.value(keyOf(window)).toString();
  const auto parsed = parseDialSize(stored.toStdString());
  const auto* size = std::get_if<DialSize>(&parsed);
  return size ? *size : DialSize::standard();
}

void rememberDialSize(const QString& window, DialSize dial) {
  UserSettings settings;
  settings.setValue(keyOf(window), QString::fromStdString(dial.optionText()));
}

}  // namespace kelvaro::ui
