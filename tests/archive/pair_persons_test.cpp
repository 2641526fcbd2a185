// The persons a chart of two persons names, found in the archive for the
// dial sheet.
#include "archive/pair_persons.h"

#include <gtest/gtest.h>

#include <fstream>

#include "archive/archive.h"
#include "archive/person_builder.h"
#include "core/pair_texts.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

using archive::pairPersonLines;

TransitRecord recordNamed(const std::string& name, const std::string& firstName) {
  TransitRecord record;
  record.texts[0] = name;
  record.texts[1] = firstName;
  return record;
}

TEST(PairPersons, AComparisonNamesAAndBWithTheirBirthsOrWhyNot) {
  const TransitRecord record =
      recordNamed("Weiß", comparisonFirstName("Anna", personLabel("Müller", "Hans")));
  ASSERT_TRUE(archive::namesTwoPersons(record));
  const archive::Person anna = cologne("Weiß", "Anna");
  archive::Person hans = cologne("Müller", "Hans");
  hans.birthTime.reset();
  hans.zone = "America/New_York";
  hans.place = "New York";
  EXPECT_EQ(pairPersonLines(record, {anna, cologne("Weiß", "Anne"), hans}),
            (std::vector<std::string>{
                "A (r, p, s): Weiß, Anna – Geburt: 05.03.1970 14:30 (Europe/Berlin) in Köln, "
                "50°56' N 06°57' O",
                "B (t): Müller, Hans – Geburt: 05.03.1970 Zeit unbekannt (America/New_York) in "
                "New York, 50°56' N 06°57' O"}));
  // Two persons of B's name: which one is meant the name cannot say.
  EXPECT_EQ(pairPersonLines(record, {anna, hans, hans})[1],
            "B (t): Müller, Hans – 2 Personen dieses Namens im Personenarchiv");
  EXPECT_EQ(pairPersonLines(record, {})[0], "A (r, p, s): Weiß, Anna – nicht im Personenarchiv");
}

// " & " may stand in a name too: the parting the archive knows wins.
TEST(PairPersons, CompositeAndDavisonArePartedWhereTheArchiveKnowsBoth) {
  archive::Person annaMaria = cologne("Weiß", "Anna & Maria");
  annaMaria.latitude.reset();
  const archive::Person hans = cologne("Müller", "Hans");
  for (const char* kind : {"Composit", "Davison"}) {
    const TransitRecord record = recordNamed(
        kind, bothPersonsText(fullName("Weiß", "Anna & Maria"), fullName("Müller", "Hans")));
    EXPECT_EQ(pairPersonLines(record, {hans, annaMaria}),
              (std::vector<std::string>{
                  "A: Weiß, Anna & Maria – Geburt: 05.03.1970 14:30 (Europe/Berlin) in Köln",
                  "B: Müller, Hans – Geburt: 05.03.1970 14:30 (Europe/Berlin) in Köln, 50°56' N "
                  "06°57' O"}))
        << kind;
    // Without the archive the first parting stands.
    EXPECT_EQ(pairPersonLines(record, {})[0], "A: Anna – nicht im Personenarchiv") << kind;
  }
}

TEST(PairPersons, AChartOfOnePersonNamesNobody) {
  const archive::Person davison = cologne("Davison", "John");
  for (const TransitRecord& record :
       {recordNamed("Weiß", "Anna"), recordNamed("Davison", "John"),
        recordNamed("Weiß", "Anna & Maria"), recordNamed("Composit", "")}) {
    EXPECT_FALSE(archive::namesTwoPersons(record)) << record.firstName();
    EXPECT_TRUE(pairPersonLines(record, {davison}).empty()) << record.firstName();
  }
}

TEST(PairPersons, AnUnreadableArchiveLeavesTheNamesAndSaysWhy) {
  TempDir dir;
  const auto notOurs = dir.path() / "fremd.sqlite";
  std::ofstream(notOurs) << "keine Datenbank\n";
  const TransitRecord record = recordNamed("Composit", bothPersonsText("Anna Weiß", "Hans Müller"));
  const archive::PairPersons persons = archive::pairPersonsIn(record, notOurs);
  EXPECT_EQ(persons.lines,
            (std::vector<std::string>{"A: Anna Weiß – Personenarchiv nicht lesbar",
                                      "B: Hans Müller – Personenarchiv nicht lesbar"}));
  EXPECT_FALSE(persons.note.empty());
  // A missing archive is not made by reading it.
  const auto missing = dir.path() / "neu.sqlite";
  EXPECT_EQ(archive::pairPersonsIn(record, missing).lines[1],
            "B: Hans Müller – nicht im Personenarchiv");
  EXPECT_FALSE(std::filesystem::exists(missing));
}

// The chart of one person: its line without a role, as the pair lines write
// births; a chart of two persons gives the pair lines.
TEST(PairPersons, AChartOfOnePersonGivesItsBirthOrWhyNot) {
  const archive::Person juergen = cologne("Müller", "Jürgen");
  const std::vector<archive::Person> persons = {cologne("Müller", "Hans"), juergen};
  EXPECT_EQ(archive::chartPersonLines(recordNamed("Müller", "Jürgen"), persons),
            (std::vector<std::string>{"Müller, Jürgen – Geburt: 05.03.1970 14:30 (Europe/Berlin) "
                                      "in Köln, 50°56' N 06°57' O"}));
  EXPECT_EQ(archive::chartPersonLines(recordNamed("Müller", ""), persons),
            (std::vector<std::string>{"Müller – nicht im Personenarchiv"}));
  EXPECT_EQ(
      archive::chartPersonLines(recordNamed("Müller", "Jürgen"), {juergen, juergen}),
      (std::vector<std::string>{"Müller, Jürgen – 2 Personen dieses Namens im Personenarchiv"}));
  EXPECT_TRUE(archive::chartPersonLines(recordNamed("", ""), persons).empty());

  const TransitRecord pair =
      recordNamed("Weiß", comparisonFirstName("Anna", personLabel("Müller", "Jürgen")));
  EXPECT_EQ(archive::chartPersonLines(pair, persons), pairPersonLines(pair, persons));
}

TEST(PairPersons, TheChartsPersonsAreReadFromTheArchiveWithoutMakingIt) {
  TempDir dir;
  const TransitRecord record = recordNamed("Weiß", "Anna");
  const auto file = dir.path() / "personen.sqlite";
  {
    auto opened = archive::Archive::open(file);
    ASSERT_EQ(rejection(opened), nullptr);
    ASSERT_EQ(rejection(std::get<archive::Archive>(opened).store(cologne("Weiß", "Anna"))),
              nullptr);
  }
  const archive::PairPersons known = archive::chartPersonsIn(record, file);
  EXPECT_EQ(known.lines, archive::chartPersonLines(record, {cologne("Weiß", "Anna")}));
  EXPECT_EQ(known.note, "");

  const auto missing = dir.path() / "neu.sqlite";
  const archive::PairPersons fromNothing = archive::chartPersonsIn(record, missing);
  EXPECT_EQ(fromNothing.lines, (std::vector<std::string>{"Weiß, Anna – nicht im Personenarchiv"}));
  EXPECT_FALSE(std::filesystem::exists(missing));

  const auto notOurs = dir.path() / "fremd.sqlite";
  std::ofstream(notOurs) << "keine Datenbank\n";
  const archive::PairPersons unread = archive::chartPersonsIn(record, notOurs);
  EXPECT_EQ(unread.lines, (std::vector<std::string>{"Weiß, Anna – Personenarchiv nicht lesbar"}));
  EXPECT_FALSE(unread.note.empty());
}

}  // namespace
}  // namespace kelvaro::testing
