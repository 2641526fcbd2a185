#include "search/dial_layout.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "search/dial_pointer.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

constexpr std::array<bool, 4> kAllRings = {true, true, true, true};
// The window's sizes at its smallest.
const DialGeometry kGeometry{82, 202, 22, 12.5};

// Every name stands on its ring at the dial value of its position: 0 at the
// top, counter-clockwise.
void expectTruePlaces(const TransitRecord& record, const DialLayout& layout) {
  for (const DialName& name : layout.names) {
    const double v = std::fmod(record.position(name.variant, name.factor), 22.5);
    EXPECT_NEAR(name.dialValue, v < 0 ? v + 22.5 : v, 1e-9) << name.factor;
    const double radius = layout.ringRadius[static_cast<std::size_t>(variantIndex(name.variant))];
    const double angle = name.dialValue * 16 * std::numbers::pi / 180;
    EXPECT_NEAR(name.truePlace.x, -radius * std::sin(angle), 1e-9) << name.factor;
    EXPECT_NEAR(name.truePlace.y, -radius * std::cos(angle), 1e-9) << name.factor;
  }
}

// No two name boxes overlap, on one ring or across rings, and every leader
// line runs from the edge of its name's box to its true place.
void expectReadable(const DialLayout& layout) {
  const double w = kGeometry.nameWidth;
  const double h = kGeometry.nameHeight;
  for (std::size_t i = 0; i < layout.names.size(); ++i) {
    const DialName& a = layout.names[i];
    EXPECT_LE(std::fabs(a.leaderStart.x - a.centre.x), w / 2 + 1e-9);
    EXPECT_LE(std::fabs(a.leaderStart.y - a.centre.y), h / 2 + 1e-9);
    for (std::size_t j = i + 1; j < layout.names.size(); ++j) {
      const DialName& b = layout.names[j];
      const bool overlap =
          std::fabs(a.centre.x - b.centre.x) < w && std::fabs(a.centre.y - b.centre.y) < h;
      EXPECT_FALSE(overlap) << a.factor << variantLetter(a.variant) << " and " << b.factor
                            << variantLetter(b.variant);
    }
  }
}

double nameValue(const DialName& name) { return dialValueAt(name.centre); }

TEST(DialLayout, PlacesAtZeroJustBelowTheEndAndBeyondOneTurn) {
  const TransitRecord record = RecordBuilder(0)
                                   .everywhere(factor::MC, 0)
                                   .everywhere(factor::WI, 22.4999)
                                   .everywhere(factor::SO, 359.99)
                                   .everywhere(factor::AS, 45)
                                   .everywhere(factor::MO, 5.625)
                                   .everywhere(factor::KN, -5)
                                   .build();
  // Most factors at 0 would crowd; spread the rest around the dial.
  RecordBuilder spread(0);
  for (int n = 1; n <= 22; ++n) spread.everywhere(n, record.position(Variant::r, n));
  for (int n = 7; n <= 22; ++n) spread.everywhere(n, 7.0 + n * 0.8);
  const TransitRecord spreadRecord = spread.build();
  const DialLayout layout = layoutDial(spreadRecord, kAllRings, kGeometry);
  ASSERT_EQ(layout.names.size(), 88u);
  expectTruePlaces(spreadRecord, layout);
  expectReadable(layout);

  const DialName& justBelow = layout.names[1];  // WIr
  EXPECT_GT(justBelow.truePlace.x, 0);          // just right of the top: a whole turn less a hair
  EXPECT_NEAR(layout.names[2].dialValue, 22.49, 1e-9);                    // SOr: 359.99 wraps
  EXPECT_NEAR(layout.names[4].truePlace.x, -layout.ringRadius[0], 1e-9);  // MOr at 5.625: left
  EXPECT_NEAR(layout.names[5].dialValue, 17.5, 1e-9);                     // KNr at -5
  EXPECT_LT(dialPlace(45 - 1e-15), 22.5);
  EXPECT_NEAR(dialValueAt(pointOnDial(17.3, 50)), 17.3, 1e-9);
}

TEST(DialLayout, CrowdedNamesSpreadAroundTheirPlaceWithoutOverlap) {
  for (const double place : {100.0, 22.49, 0.0}) {
    const TransitRecord record = RecordBuilder(place).build();
    const DialLayout layout = layoutDial(record, kAllRings, kGeometry);
    ASSERT_EQ(layout.names.size(), 88u);
    expectTruePlaces(record, layout);
    expectReadable(layout);
    // The crowd is centred on its place, also where it straddles 0.
    const double target = dialPlace(place);
    double offset = 0;
    for (const DialName& name : layout.names) {
      offset += std::remainder(nameValue(name) - target, 22.5);
    }
    EXPECT_NEAR(offset / 88, 0, 1e-6) << place;
  }
}

TEST(DialLayout, HalfACrowdEachSideOfZero) {
  RecordBuilder builder(0.01);
  for (int n = 12; n <= 22; ++n) builder.everywhere(n, 22.49);
  const TransitRecord record = builder.build();
  const DialLayout layout = layoutDial(record, kAllRings, kGeometry);
  expectTruePlaces(record, layout);
  expectReadable(layout);
  double offset = 0;
  for (const DialName& name : layout.names) {
    const double off = std::remainder(nameValue(name), 22.5);
    offset += off;
    EXPECT_EQ(off < 0, name.factor >= 12) << name.factor;  // in its order across 0
  }
  EXPECT_NEAR(offset / 88, 0, 1e-6);  // the crowd stays centred on the top
}

TEST(DialLayout, NamesWithRoomStayOnTheirPlace) {
  RecordBuilder builder;
  for (int n = 1; n <= 22; ++n) builder.everywhere(n, n * 1.0);
  const DialLayout layout = layoutDial(builder.build(), kAllRings, kGeometry);
  for (const DialName& name : layout.names) {
    EXPECT_NEAR(nameValue(name), name.dialValue, 1e-9) << name.factor;
  }
}

TEST(DialLayout, HiddenRingsHaveNoNamesAndMoveNoOthers) {
  const TransitRecord record = RecordBuilder(3).everywhere(factor::MC, 3.1).build();
  const DialLayout all = layoutDial(record, kAllRings, kGeometry);
  const DialLayout some = layoutDial(record, {true, false, false, true}, kGeometry);
  ASSERT_EQ(some.names.size(), 44u);
  for (std::size_t i = 0; i < 22; ++i) {
    EXPECT_EQ(some.names[i].variant, Variant::r);
    EXPECT_EQ(some.names[22 + i].variant, Variant::t);
    EXPECT_NEAR(some.names[22 + i].centre.x, all.names[66 + i].centre.x, 1e-12);
    EXPECT_NEAR(some.names[22 + i].centre.y, all.names[66 + i].centre.y, 1e-12);
  }
  EXPECT_TRUE(layoutDial(record, {false, false, false, false}, kGeometry).names.empty());
}

TEST(DialPointer, StepsWrapAtBothEnds) {
  EXPECT_EQ(movePointer(22 * 60 + 59, 1), 0);
  EXPECT_EQ(movePointer(0, -1), 22 * 60 + 59);
  EXPECT_EQ(movePointer(30, -60), 22 * 60 + 30);
  EXPECT_EQ(movePointer(22 * 60 + 30, 60), 30);
  EXPECT_EQ(pointerText(0), "Zeiger 00°00'");
  EXPECT_EQ(pointerText(7 * 60 + 29), "Zeiger 07°29'");
  EXPECT_EQ(pointerText(22 * 60 + 59), "Zeiger 22°59'");
}

TEST(DialPointer, JumpsToTheNearestMinuteAndWrapsAtTheTop) {
  EXPECT_EQ(pointerAt(7.5), 450);
  EXPECT_EQ(pointerAt(7.5 + 0.49 / 60), 450);
  EXPECT_EQ(pointerAt(7.5 + 0.51 / 60), 451);
  EXPECT_EQ(pointerAt(22.499), 0);
  // 22°45' searches where 00°15' stands.
  EXPECT_TRUE(inPointerAxis(0.25, 22 * 60 + 45, 0.1));
  EXPECT_TRUE(inPointerAxis(22.45, 0, 0.1));
  EXPECT_FALSE(inPointerAxis(1.0, 0, 1.0));  // exactly the orb away
}

}  // namespace
}  // namespace kelvaro
