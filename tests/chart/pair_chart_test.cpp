#include "chart/pair_chart.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/pair_midpoints.h"
#include "chart/transit_chart.h"
#include "core/pair_texts.h"
#include "core/text_encoding.h"

namespace kelvaro::chart {
namespace {

using namespace std::chrono;

ChartEntry person(const char* name, const char* firstName, const char* birth, const char* zone,
                  const char* latitude, const char* longitude) {
  ChartEntry entry;
  entry.name = name;
  entry.firstName = firstName;
  entry.birthDate = std::string(birth).substr(0, 10);
  entry.birthTime = std::string(birth).substr(11);
  entry.birthZone = zone;
  entry.birthLatitude = latitude;
  entry.birthLongitude = longitude;
  entry.place = "Köln";
  entry.transitDate = "08.12.2026";
  entry.transitTime = "12:00";
  entry.transitZone = "Europe/Berlin";
  entry.transitLatitude = "50°56' N";
  entry.transitLongitude = "06°57' O";
  return entry;
}

ChartEntry anna() {
  return person("Weiß", "Anna", "12.04.1981 06:30", "Europe/Berlin", "50°56' N", "06°57' O");
}
ChartEntry hans() {
  return person("Müller", "Hans", "03.11.1975 22:15:30", "America/New_York", "40°43' N",
                "74°00' W");
}

TransitRecord ownFile(const ChartEntry& entry) {
  return computeTransitRecord(std::get<ChartRequest>(checkChartEntry(entry)));
}

TransitRecord pair(PairKind kind, const ChartEntry& a, const ChartEntry& b) {
  const auto made = computePairChart(kind, a, b);
  if (const Rejection* refused = rejection(made)) ADD_FAILURE() << refused->message;
  return std::get<PairChart>(made).record;
}

// The 192 bytes of one horoscope in the file.
std::string block(const TransitRecord& record, Variant variant) {
  const auto bytes = serializeTransitRecord(record);
  const std::size_t size = factor::kCount * sizeof(double);
  const std::size_t first =
      kPositionsOffset + static_cast<std::size_t>(variantIndex(variant)) * size;
  return std::string(reinterpret_cast<const char*>(bytes.data()) + first, size);
}

TEST(PairMidpoints, NearerMidpointTakesTheShorterArc) {
  EXPECT_DOUBLE_EQ(nearerMidpoint(350, 10), 0);
  EXPECT_DOUBLE_EQ(nearerMidpoint(10, 350), 0);
  EXPECT_DOUBLE_EQ(nearerMidpoint(100, 200), 150);
  EXPECT_DOUBLE_EQ(nearerMidpoint(340, 30), 5);
  EXPECT_DOUBLE_EQ(nearerMidpoint(-10, 30), 10);
  EXPECT_DOUBLE_EQ(nearerMidpoint(0, 180), 90);
  EXPECT_DOUBLE_EQ(nearerMidpoint(0, 0), 0);
}

TEST(PairMidpoints, MeanMomentIsSymmetricAndRoundsHalfSecondsDown) {
  const sys_seconds a = sys_days{year{1980} / 1 / 1};
  const sys_seconds b = sys_days{year{1990} / 1 / 1};
  EXPECT_EQ(meanMoment(a, b), sys_days{year{1984} / 12 / 31} + hours{12});
  EXPECT_EQ(meanMoment(b, a), meanMoment(a, b));
  EXPECT_EQ(meanMoment(a, a + seconds{3}), a + seconds{1});
  EXPECT_EQ(meanMoment(a + seconds{3}, a), a + seconds{1});
}

TEST(PairMidpoints, GreatCircleMidpoint) {
  const auto near = [](std::optional<GeoPoint> p, double latitude, double longitude) {
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->latitude, latitude, 1e-9);
    EXPECT_NEAR(p->longitude, longitude, 1e-9);
  };
  near(greatCircleMidpoint({0, 0}, {0, 90}), 0, 45);
  near(greatCircleMidpoint({0, 170}, {0, -170}), 0, 180);  // across the date line
  near(greatCircleMidpoint({10, 20}, {-10, 20}), 0, 20);
  // Over the pole, not along the parallel.
  near(greatCircleMidpoint({60, 10}, {60, -170}), 90, 10);
  // A great circle bends towards the pole: more north than the mean latitude.
  EXPECT_GT(greatCircleMidpoint({50.93, 6.95}, {40.72, -74})->latitude, 48);
  EXPECT_FALSE(greatCircleMidpoint({0, 0}, {0, 180}));
  EXPECT_FALSE(greatCircleMidpoint({30, 10}, {-30, -170}));
}

TEST(PairChart, ComparisonHoldsBothRadixBlocksBitForBit) {
  const TransitRecord record = pair(PairKind::comparison, anna(), hans());
  const TransitRecord own = ownFile(anna());
  const TransitRecord partner = ownFile(hans());
  EXPECT_EQ(block(record, Variant::r), block(own, Variant::r));
  EXPECT_EQ(block(record, Variant::p), block(own, Variant::p));
  EXPECT_EQ(block(record, Variant::s), block(own, Variant::s));
  EXPECT_EQ(block(record, Variant::t), block(partner, Variant::r));
  EXPECT_NE(block(record, Variant::t), block(own, Variant::t));
  // The texts say whose letters these are.
  EXPECT_EQ(record.surname(), "Weiß");
  EXPECT_EQ(record.firstName(), "Anna (r, p, s), t = Radix Müller, Hans");
  EXPECT_EQ(headerLine(record),
            " Kelvaro mit allen R-P-S-T-Daten für Weiß, Anna (r, p, s), t = Radix Müller, Hans, "
            "Köln, 50°56' N, 06°57' O, 08.12.2026  12:00:00");
  EXPECT_EQ(comparisonPartner(record), "Müller, Hans");
}

TEST(PairChart, ComparisonTakesAPartnerBornAfterTheDate) {
  const ChartEntry child = person("Weiß", "Lena", "01.06.2030 08:00", "UT", "50°56' N", "06°57' O");
  ChartEntry later = child;
  later.transitDate = "01.01.2031";
  const auto made = computePairChart(PairKind::comparison, anna(), child);
  ASSERT_FALSE(rejection(made)) << rejection(made)->message;
  EXPECT_EQ(block(std::get<PairChart>(made).record, Variant::t), block(ownFile(later), Variant::r));
}

TEST(PairChart, CompositeIsTheNearerMidpointOfBothFiles) {
  const TransitRecord record = pair(PairKind::composite, anna(), hans());
  const TransitRecord a = ownFile(anna());
  ChartEntry b = hans();
  const TransitRecord own = ownFile(b);
  for (const Variant v : {Variant::r, Variant::p, Variant::s}) {
    for (int number = 1; number <= factor::kCount; ++number) {
      const double x = a.position(v, number);
      const double y = own.position(v, number);
      // The midpoint lies half the shorter arc from each.
      double arc = std::fmod(y - x + 720, 360.0);
      if (arc > 180) arc -= 360;
      const double expected = std::fmod(x + arc / 2 + 720, 360.0);
      EXPECT_NEAR(record.position(v, number), expected, 1e-9) << variantLetter(v) << number;
    }
  }
  EXPECT_EQ(record.position(Variant::r, factor::WI), 0);
  EXPECT_EQ(block(record, Variant::t), block(a, Variant::t));
  EXPECT_EQ(record.surname(), "Composit");
  EXPECT_EQ(record.firstName(), "Anna Weiß & Hans Müller");
  EXPECT_FALSE(comparisonPartner(record));
  // The order of the persons changes no position.
  const TransitRecord swapped = pair(PairKind::composite, hans(), anna());
  EXPECT_EQ(block(swapped, Variant::r), block(record, Variant::r));
}

TEST(PairChart, DavisonIsTheBirthAtTheMeanMomentAndPlace) {
  const ChartEntry a = person("A", "", "01.01.1980 00:00", "UT", "0", "0");
  const ChartEntry b = person("B", "", "01.01.1990 00:00", "+02:00", "0", "92");
  const auto made = computePairChart(PairKind::davison, a, b);
  ASSERT_FALSE(rejection(made)) << rejection(made)->message;
  const PairChart& chart = std::get<PairChart>(made);
  // Halfway between 1980-01-01 00:00 UT and 1989-12-31 22:00 UT, at 0° 46° O.
  ChartEntry mean = person("Davison", "A & B", "31.12.1984 11:00", "UT", "0", "46");
  EXPECT_EQ(block(chart.record, Variant::r), block(ownFile(mean), Variant::r));
  EXPECT_EQ(serializeTransitRecord(chart.record), serializeTransitRecord(ownFile(mean)));
  // Stored as a person, it gives the same file.
  EXPECT_EQ(chart.davison.birthZone, "UT");
  EXPECT_EQ(chart.davison.birthLatitude, "00°00'00\" N");
  EXPECT_EQ(chart.davison.birthLongitude, "46°00'00\" O");
  EXPECT_EQ(serializeTransitRecord(ownFile(chart.davison)), serializeTransitRecord(chart.record));
}

TEST(PairChart, DavisonOfRealPlacesReadsBackFromItsEntry) {
  const auto made = computePairChart(PairKind::davison, anna(), hans());
  ASSERT_FALSE(rejection(made));
  const PairChart& chart = std::get<PairChart>(made);
  EXPECT_EQ(chart.record.surname(), "Davison");
  EXPECT_EQ(chart.record.firstName(), "Anna Weiß & Hans Müller");
  EXPECT_EQ(chart.davison.birthDate, "24.07.1978");
  EXPECT_EQ(chart.davison.birthTime, "03:52:45");
  EXPECT_EQ(serializeTransitRecord(ownFile(chart.davison)), serializeTransitRecord(chart.record));
}

TEST(PairChart, RefusalsNameThePerson) {
  ChartEntry early = anna();
  early.transitDate = "01.01.1981";
  EXPECT_EQ(rejection(computePairChart(PairKind::comparison, early, hans()))->message,
            "Weiß, Anna: Transitdatum: Der Transitzeitpunkt liegt vor der Geburt.");
  ChartEntry late = hans();
  late.birthDate = "01.01.2027";
  EXPECT_EQ(rejection(computePairChart(PairKind::composite, anna(), late))->message,
            "Müller, Hans: Transitdatum: Der Transitzeitpunkt liegt vor der Geburt.");
  ChartEntry unchecked = hans();
  unchecked.birthLatitude = "";
  for (const PairKind kind : {PairKind::comparison, PairKind::composite, PairKind::davison}) {
    EXPECT_TRUE(rejection(computePairChart(kind, anna(), unchecked))
                    ->message.starts_with("Müller, Hans: Breite des Geburtsorts"));
  }
  const ChartEntry here = person("A", "", "01.01.1980 00:00", "UT", "10", "20");
  const ChartEntry opposite = person("B", "", "01.01.1990 00:00", "UT", "-10", "-160");
  EXPECT_EQ(rejection(computePairChart(PairKind::davison, here, opposite))->message,
            "Davison: Die Geburtsorte von A & B liegen einander auf der Erdkugel genau "
            "gegenüber; der Ort in ihrer Mitte ist nicht bestimmt.");
}

TEST(PairChart, FileNamesNameBoth) {
  EXPECT_EQ(pairFileNameParts(PairKind::comparison, anna(), hans()),
            std::make_pair(std::string("Weiß"), std::string("Anna-Vergleich-Müller-Hans")));
  EXPECT_EQ(pairFileNameParts(PairKind::composite, anna(), hans()),
            std::make_pair(std::string("Composit"), std::string("Weiß-Anna-Müller-Hans")));
  ChartEntry noFirst = hans();
  noFirst.firstName.clear();
  EXPECT_EQ(pairFileNameParts(PairKind::davison, anna(), noFirst).second, "Weiß-Anna-Müller");
}

TEST(PairTexts, LongNamesAreCutAndOtherRecordsNameNoPartner) {
  const std::string longName(300, 'x');
  EXPECT_EQ(utf8ToCodePoints(comparisonFirstName("Anna", longName)).size(), 255u);
  EXPECT_EQ(utf8ToCodePoints(bothPersonsText(longName, "B")).size(), 255u);
  TransitRecord plain;
  plain.texts[1] = "Anna";
  EXPECT_FALSE(comparisonPartner(plain));
  plain.texts[1] = comparisonFirstName("", "Müller");
  EXPECT_EQ(comparisonPartner(plain), "Müller");
  plain.texts[1] = "Anna(r, p, s), t = Radix Müller";
  EXPECT_FALSE(comparisonPartner(plain));
}

}  // namespace
}  // namespace kelvaro::chart
