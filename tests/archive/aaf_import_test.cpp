// Importing AAF into the archive: the report, the duplicate rule, the atlas
// for records without coordinates, and an import that fails as a whole.
#include "archive/aaf_import.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "archive/person_builder.h"
#include "core/text_encoding.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

using archive::Archive;
using archive::Person;

const char* const kThreeAndOneFaulty =
    "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel,D\n"
    "#B93:*,49n05,8e11,1he,0\n"
    "#A93:Garms,Martin,11.10.1958,1.10,Brilon-Wald, D\n"
    "#A93:Niehenke,Peter,*,9.5.1949,22:30,Hamm,D\n"
    "#B93:2433046.354167,51n41,7e49,1he,1\n"
    "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel,D\n"
    "#B93:2440856.919444,49n05,8e11,1he,0\n";

struct Fixture {
  TempDir dir;
  Archive archive = std::get<Archive>(Archive::open(dir.path() / "personen.sqlite"));

  std::vector<Person> persons() { return std::get<std::vector<Person>>(archive.persons()); }
};

archive::ImportReport imported(Archive& archive, const std::string& text,
                               const archive::PlaceFinder& finder = archive::atlasPlaces) {
  auto report = archive::importAaf(archive, text, finder);
  if (const Rejection* refused = rejection(report)) ADD_FAILURE() << refused->message;
  return std::get<archive::ImportReport>(report);
}

TEST(AafImport, ReportsAddedPresentAndFaultyRecords) {
  Fixture fixture;
  // The last record is the first again, with its Julian day: the same moment.
  const auto first = imported(fixture.archive, kThreeAndOneFaulty);
  EXPECT_EQ(archive::reportText(first),
            "2 übernommen, 1 schon vorhanden, 1 fehlerhaft\n"
            "Zeile 3: #A93 hat 6 statt 7 Felder.");
  const auto again = imported(fixture.archive, kThreeAndOneFaulty);
  EXPECT_EQ(again.added, 0);
  EXPECT_EQ(again.present, 3);
  ASSERT_EQ(fixture.persons().size(), 2u);
  EXPECT_EQ(fixture.persons()[0].name, "Ferber");
  EXPECT_GT(fixture.persons()[0].id, 0);
}

// A small atlas: the places whose names begin with `name`.
std::vector<atlas::AtlasPlace> fewPlaces(std::string_view name) {
  std::vector<atlas::AtlasPlace> places = {
      {"Kandel", "Rheinland-Pfalz", "Deutschland", "DE", "Europe/Berlin", 49.0833, 8.1833},
      {"Springfield", "Illinois", "Vereinigte Staaten", "US", "America/Chicago", 39.8, -89.64},
      {"Springfield", "Massachusetts", "Vereinigte Staaten", "US", "America/New_York", 42.1,
       -72.59},
      {"Graz", "Steiermark", "Österreich", "AT", "Europe/Vienna", 47.0667, 15.45},
      {"Kandel-Ost", "", "Deutschland", "DE", "Europe/Berlin", 1, 1},
  };
  std::erase_if(places, [&](const auto& place) { return !place.name.starts_with(name); });
  return places;
}

// A records without #B93 takes coordinates and zone from the atlas when the
// place and the country name exactly one place, and waits for a check
// ("Ort prüfen") otherwise.
TEST(AafImport, PlacesWithoutCoordinatesFromTheAtlas) {
  Fixture fixture;
  int lookups = 0;
  const archive::PlaceFinder atlas = [&](std::string_view name) {
    ++lookups;
    return fewPlaces(name);
  };
  const auto report = imported(fixture.archive,
                               "#A93:Eins,*,m,27.9.1970,11:04,Kandel,D\n"
                               "#A93:Zwei,*,m,27.9.1970,11:04,Kandel,D\n"
                               "#A93:Drei,*,m,1.1.1980,12:00,Springfield,USA\n"
                               "#A93:Vier,*,m,1.1.1980,12:00,Graz,A\n"
                               "#A93:Fünf,*,m,1.1.1980,12:00,Graz,CH\n"
                               "#A93:Sechs,*,m,1.1.1980,12:00,Kandel,Deutschland\n",
                               atlas);
  EXPECT_EQ(report.added, 6);
  EXPECT_EQ(lookups, 5);  // Kandel in D once
  std::map<std::string, Person> byName;
  for (Person& person : fixture.persons()) byName[person.name] = person;
  const Person& kandel = byName["Eins"];
  EXPECT_EQ(kandel.zone, "Europe/Berlin");
  EXPECT_EQ(kandel.latitude,
            archive::degreesOfArcSeconds(49 * 3600 + 5 * 60));  // to the arc second
  EXPECT_EQ(kandel.birthMoment, utc(1970, 9, 27, 10, 4));
  EXPECT_FALSE(archive::placeUnchecked(kandel));
  EXPECT_FALSE(archive::placeUnchecked(byName["Sechs"]));
  EXPECT_EQ(byName["Vier"].zone, "Europe/Vienna");
  EXPECT_TRUE(archive::placeUnchecked(byName["Drei"]));  // two Springfields
  EXPECT_TRUE(archive::placeUnchecked(byName["Fünf"]));  // no Graz in Switzerland
  EXPECT_FALSE(byName["Fünf"].latitude);
}

// A fixed offset of #B93 becomes the zone of the record's atlas place when
// that zone gives the same offset at the birth and the coordinates lie at
// the place; otherwise the offset stays.
TEST(AafImport, FixedOffsetsBecomeTheZoneOfThePlace) {
  Fixture fixture;
  const auto report = imported(fixture.archive,
                               "#A93:Sommer,*,m,15.7.1980,12:00,Kandel,D\n"
                               "#B93:*,49n05,8e11,1he,1\n"
                               "#A93:Winter,*,m,15.1.1980,12:00,Kandel,D\n"
                               "#B93:*,49n05,8e11,1he,0\n"
                               "#A93:Ohne,*,m,15.7.1980,12:00,Kandel,D\n"
                               "#B93:*,49n05,8e11,1he,0\n"
                               "#A93:Fern,*,m,15.7.1980,12:00,Kandel,D\n"
                               "#B93:*,52n30,13e24,1he,1\n"
                               "#A93:Zwei,*,m,15.7.1980,12:00,Springfield,USA\n"
                               "#B93:*,39n48,89w38,6hw,1\n",
                               fewPlaces);
  EXPECT_EQ(report.added, 5);
  std::map<std::string, Person> byName;
  for (Person& person : fixture.persons()) byName[person.name] = person;
  EXPECT_EQ(byName["Sommer"].zone, "Europe/Berlin");
  EXPECT_EQ(byName["Sommer"].birthMoment, utc(1980, 7, 15, 10, 0));  // the moment stays
  EXPECT_EQ(byName["Winter"].zone, "Europe/Berlin");
  EXPECT_EQ(byName["Ohne"].zone, "+01:00");  // Kandel kept summer time that day
  EXPECT_EQ(byName["Fern"].zone, "+02:00");  // Berlin's coordinates, not Kandel's
  EXPECT_EQ(byName["Zwei"].zone, "-05:00");  // two Springfields
}

// The country written for an atlas place is the code AAF files use, and an
// import finds the place in that country again.
TEST(AafImport, CountryCodeOfAnAtlasPlace) {
  const std::vector<std::pair<atlas::AtlasPlace, std::string>> cases = {
      {{"Köln", "", "Deutschland", "DE", "Europe/Berlin", 50.93, 6.95}, "D"},
      {{"Graz", "", "Österreich", "AT", "Europe/Vienna", 47.07, 15.45}, "A"},
      {{"Boston", "", "Vereinigte Staaten", "US", "America/New_York", 42.36, -71.06}, "USA"},
      {{"Bern", "", "Schweiz", "CH", "Europe/Zurich", 46.95, 7.45}, "CH"},
      {{"Popowo", "", "Polen", "PL", "Europe/Warsaw", 52.1, 18.2}, "PL"},
  };
  for (const auto& [place, code] : cases) {
    EXPECT_EQ(archive::aafCountryCode(place), code) << place.name;
    EXPECT_TRUE(archive::inCountry(place, archive::aafCountryCode(place))) << place.name;
  }
}

// An import that fails half-way (a trigger stands for a full disk) leaves
// the archive as it was.
TEST(AafImport, AFailedImportChangesNothing) {
  Fixture fixture;
  imported(fixture.archive, "#A93:Vorher,*,m,1.1.1980,12:00,Graz,A\n#B93:*,47n04,15e27,1he00,0\n");
  {
    sqlite3* other = nullptr;
    sqlite3_open(utf8FromPath(fixture.dir.path() / "personen.sqlite").c_str(), &other);
    sqlite3_exec(other,
                 "CREATE TRIGGER stop BEFORE INSERT ON persons WHEN NEW.name = 'Niehenke' "
                 "BEGIN SELECT RAISE(ABORT, 'voll'); END",
                 nullptr, nullptr, nullptr);
    sqlite3_close(other);
  }
  const auto report = archive::importAaf(fixture.archive, kThreeAndOneFaulty);
  ASSERT_TRUE(rejection(report));
  ASSERT_EQ(fixture.persons().size(), 1u);
  EXPECT_EQ(fixture.persons()[0].name, "Vorher");
}

TEST(AafImport, FilesWithoutRecordsOrUnreadableAreRefused) {
  Fixture fixture;
  const auto none = archive::importAaf(fixture.archive, "Kein AAF\n#: nur ein Kommentar\n");
  ASSERT_TRUE(rejection(none));
  EXPECT_EQ(rejection(none)->message,
            "Die Datei enthält keinen AAF-Datensatz (keine Zeile \"#A93:\").");
  const auto missing = archive::importAafFile(fixture.archive, fixture.dir.path() / "fehlt.aaf");
  ASSERT_TRUE(rejection(missing));
  EXPECT_EQ(rejection(missing)->message,
            "Die AAF-Datei " + (fixture.dir.path() / "fehlt.aaf").string() +
                " lässt sich nicht lesen: Datei oder Ordner nicht vorhanden.");
}

// Every faulty record counts; the report lists the first 100 and says how
// many more there are, then which lines were read as Windows-1252.
TEST(AafImport, LongListsOfFaultsAreCutAndMixedEncodingsNamed) {
  Fixture fixture;
  std::string text = "#A93:M\xFCller,Anna,w,1.2.1960,10:00,K\xF6ln,D\n#B93:*,50n56,6e57,1he00,0\n";
  for (int i = 0; i < 150; ++i) text += "#A93:Weiß\n";
  const auto report = imported(fixture.archive, text);
  EXPECT_EQ(report.added, 1);
  EXPECT_EQ(report.faulty, 150);
  const std::string shown = archive::reportText(report);
  EXPECT_TRUE(
      shown.starts_with("1 übernommen, 0 schon vorhanden, 150 fehlerhaft\n"
                        "Zeile 3: #A93 hat 1 statt 7 Felder.\n"));
  EXPECT_NE(shown.find("\nZeile 102: #A93 hat 1 statt 7 Felder.\n"
                       "… und 50 weitere fehlerhafte Datensätze\n"
                       "Zeile 1 ist kein UTF-8 und wurde als Windows-1252 gelesen, die übrigen "
                       "Zeilen als UTF-8."),
            std::string::npos)
      << shown;
  EXPECT_EQ(fixture.persons()[0].name, "Müller");
}

}  // namespace
}  // namespace kelvaro::testing
