// The one check of what the calendar and the timeline are asked for, which
// the windows and the command lines share.
#include "timing/calendar_entry.h"

#include <gtest/gtest.h>

namespace kelvaro::timing {
namespace {

CalendarEntry entry(std::string from, std::string to, MoverChoice movers) {
  CalendarEntry typed;
  typed.from = std::move(from);
  typed.to = std::move(to);
  typed.zone = "Europe/Berlin";
  typed.movers = movers;
  typed.bodies = defaultCalendarBodies();
  typed.factors = allDirectedFactors();
  return typed;
}

constexpr MoverChoice kT{false, false, true};
constexpr MoverChoice kSP{true, true, false};
constexpr MoverChoice kSPT{true, true, true};

void expectRefused(const CalendarEntry& typed, CalendarField field, const std::string& message) {
  const auto checked = checkCalendarEntry(typed);
  const auto* refusal = std::get_if<CalendarRefusal>(&checked);
  ASSERT_NE(refusal, nullptr) << message;
  EXPECT_EQ(refusal->field, field) << message;
  EXPECT_EQ(refusal->message, message);
}

TEST(CalendarEntry, RangesAreTenYearsWithTransitsAndAHundredWithoutThem) {
  EXPECT_TRUE(std::holds_alternative<CalendarRequest>(
      checkCalendarEntry(entry("01.01.2025", "31.12.2034", kT))));
  expectRefused(entry("01.01.2025", "01.01.2035", kT), CalendarField::to,
                "Der Zeitraum von 01.01.2025 bis 01.01.2035 ist länger als 10 Jahre. Bitte einen "
                "kürzeren Zeitraum angeben.");
  expectRefused(entry("01.01.2025", "01.01.2035", kSPT), CalendarField::to,
                "Der Zeitraum von 01.01.2025 bis 01.01.2035 ist länger als 10 Jahre. Bitte einen "
                "kürzeren Zeitraum angeben. Ohne T (Transite) sind bis zu 100 Jahre möglich.");
  const auto century = checkCalendarEntry(entry("29.02.2000", "28.02.2100", kSP));
  ASSERT_TRUE(std::holds_alternative<CalendarRequest>(century));
  EXPECT_EQ(std::get<CalendarRequest>(century).to, (chart::Date{2100, 2, 28}));
  expectRefused(entry("29.02.2000", "01.03.2100", kSP), CalendarField::to,
                "Der Zeitraum von 29.02.2000 bis 01.03.2100 ist länger als 100 Jahre. Bitte einen "
                "kürzeren Zeitraum angeben.");
  expectRefused(entry("02.01.2025", "01.01.2025", kSP), CalendarField::to,
                "Das Ende 01.01.2025 liegt vor dem Anfang 02.01.2025.");
  expectRefused(entry("01.01.2025", "2026", kSP), CalendarField::to,
                "Bis: \"2026\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ angeben.");
  expectRefused(entry("01.01.2999", "01.01.3000", kSP), CalendarField::to,
                "Bis: Das Jahr 3000 liegt nicht zwischen 1000 und 2999.");
}

TEST(CalendarEntry, EveryChosenKindNeedsSomethingThatMoves) {
  expectRefused(entry("01.01.2025", "01.01.2026", {false, false, false}), CalendarField::movers,
                "Bitte mindestens eine Art wählen: S, P oder T.");
  CalendarEntry noBodies = entry("01.01.2025", "01.01.2026", kSPT);
  noBodies.bodies.clear();
  expectRefused(noBodies, CalendarField::bodies, "Bitte mindestens einen Himmelskörper angeben.");
  noBodies.movers = kSP;  // without T no body is needed
  CalendarEntry noFactors = noBodies;
  const auto directions = checkCalendarEntry(noBodies);
  ASSERT_TRUE(std::holds_alternative<CalendarRequest>(directions));
  EXPECT_TRUE(std::get<CalendarRequest>(directions).bodies.empty());
  noFactors.factors.clear();
  expectRefused(noFactors, CalendarField::factors,
                "Bitte mindestens einen Faktor für S und P angeben.");

  CalendarEntry zone = entry("01.01.2025", "01.01.2026", kT);
  zone.zone = "Mars/Olympus";
  expectRefused(zone, CalendarField::zone,
                "Die Zeitzone \"Mars/Olympus\" ist unbekannt. Bitte einen Namen wie "
                "Europe/Berlin, UT oder eine feste Abweichung wie +01:00 angeben.");
  CalendarEntry with = entry("01.01.2025", "01.01.2026", kT);
  with.with = "mc, gz";
  expectRefused(with, CalendarField::with,
                "Unbekannter Faktor \"GZ\". Möglich sind die Faktoren MC bis PO.");
}

TEST(CalendarEntry, MoversAreNamedByTheirLetters) {
  const auto all = parseMovers(" s, P ,t");
  ASSERT_TRUE(std::holds_alternative<MoverChoice>(all));
  EXPECT_TRUE(std::get<MoverChoice>(all).solarArc);
  EXPECT_TRUE(std::get<MoverChoice>(all).progressed);
  EXPECT_TRUE(std::get<MoverChoice>(all).transit);
  const auto progressed = std::get<MoverChoice>(parseMovers("P"));
  EXPECT_FALSE(progressed.solarArc || progressed.transit);
  EXPECT_EQ(std::get<Rejection>(parseMovers("S,R")).message,
            "Unbekannte Art \"R\". Möglich sind S (Solarbogen), P (Progression) und T (Transite).");
}

}  // namespace
}  // namespace kelvaro::timing
