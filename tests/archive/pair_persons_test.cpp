// The persons a chart of two persons names, found in the archive for the
// dial sheet.
#include "archive/pair_persons.h"

#include <gtest/gtest.h>

#include <fstream>

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

}  // namespace
}  // namespace kelvaro::testing
