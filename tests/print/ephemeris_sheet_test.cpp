// The sheet of a graphic ephemeris: who, born when and where, the range and
// the movers, the picture and its legend, on one landscape page on white.
#include "print/ephemeris_sheet.h"

#include <QImage>

#include <gtest/gtest.h>

#include "print/print_support.h"
#include "support/birth_data.h"
#include "support/temp_dir.h"
#include "timing/calendar_entry.h"

namespace kelvaro {
namespace {

using testing::pagesOf;
using testing::pdfText;
using testing::TempDir;

EphemerisSheetContent content(timing::MoverChoice movers) {
  const chart::BirthData birth = testing::birthData(testing::kKoeln);
  timing::CalendarRequest request;
  request.from = {2031, 1, 1};
  request.to = {2031, 12, 31};
  request.zone = birth.zone;
  request.movers = movers;
  request.bodies = timing::defaultCalendarBodies();
  request.factors = timing::allDirectedFactors();
  request.with = {factor::MC, factor::SO, factor::AS, factor::MO};
  const auto timeline = timing::timeline(birth, request);
  return ephemerisSheetContent(birth, "Köln", request, *timeline);
}

bool contains(const std::vector<std::string>& page, const std::string& part) {
  return std::any_of(page.begin(), page.end(),
                     [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

TEST(EphemerisSheet, NamesPersonBirthRangeAndMoversWithScalesAndLegendOnOnePage) {
  Printout printout = ephemerisPrintout(content({true, true, true}));
  EXPECT_EQ(printout.header(),
            "Zeitleiste für Müller, Anna vom 01.01.2031 bis 31.12.2031, Zeiten in Europe/Berlin");
  const auto pdf = printoutFile(printout, PageFormat::pdf, ephemerisPageLayout());
  ASSERT_EQ(rejection(pdf), nullptr);
  if (!testing::kReadsPdfText) return;
  TempDir dir;
  testing::writeFile(dir.path() / "ephemeride.pdf", std::get<std::string>(pdf));
  const auto pages = pagesOf(pdfText(dir.path() / "ephemeride.pdf"));
  ASSERT_EQ(pages.size(), 1U);
  const auto& page = pages.front();
  for (const char* wanted :
       {"Zeitleiste für Müller, Anna vom 01.01.2031 bis 31.12.2031", "Seite 1 von 1",
        "Grafische Ephemeride: Müller, Anna",
        "Geburt: 05.03.1970 14:30 (Europe/Berlin) in Köln, 50°56' N 06°57' O",
        "Zeitraum: 01.01.2031 bis 31.12.2031, Zeiten in Europe/Berlin; bewegt: Solarbogen (s), "
        "Progression (p), Transite (t)",
        "Januar 2031", "Juni", "22°30'", "MCr/SOr", "rückläufig", "Auslösung"}) {
    EXPECT_TRUE(contains(page, wanted)) << wanted;
  }
}

// A picture of the page: across, white at its edges, and the transits drawn
// in their colour (only T is asked for: no S or P colour anywhere).
TEST(EphemerisSheet, PictureLiesAcrossAndShowsOnlyTheMoversAskedFor) {
  Printout printout = ephemerisPrintout(content({false, false, true}));
  const auto png = printoutFile(printout, PageFormat::png, ephemerisPageLayout());
  ASSERT_EQ(rejection(png), nullptr);
  QImage image;
  ASSERT_TRUE(image.loadFromData(QByteArray::fromStdString(std::get<std::string>(png)), "PNG"));
  EXPECT_GT(image.width(), image.height());
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), QColor(Qt::white));
  const auto count = [&image](QColor colour) {
    int found = 0;
    for (int y = 0; y < image.height(); y += 2) {
      for (int x = 0; x < image.width(); x += 2) found += image.pixelColor(x, y) == colour;
    }
    return found;
  };
  EXPECT_GT(count(moverColour(timing::MoverKind::transit)), 1000);
  EXPECT_EQ(count(moverColour(timing::MoverKind::solarArc)), 0);
  EXPECT_EQ(count(moverColour(timing::MoverKind::progressed)), 0);
}

TEST(EphemerisView, MapsDaysAndDegreesOntoThePlotAndBack) {
  const EphemerisView view{QRectF(100, 50, 800, 450), 2460000, 2460400};
  EXPECT_EQ(view.pixelOf({2460000, 0}), QPointF(100, 500));
  EXPECT_EQ(view.pixelOf({2460400, DialSize::standard().degrees()}), QPointF(900, 50));
  const timing::CurvePoint back = view.pointOf(view.pixelOf({2460123.5, 7.5}));
  EXPECT_NEAR(back.julianDay, 2460123.5, 1e-6);
  EXPECT_NEAR(back.degrees, 7.5, 1e-9);
}

}  // namespace
}  // namespace kelvaro
