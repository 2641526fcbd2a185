#include "ui/timeline_choices.h"

#include <algorithm>
#include <variant>

#include <QStringList>
#include <QTimeZone>

#include "chart/time_zone.h"
#include "core/factor.h"
#include "ui/text_view.h"
#include "ui/user_settings.h"

namespace kelvaro::ui {
namespace {

const QString kGroup = QStringLiteral("timeline");
constexpr std::array<const char*, 3> kMoverLetters = {"S", "P", "T"};
constexpr std::array<std::pair<timing::CalendarPoints, const char*>, 3> kPointWords = {{
    {timing::CalendarPoints::factors, "factors"},
    {timing::CalendarPoints::midpoints, "midpoints"},
    {timing::CalendarPoints::all, "both"},
}};

bool isCalendarBody(int number) {
  return std::find(timing::kCalendarBodies.begin(), timing::kCalendarBodies.end(), number) !=
         timing::kCalendarBodies.end();
}

}  // namespace

std::optional<TimelineChoices> rememberedTimelineChoices() {
  UserSettings settings;
  settings.beginGroup(kGroup);
  if (!settings.contains(QStringLiteral("movers"))) return std::nullopt;
  TimelineChoices choices;
  const QStringList movers = settings.value(QStringLiteral("movers")).toStringList();
  for (std::size_t k = 0; k < kMoverLetters.size(); ++k) {
    choices.movers[k] = movers.contains(QString::fromLatin1(kMoverLetters[k]));
  }
  choices.bodies.clear();
  for (const QString& name : settings.value(QStringLiteral("bodies")).toStringList()) {
    const auto number = lookupFactor(toUtf8(name));
    if (number && isCalendarBody(*number)) choices.bodies.push_back(*number);
  }
  const QString points = settings.value(QStringLiteral("points")).toString();
  for (const auto& [choice, word] : kPointWords) {
    if (points == QLatin1String(word)) choices.points = choice;
  }
  choices.zone = toUtf8(settings.value(QStringLiteral("zone")).toString());
  choices.orb = toUtf8(settings.value(QStringLiteral("orb")).toString());
  return choices;
}

void rememberTimelineChoices(const TimelineChoices& choices) {
  UserSettings settings;
  settings.beginGroup(kGroup);
  QStringList movers;
  for (std::size_t k = 0; k < kMoverLetters.size(); ++k) {
    if (choices.movers[k]) movers << QString::fromLatin1(kMoverLetters[k]);
  }
  settings.setValue(QStringLiteral("movers"), movers);
  QStringList bodies;
  for (const int body : choices.bodies) bodies << toQString(factorName(body));
  settings.setValue(QStringLiteral("bodies"), bodies);
  for (const auto& [choice, word] : kPointWords) {
    if (choice == choices.points) settings.setValue(QStringLiteral("points"), QLatin1String(word));
  }
  settings.setValue(QStringLiteral("zone"), toQString(choices.zone));
  settings.setValue(QStringLiteral("orb"), toQString(choices.orb));
}

std::optional<std::string> userZoneName() {
  const std::string name = QTimeZone::systemTimeZoneId().toStdString();
  if (name.empty() || std::holds_alternative<Rejection>(chart::TimeZone::parse(name))) {
    return std::nullopt;
  }
  return name;
}

}  // namespace kelvaro::ui
