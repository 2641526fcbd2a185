// What the main window keeps between user actions, without a window: the
// order of the panel's choices and the axis its search runs on.
#include "ui/windows/search_session.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "loading/transit_file.h"
#include "ui/widgets/option_captions.h"

namespace kelvaro::ui {
namespace {

TransitRecord sample() {
  return std::get<TransitRecord>(
      loadTransitFile(std::string(KELVARO_SAMPLES_DIR) + "/mueller-juergen.dat"));
}

FreeAxisEntry freeAxis(const char* text) {
  return std::get<FreeAxisEntry>(checkFreeAxisEntry(text));
}

// Only a right-hand choice starts a search, and only once a left variant
// and a kind were chosen; the choices stay for the next search.
TEST(SearchSession, PanelSearchesOnlyAfterTheChoicesFromLeftToRight) {
  SearchSession session;
  session.load(sample());
  session.freeAxisEntry = freeAxis("KNt+JUp");
  session.storedEntry = session.freeAxisEntry->stored;

  EXPECT_TRUE(session.choosePanelButton(panelButtonId(PanelColumn::right, PanelVariant::t)));
  EXPECT_TRUE(std::holds_alternative<PanelOrderMissing>(session.panelStep()));
  EXPECT_FALSE(session.choosePanelButton(panelButtonId(PanelColumn::left, PanelVariant::rpst)));
  EXPECT_TRUE(std::holds_alternative<PanelOrderMissing>(session.panelStep()));
  EXPECT_FALSE(session.choosePanelButton(panelButtonId(PictureKind::sum)));

  const PanelStep step = session.panelStep();
  const auto* search = std::get_if<PanelSearch>(&step);
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(search->choices, (PanelChoices{PanelVariant::rpst, PictureKind::sum, PanelVariant::t}));

  // Another right-hand choice searches again with the kept left and kind.
  EXPECT_TRUE(session.choosePanelButton(panelButtonId(PanelColumn::right, PanelVariant::p)));
  const PanelStep again = session.panelStep();
  ASSERT_TRUE(std::holds_alternative<PanelSearch>(again));
  EXPECT_EQ(std::get<PanelSearch>(again).choices,
            (PanelChoices{PanelVariant::rpst, PictureKind::sum, PanelVariant::p}));
}

// On a free axis the panel searches the accepted entry's axis, under the
// name of the stored entry (which option 1 may have replaced); in the angle
// mode it searches at the angle; with neither there is nothing to search.
TEST(SearchSession, PanelAxisFollowsTheAcceptedEntryOrTheAngle) {
  SearchSession session;
  for (const int id :
       {panelButtonId(PanelColumn::left, PanelVariant::r), panelButtonId(PictureKind::midpoint),
        panelButtonId(PanelColumn::right, PanelVariant::r)}) {
    session.choosePanelButton(id);
  }
  EXPECT_TRUE(std::holds_alternative<NoPanelAxis>(session.panelStep()));

  session.load(sample());
  EXPECT_TRUE(std::holds_alternative<NoPanelAxis>(session.panelStep()));
  session.freeAxisEntry = freeAxis("KNt+JUp");
  session.storedEntry = "KN+JU";
  const PanelStep onAxis = session.panelStep();
  ASSERT_TRUE(std::holds_alternative<PanelSearch>(onAxis));
  const PictureAxis& axis = std::get<PanelSearch>(onAxis).axis;
  EXPECT_FALSE(axis.angleMode);
  EXPECT_EQ(axis.text.rfind("KN+JU", 0), 0u) << axis.text;
  EXPECT_EQ(axis.factors.size(), 2u);
  // The same factors and variants as the entry itself gives.
  EXPECT_EQ(axis.value, entryAxis(*session.record, *session.freeAxisEntry).value);

  session.angleMode = true;
  session.searchAngle = 7.5;
  session.storedEntry.clear();
  const PanelStep atAngle = session.panelStep();
  ASSERT_TRUE(std::holds_alternative<PanelSearch>(atAngle));
  EXPECT_TRUE(std::get<PanelSearch>(atAngle).axis.angleMode);
  EXPECT_EQ(std::get<PanelSearch>(atAngle).axis.value, 7.5);
  EXPECT_TRUE(std::get<PanelSearch>(atAngle).axis.factors.empty());
}

// A new load brings the orb every load starts with and keeps what the
// options show again: the stored entry, the angle, the panel's choices.
TEST(SearchSession, ALoadResetsTheOrbAndKeepsTheEntries) {
  SearchSession session;
  session.load(sample());
  session.orb = 3.5;
  session.storedEntry = "SO+MO";
  session.searchAngle = 12.25;
  session.choosePanelButton(panelButtonId(PictureKind::sum));
  session.load(sample());
  EXPECT_EQ(session.orb, kOrbAfterLoad);
  EXPECT_EQ(session.storedEntry, "SO+MO");
  EXPECT_EQ(session.searchAngle, 12.25);
  EXPECT_EQ(session.kindChoice, PictureKind::sum);
}

}  // namespace
}  // namespace kelvaro::ui
