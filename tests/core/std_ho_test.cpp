#include "core/std_ho.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

constexpr double seconds(double s) { return s / 3600; }
constexpr double minutes(double m) { return m / 60; }

TEST(Modus22, ReducesToTheDialAndKeepsTheSign) {
  EXPECT_DOUBLE_EQ(modus22(100), 10);
  EXPECT_NEAR(modus22(359.9), 22.4, 1e-9);
  EXPECT_EQ(modus22(45), 0);
  EXPECT_EQ(modus22(22.5), 0);
  EXPECT_EQ(modus22(-5), -5);
  EXPECT_NEAR(modus22(-30), -7.5, 1e-12);
  EXPECT_NEAR(modus22(719.0), 719.0 - 31 * 22.5, 1e-9);
  const double justBelow = std::nextafter(22.5, 0.0);
  EXPECT_EQ(modus22(justBelow), justBelow);
}

TEST(Modus30, ReducesToTheSign) {
  EXPECT_NEAR(modus30(359.9), 29.9, 1e-9);
  EXPECT_DOUBLE_EQ(modus30(65.5), 5.5);
  EXPECT_EQ(modus30(60), 0);
  EXPECT_EQ(modus30(-35), -5);
}

TEST(MidpointAndSum, AreThePlainFormulas) {
  EXPECT_EQ(midpoint(10, 350), 180);  // never the nearer midpoint
  EXPECT_EQ(sum(200, 250), 450);
  EXPECT_EQ(sumAsLongitude(200, 250), 90);
  EXPECT_EQ(sumAsLongitude(180, 180), 360);  // exactly 360 stays
}

TEST(OrbHit, IsStrictOnBothSidesAndWrapsAroundTheDial) {
  EXPECT_FALSE(orbHit(5, 6, 1.0));
  EXPECT_TRUE(orbHit(5, 5.75, 1.0));
  EXPECT_TRUE(orbHit(0, 21.75, 1.0));
  EXPECT_FALSE(orbHit(0, 21.5, 1.0));
  EXPECT_TRUE(orbHit(0.3, 22.2, 1.2));
  EXPECT_TRUE(orbHit(22.2, 0.3, 1.2));
  EXPECT_FALSE(orbHit(0.25, 1.5, 1.25));
  EXPECT_FALSE(orbHit(1, 2, -1));  // a negative orb finds nothing
}

TEST(OrbHit, ComparesValuesOffTheDialWhereTheyStandOnIt) {
  // −1° stands at 21°30': 1°30' from 0°30' across the top of the dial.
  EXPECT_FALSE(orbHit(-1, 0.5, 1.2));
  EXPECT_TRUE(orbHit(-1, 0.5, 1.6));
  // −21°44' stands at 0°46': far from everything half a dial away.
  EXPECT_FALSE(orbHit(-(21 + 44.0 / 60), 11.5, 1.2));
  EXPECT_TRUE(orbHit(-(21 + 44.0 / 60), 0.5, 1.2));
  // An angle of 22°59' stands at 0°29'.
  EXPECT_TRUE(orbHit(22 + 59.0 / 60, 0.49, 1.0 / 60));
  EXPECT_FALSE(orbHit(22 + 59.0 / 60, 22.49, 1.0 / 60));
  // The edges: 0, 22.5, −0 and −22.5 all stand at the top of the dial.
  EXPECT_DOUBLE_EQ(placeOnDial(22.5), 22.5);
  EXPECT_DOUBLE_EQ(placeOnDial(-0.0), 0.0);
  EXPECT_DOUBLE_EQ(placeOnDial(-22.5), 0.0);
  EXPECT_DOUBLE_EQ(placeOnDial(45.25), 0.25);
  EXPECT_TRUE(orbHit(-22.5, 0.1, 0.2));
  EXPECT_TRUE(orbHit(-0.0, 22.4, 0.2));
  EXPECT_FALSE(orbHit(22.5, 21.25, 1.25));  // exactly the orb apart: no hit
}

TEST(Haus, CountsFromTheMcOfTheSameVariant) {
  EXPECT_EQ(haus(5, 105, 100), 10);
  EXPECT_EQ(haus(5, 135, 100), 11);
  EXPECT_EQ(haus(5, 95, 100), 9);
  EXPECT_EQ(haus(5, 70, 100), 8);
  EXPECT_EQ(haus(5, 40, 100), 7);  // exact cusp before the MC: lower house
  EXPECT_EQ(haus(5, 10, 100), 6);
  EXPECT_EQ(haus(5, 130, 100), 11);  // exact cusp after the MC: upper house
  EXPECT_EQ(haus(5, 160, 100), 12);
  EXPECT_EQ(haus(5, 350, 10), 9);
  EXPECT_EQ(haus(5, 5, 10), 9);
  EXPECT_EQ(haus(5, 200, 100), 1);
}

TEST(Haus, McIsAlwaysTheTenthHouseButItsMidpointIsNot) {
  EXPECT_EQ(haus(1, 250, 100), 10);
  EXPECT_EQ(halbsum_mchaus(250, 100), 3);
  EXPECT_EQ(halbsum_mchaus(100, 100), 10);
}

TEST(Haus, FollowsTheFormulaLiterallyOutsideTheCircle) {
  EXPECT_EQ(halbsum_mchaus(-1000, 0), -12);  // corrected only once, as the formula says
  EXPECT_EQ(halbsum_mchaus(1e308, -1e308), std::numeric_limits<int>::max());  // clamped
}

TEST(SignAbbreviation, FollowsTheZodiacTable) {
  EXPECT_EQ(signAbbreviation(0), "WID");
  EXPECT_EQ(signAbbreviation(29.99), "WID");
  EXPECT_EQ(signAbbreviation(30.0), "STI");
  EXPECT_EQ(signAbbreviation(123.456), "LOE");
  EXPECT_EQ(signAbbreviation(359.99), "FIS");
  EXPECT_EQ(signAbbreviation(360), "");
  EXPECT_EQ(signAbbreviation(-40), "");
  EXPECT_EQ(signAbbreviation(1e300), "");
}

TEST(Runden, RoundsHalfDown) {
  EXPECT_EQ(std::trunc(runden(2.5)), 2);
  EXPECT_EQ(std::trunc(runden(2.51)), 3);
  EXPECT_EQ(std::trunc(runden(2.49)), 2);
}

TEST(ZahlText, PadsWithZerosAndNeverCuts) {
  EXPECT_EQ(zahl_text(5, 2), "05");
  EXPECT_EQ(zahl_text(0, 2), "00");
  EXPECT_EQ(zahl_text(0, 3), "000");
  EXPECT_EQ(zahl_text(12, 3), "012");
  EXPECT_EQ(zahl_text(123, 2), "123");
  EXPECT_EQ(zahl_text(100, 2), "100");
  EXPECT_EQ(zahl_text(65535, 2), "65535");
  EXPECT_EQ(zahl_text(65536, 2), "00");  // taken as an unsigned 16-bit number
  EXPECT_EQ(zahl_text(-1, 2), "65535");
}

TEST(WinkelText, DialModeExamples) {
  EXPECT_EQ(winkel_text(100, 2, AngleMode::dial22), "10°00'");
  EXPECT_EQ(winkel_text(123.456, 2, AngleMode::dial22), "10°57'");
  EXPECT_EQ(winkel_text(22.49, 2, AngleMode::dial22), "22°29'");
  EXPECT_EQ(winkel_text(7.9999, 2, AngleMode::dial22), "08°00'");
  EXPECT_EQ(winkel_text(-3.5, 2, AngleMode::dial22), "-03°30'");
}

TEST(WinkelText, CutsToWholeSecondsThenRoundsHalfDown) {
  EXPECT_EQ(winkel_text(11 + seconds(30), 2, AngleMode::dial22), "11°00'");
  EXPECT_EQ(winkel_text(11 + seconds(31), 2, AngleMode::dial22), "11°01'");
  EXPECT_EQ(winkel_text(21 + minutes(59) + seconds(45), 2, AngleMode::dial22), "22°00'");
}

TEST(WinkelText, SignModeCanReachThirty) {
  EXPECT_EQ(winkel_text(359.9, 2, AngleMode::sign30), "29°54'");
  EXPECT_EQ(winkel_text(29.9999, 2, AngleMode::sign30), "30°00'");
  EXPECT_EQ(winkel_text(123.456, 2, AngleMode::sign30), "03°27'");
}

TEST(WinkelText, StaysDefinedForExtremeValues) {
  EXPECT_FALSE(winkel_text(1e308, 2, AngleMode::dial22).empty());
  EXPECT_FALSE(winkel_text(-1e308, 2, AngleMode::sign30).empty());
  EXPECT_FALSE(winkel_text(std::numeric_limits<double>::infinity(), 2, AngleMode::dial22).empty());
  EXPECT_EQ(winkel_text(-0.0, 2, AngleMode::dial22), "00°00'");
}

TEST(Grad3Text, RoundsFractionalSecondsIntoMinutes) {
  EXPECT_EQ(grad3_text(5.25), "005°15'");
  EXPECT_EQ(grad3_text(12 + seconds(30.5)), "012°01'");
  EXPECT_EQ(grad3_text(7.995), "008°00'");
  EXPECT_EQ(grad3_text(359.5), "359°30'");
}

TEST(Grad3Kurz, DropsTheLeadingDigit) {
  EXPECT_EQ(grad3_kurz(5.25), "05°15'");
  EXPECT_EQ(grad3_kurz(10.75), "10°45'");
  EXPECT_EQ(grad3_kurz(123.45), "23°27'");
}

TEST(GradMinutenText, ShowsEnteredAngles) {
  EXPECT_EQ(grad_minuten_text(1.2), "01:12");
  EXPECT_EQ(grad_minuten_text(0.5), "00:30");
  EXPECT_EQ(grad_minuten_text(9 + 59.0 / 60), "09:59");
  EXPECT_EQ(grad_minuten_text(12.5), "12:30");
  EXPECT_EQ(grad_minuten_text(22 + 59.0 / 60), "22:59");
  EXPECT_EQ(grad_minuten_text(0), "00:00");
}

TEST(TruncToInt, ClampsInsteadOfOverflowing) {
  EXPECT_EQ(truncToInt(-2.7), -2);
  EXPECT_EQ(truncToInt(2.7), 2);
  EXPECT_EQ(truncToInt(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(truncToInt(-1e300), std::numeric_limits<int>::min());
  EXPECT_EQ(truncToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace kelvaro
