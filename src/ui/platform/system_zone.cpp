#include "ui/platform/system_zone.h"

#include <variant>

#include <QTimeZone>

namespace kelvaro::ui {

chart::TimeZone systemZone() {
  const auto parsed = chart::TimeZone::parse(QTimeZone::systemTimeZoneId().toStdString());
  return rejection(parsed) ? chart::TimeZone::universal() : std::get<chart::TimeZone>(parsed);
}

}  // namespace kelvaro::ui
