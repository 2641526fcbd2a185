#include "search/picture_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "search/angle_search.h"
#include "search/midpoint_sum_search.h"
#include "search/picture_search.h"
#include "search/quadro_search.h"
#include "search/triple_search.h"
#include "support/sample_record.h"

namespace kelvaro {
namespace {

std::vector<std::string> words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> all;
  for (std::string word; in >> word;) all.push_back(word);
  return all;
}

// What the list names per line, read from its text the way a reader would:
// the entries of a line of pairs, or the picture at the start of a line.
using EntriesOfLine = std::vector<std::string>(std::string_view line);

// " MCr/MOp MCr/MEr …"; the heading lines and the count grid name none.
std::vector<std::string> pairEntries(std::string_view line) {
  if (line.find(" in ") != std::string_view::npos) return {};
  std::vector<std::string> entries;
  for (const std::string& word : words(line)) {
    const bool pair = word.size() == 7 && (word[3] == '/' || word[3] == '+');
    if (pair) entries.push_back(word);
  }
  return entries;
}

std::vector<std::string> leadingPicture(std::string_view line) {
  const auto all = words(line);
  if (all.empty() || all[0].size() != 15 || all[0][7] != '=') return {};
  return {all[0]};
}

// "KNr+JUr,01°56' steht in SOp/SOp, ASr/ASr, " gives "KNr+JUr=SOp/SOp" …
std::vector<std::string> midpointSumEntries(std::string_view line) {
  const auto in = line.find(" steht in ");
  if (in == std::string_view::npos) return {};
  std::vector<std::string> entries;
  for (std::string axis : words(line.substr(in + 10))) {
    if (axis.back() == ',') axis.pop_back();
    entries.push_back(std::string(line.substr(0, 7)) + "=" + axis);
  }
  return entries;
}

// The rows name exactly the entries of the list, line by line, and each
// row's deviation is the distance of its sides on the dial, computed here
// from the longitudes without the program's dial arithmetic.
void expectRowsMatchList(const TransitRecord& record, const SearchResult& result, double orb,
                         DialSize dial, EntriesOfLine entriesOf, bool rightSideOnly) {
  const auto rows = pictureRows(record, resultPictures(result), dial, Keywords{});
  std::vector<std::string> expected;
  std::vector<std::string> named;
  for (std::size_t line = 0; line < result.lines.size(); ++line) {
    for (const auto& entry : entriesOf(result.lines[line])) expected.push_back(entry);
  }
  for (const PictureRow& row : rows) {
    named.push_back(rightSideOnly ? termText(row.picture.right)
                                  : termText(row.picture.left) + "=" + termText(row.picture.right));
    const auto entries = entriesOf(result.lines[row.picture.line]);
    EXPECT_NE(std::find(entries.begin(), entries.end(), named.back()), entries.end())
        << named.back() << " is not on line " << row.picture.line;

    const auto value = [&record](const PictureTerm& term) {
      const auto at = [&record](FactorVariant f) { return record.position(f.variant, f.factor); };
      switch (term.kind) {
        case PictureTerm::Kind::angle:
          return term.angle;
        case PictureTerm::Kind::factor:
          return at(term.first);
        case PictureTerm::Kind::midpoint:
          return (at(term.first) + at(term.second)) / 2;
        case PictureTerm::Kind::sum:
          return at(term.first) + at(term.second);
        case PictureTerm::Kind::difference:
          return at(term.first) - at(term.second);
      }
      return 0.0;
    };
    const double size = dial.degrees();
    double apart = std::fmod(std::fabs(value(row.picture.left) - value(row.picture.right)), size);
    apart = std::min(apart, size - apart);
    EXPECT_NEAR(row.deviation, apart, 1e-9) << named.back();
    EXPECT_LT(row.deviation, orb + 1e-9) << named.back();
    EXPECT_GE(row.place, 0);
    EXPECT_LT(row.place, size);
  }
  EXPECT_EQ(named, expected);
}

class PictureTableOfSample : public ::testing::TestWithParam<std::tuple<const char*, double>> {
 protected:
  TransitRecord record_ = testing::sampleRecord(std::get<0>(GetParam()));
  double orb_ = std::get<1>(GetParam());
};

TEST_P(PictureTableOfSample, RowsAreThePicturesOfEverySearch) {
  const DialSize standard;
  for (const auto kind : {PictureKind::midpoint, PictureKind::sum}) {
    const PanelChoices all{PanelVariant::rpst, kind, PanelVariant::rpst};
    const PanelChoices single{PanelVariant::r, kind, PanelVariant::t};
    for (const char* axis : {"SOr/MOr", "KNt+JUp", "MAr-SAt"}) {
      const auto entry = std::get<FreeAxisEntry>(checkFreeAxisEntry(axis));
      for (const auto& choices : {all, single}) {
        const auto result = pictureSearch(record_, orb_, entryAxis(record_, entry), choices, false);
        SCOPED_TRACE(axis);
        const auto pictures = resultPictures(result);
        ASSERT_FALSE(pictures.empty());
        EXPECT_EQ(termText(pictures[0].left), axis);
        expectRowsMatchList(record_, result, orb_, standard, pairEntries, true);
      }
    }
    expectRowsMatchList(record_, pictureSearch(record_, orb_, angleAxis(7.5, ""), all, false), orb_,
                        standard, pairEntries, true);
  }
  for (const DialSize dial : kDialSizes) {
    SCOPED_TRACE(dial.label());
    expectRowsMatchList(record_, angleSearch(record_, orb_, 7.5, std::nullopt, dial), orb_, dial,
                        pairEntries, true);
    expectRowsMatchList(record_, angleSearch(record_, orb_, 3.25, factor::MO, dial), orb_, dial,
                        pairEntries, true);
  }
  for (const char* picture : {"KN+JU=MO/SA", "SO/MO=MC/AS", "MA+SA=UR+PL"}) {
    expectRowsMatchList(record_, quadroSearch(record_, orb_, picture).result, orb_, standard,
                        leadingPicture, false);
  }
  for (const char* equation : {"VE+JU=KN+", "SO/MO=MA/"}) {
    const auto entry = *checkTripleEntry(equation).entry;
    expectRowsMatchList(record_, tripleSearch(record_, orb_, entry, true), orb_, standard,
                        leadingPicture, false);
  }
  for (const char* pair : {"KN+JU", "SO/MO", "MA-SA"}) {
    const auto entry = std::get<MidpointSumEntry>(checkMidpointSumEntry(pair));
    expectRowsMatchList(record_, midpointSumSearch(record_, orb_, entry).result, orb_, standard,
                        midpointSumEntries, false);
  }
}

INSTANTIATE_TEST_SUITE_P(BothSamples, PictureTableOfSample,
                         ::testing::Combine(::testing::Values("mueller-juergen.dat",
                                                              "weiss-anna.dat"),
                                            ::testing::Values(0.25, 1.2, 2.0)));

TEST(PictureTable, ChoosesRowsBelowASmallerOrbAndSortsByDeviation) {
  const TransitRecord record = testing::sampleRecord("mueller-juergen.dat");
  const auto result = angleSearch(record, 1.2, 7.5, std::nullopt);
  const auto rows = pictureRows(record, resultPictures(result), DialSize(), Keywords{});
  const auto near = chooseRows(rows, {0.5, true});
  ASSERT_FALSE(near.empty());
  EXPECT_LT(near.size(), rows.size());
  EXPECT_TRUE(std::is_sorted(near.begin(), near.end(), [](const auto& a, const auto& b) {
    return a.deviation < b.deviation;
  }));
  const auto within = std::count_if(rows.begin(), rows.end(),
                                    [](const PictureRow& row) { return row.deviation < 0.5; });
  EXPECT_EQ(static_cast<std::ptrdiff_t>(near.size()), within);
  EXPECT_EQ(chooseRows(rows, {}), rows);
}

// Every entry of the angle search's rows names its own picture, from its
// first to its last character; the blanks between entries name none.
TEST(PictureTable, EachEntryOfARowNamesItsPicture) {
  const TransitRecord record = testing::sampleRecord("weiss-anna.dat");
  const auto result = angleSearch(record, 1.2, 11.0, std::nullopt);
  const EntryColumns& entries = *result.entries;
  const auto pictures = resultPictures(result);
  std::size_t line = pictures.front().line;
  std::size_t onLine = 0;
  for (const Picture& picture : pictures) {
    if (picture.line != line) onLine = 0;
    line = picture.line;
    const std::size_t first = entries.first + onLine * entries.step;
    EXPECT_EQ(pictureAt(result, line, first), picture);
    EXPECT_EQ(pictureAt(result, line, first + entries.width - 1), picture);
    EXPECT_EQ(pictureAt(result, line, first + entries.width), std::nullopt);
    EXPECT_EQ(result.lines[line].substr(first, entries.width), termText(picture.right));
    ++onLine;
  }
  EXPECT_EQ(pictureAt(result, 0, 0), std::nullopt);
}

TEST(PictureTable, TableHasTextAndDecimalAnglesAndTheKeywords) {
  TransitRecord record;
  record.setPosition(Variant::r, factor::SO, 10);
  record.setPosition(Variant::r, factor::MA, 100.5);
  record.setPosition(Variant::r, factor::SA, 280);
  const Picture picture{0, PictureTerm::ofFactor({factor::SO, Variant::r}),
                        PictureTerm::ofPair(PictureTerm::Kind::midpoint, {factor::MA, Variant::r},
                                            {factor::SA, Variant::r})};
  const auto keywords = Keywords::read("SO = MA/SA = Kraftprobe\n");
  const auto rows = pictureRows(record, {picture}, DialSize(), keywords);
  const TextTable table = pictureTable(rows, DialSize());
  ASSERT_EQ(table.rows.size(), 1U);
  // MA/SA = 190.25, on the dial 10.25; SO at 10: 15' apart.
  EXPECT_EQ(table.rows[0], (std::vector<std::string>{"SOr = MAr/SAr", "10°15'", "10.2500", "15'",
                                                     "0.2500", "Kraftprobe"}));
  EXPECT_EQ(table.header.size(), table.rows[0].size());
}

}  // namespace
}  // namespace kelvaro
