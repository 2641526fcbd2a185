#include "search/free_axis_entry.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvaro {
namespace {

TEST(FreeAxisEntry, UpperCasesTheNamesAndKeepsTheVariantLettersAsTyped) {
  const auto checked = checkFreeAxisEntry("knT+jup");
  ASSERT_EQ(rejection(checked), nullptr);
  const auto& entry = std::get<FreeAxisEntry>(checked);
  EXPECT_EQ(entry.stored, "KNT+JUp");
  EXPECT_EQ(entry.factor1, factor::KN);
  EXPECT_EQ(entry.variant1, Variant::t);
  EXPECT_EQ(entry.op, AxisOperator::sum);
  EXPECT_EQ(entry.factor2, factor::JU);
  EXPECT_EQ(entry.variant2, Variant::p);
}

TEST(FreeAxisEntry, ReadsEveryOperatorAndGz) {
  const auto difference = std::get<FreeAxisEntry>(checkFreeAxisEntry("GZR-mcs"));
  EXPECT_EQ(difference.factor1, factor::GZ);
  EXPECT_EQ(difference.variant1, Variant::r);
  EXPECT_EQ(difference.op, AxisOperator::difference);
  EXPECT_EQ(difference.factor2, factor::MC);
  EXPECT_EQ(difference.stored, "GZR-MCs");
  EXPECT_EQ(std::get<FreeAxisEntry>(checkFreeAxisEntry("SOp/ASt")).op, AxisOperator::midpoint);
}

TEST(FreeAxisEntry, RefusesWithTheFirstFailingCheck) {
  struct Case {
    const char* entry;
    std::string_view message;
  };
  const std::vector<Case> cases = {
      {"KNx+JUp", kFreeAxisVariantMessage},
      {"KNt+JUx", kFreeAxisVariantMessage},
      {"XXt+JUp", kFreeAxisFactorMessage},
      {"XXx*JUp", kFreeAxisFactorMessage},  // the factor check comes first
      {"KNt+DUp", kFreeAxisFactorMessage},  // Du is never found
      {"KNt+ÄÖp", kFreeAxisFactorMessage},
      {"KNt*JUp", kFreeAxisOperatorMessage},
      {"KNx*JUp", kFreeAxisVariantMessage},  // variants before the operator
      {"KNt JUp", kFreeAxisOperatorMessage},
  };
  for (const Case& c : cases) {
    const auto checked = checkFreeAxisEntry(c.entry);
    const Rejection* refused = rejection(checked);
    ASSERT_NE(refused, nullptr) << c.entry;
    EXPECT_EQ(refused->message, c.message) << c.entry;
  }
}

TEST(PanelChoices, CaptionsNameTheChoices) {
  for (const auto choice :
       {PanelVariant::r, PanelVariant::p, PanelVariant::s, PanelVariant::t, PanelVariant::rpst}) {
    EXPECT_EQ(panelVariantFromCaption(panelVariantCaption(choice)), choice);
  }
  EXPECT_EQ(singleVariant(PanelVariant::s), Variant::s);
  EXPECT_EQ(singleVariant(PanelVariant::rpst), std::nullopt);
  EXPECT_EQ(panelVariantFromCaption("R"), std::nullopt);
  EXPECT_EQ(panelVariantFromCaption("rp"), std::nullopt);
  EXPECT_EQ(pictureKindFromCaption("/"), PictureKind::midpoint);
  EXPECT_EQ(pictureKindFromCaption("+"), PictureKind::sum);
  EXPECT_EQ(pictureKindFromCaption("-"), std::nullopt);
}

}  // namespace
}  // namespace kelvaro
