// Writing AAF: the format's own spelling, and export then import giving the
// same persons back, field for field.
#include "archive/aaf_writer.h"

#include <gtest/gtest.h>

#include "archive/aaf_reader.h"
#include "archive/person_builder.h"
#include "support/german_locale.h"

namespace kelvaro::testing {
namespace {

using archive::AafEncoding;
using archive::Person;

std::string written(const std::vector<Person>& persons, AafEncoding encoding) {
  const auto text = archive::aafFile(persons, encoding);
  if (const Rejection* refused = rejection(text)) ADD_FAILURE() << refused->message;
  return std::get<std::string>(text);
}

// What an archive keeps besides the fields: its number and times.
Person withoutBookkeeping(Person person) {
  person.id = 0;
  person.created.clear();
  person.changed.clear();
  return person;
}

std::vector<Person> readBack(const std::string& file) {
  std::vector<Person> persons;
  for (const auto& record : archive::readAaf(file)) {
    if (const Rejection* refused = rejection(record.person)) ADD_FAILURE() << refused->message;
    persons.push_back(std::get<Person>(record.person));
  }
  return persons;
}

TEST(AafWriter, WritesTheFormatsSpelling) {
  Person niehenke = cologne("Niehenke", "Peter");
  niehenke.kind.clear();
  niehenke.birthDate = {1949, 5, 9};
  niehenke.birthTime = archive::BirthTime{22, 30, 0, false};
  niehenke.place = "Hamm";
  niehenke.latitude = archive::degreesOfArcSeconds(51 * 3600 + 41 * 60);
  niehenke.longitude = archive::degreesOfArcSeconds(7 * 3600 + 49 * 60);
  niehenke.birthMoment = archive::momentOfBirth(niehenke);
  niehenke.source = "Geburtsurkunde";
  niehenke.notes = "Astrologe\n\nzweite Zeile";
  Person unknown = cologne("Weiß", "");
  unknown.birthTime.reset();
  unknown.birthMoment.reset();
  unknown.zone = "+00:21:48";
  unknown.latitude = archive::degreesOfArcSeconds(-(25 * 3600 + 44 * 60 + 52));
  unknown.longitude = archive::degreesOfArcSeconds(-(122 * 3600 + 25 * 60));
  unknown.zoneAbbreviation = "LMT";
  unknown.via = "Kollegin, Köln";
  EXPECT_EQ(written({niehenke, unknown}, AafEncoding::windows1252),
            "#: Personen aus dem Personenarchiv von Kelvaro\r\n"
            "\r\n"
            "#A93:Niehenke,Peter,*,9.5.1949,22:30,Hamm,D\r\n"
            "#B93:2433046.354167,51n41,7e49,1he00,1\r\n"
            "#ZNAM:Europe/Berlin\r\n"
            "#SRC:Geburtsurkunde\r\n"
            "#COM:Astrologe\r\n"
            "#COM:\r\n"
            "#COM:zweite Zeile\r\n"
            "\r\n"
            "#A93:Wei\xDF,*,w,5.3.1970,*,K\xF6ln,D\r\n"
            "#B93:*,25s44:52,122w25,0he21:48,0\r\n"
            "#ZNAM:LMT\r\n"
            "#VIA:Kollegin, K\xF6ln\r\n");
}

TEST(AafWriter, ExportThenImportGivesTheSamePersons) {
  std::vector<Person> persons;
  persons.push_back(cologne());  // a zone name, winter
  Person summer = cologne("Sommer", "Sven");
  summer.birthDate = {1990, 7, 1};
  summer.birthTime = archive::BirthTime{23, 59, 59, true};
  summer.birthMoment = archive::momentOfBirth(summer);
  persons.push_back(summer);
  Person doubleSummer = cologne("Doppelt", "");
  doubleSummer.birthDate = {1947, 6, 1};
  doubleSummer.zone = "Europe/Berlin";
  doubleSummer.birthMoment = archive::momentOfBirth(doubleSummer);
  persons.push_back(doubleSummer);
  Person offset = cologne("Versatz", "Olga");
  offset.zone = "-03:30";
  offset.birthMoment = archive::momentOfBirth(offset);
  offset.latitude = archive::degreesOfArcSeconds(-(33 * 3600 + 52 * 60 + 7));
  offset.longitude = archive::degreesOfArcSeconds(-(151 * 3600 + 12 * 60 + 59));
  persons.push_back(offset);
  Person universal = cologne("Welt", "Zeit");
  universal.zone = "UT";
  universal.birthMoment = archive::momentOfBirth(universal);
  persons.push_back(universal);
  Person noTime = cologne("Ohne", "Zeit");
  noTime.birthTime.reset();
  noTime.birthMoment.reset();
  persons.push_back(noTime);
  Person noTimeOffset = noTime;
  noTimeOffset.name = "OhneZeit";
  noTimeOffset.zone = "+01:00";
  persons.push_back(noTimeOffset);
  Person unchecked = cologne("Prüfen", "Paula");
  unchecked.kind = "e";
  unchecked.zone.clear();
  unchecked.latitude.reset();
  unchecked.longitude.reset();
  unchecked.birthMoment.reset();
  unchecked.zoneAbbreviation = "MEZ";
  unchecked.country.clear();
  persons.push_back(unchecked);
  Person notes = cologne("Notiz", "Nina");
  notes.source = "Mutter, mündlich";
  notes.via = "Praxis Weber";
  notes.notes = "Klientin seit 2019\n\nTermin #2: Saturn";
  persons.push_back(notes);
  // Before standard time, in the local mean time of Rome; a Julian date.
  Person historical = cologne("da Vinci", "Leonardo");
  historical.birthDate = {1452, 4, 14};
  historical.birthTime = archive::BirthTime{20, 56, 0, false};
  historical.zone = "Europe/Rome";
  historical.birthMoment = archive::momentOfBirth(historical);
  persons.push_back(historical);
  EXPECT_NE(written(persons, AafEncoding::utf8).find(",14.4.1452j,20:56,"), std::string::npos);

  for (const AafEncoding encoding : {AafEncoding::windows1252, AafEncoding::utf8}) {
    const std::vector<Person> back = readBack(written(persons, encoding));
    ASSERT_EQ(back.size(), persons.size());
    for (std::size_t i = 0; i < persons.size(); ++i) {
      EXPECT_EQ(back[i], withoutBookkeeping(persons[i])) << persons[i].name;
    }
  }
}

// A German desktop gives printf a decimal comma; the Julian day keeps its
// point, and the file reads back under that locale too.
TEST(AafWriter, WritesTheSameBytesUnderAGermanLocale) {
  Person person = cologne();
  person.birthTime = archive::BirthTime{14, 31, 7, true};
  person.birthMoment = archive::momentOfBirth(person);
  const std::string inC = written({person}, AafEncoding::utf8);
  ASSERT_NE(inC.find("#B93:2440651.0"), std::string::npos) << inC;
  const GermanLocale german;
#ifndef _WIN32
  ASSERT_TRUE(german.inEffect()) << "the locale de_DE.UTF-8 is missing (scripts/install-deps)";
#endif
  const std::string inGerman = written({person}, AafEncoding::utf8);
  EXPECT_EQ(inGerman, inC);
  const std::vector<Person> back = readBack(inGerman);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0], withoutBookkeeping(person));
}

TEST(AafWriter, Windows1252RefusesWhatItCannotHold) {
  Person polish = cologne("Wałęsa", "Lech");
  const auto refused = archive::aafFile({cologne(), polish}, AafEncoding::windows1252);
  ASSERT_TRUE(rejection(refused));
  EXPECT_EQ(rejection(refused)->message,
            "Bei Wałęsa, Lech steht das Zeichen \"ł\", das Windows-1252 nicht kennt. Bitte als "
            "UTF-8 exportieren.");
  const std::vector<Person> back = readBack(written({polish}, AafEncoding::utf8));
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].name, "Wałęsa");
}

}  // namespace
}  // namespace kelvaro::testing
