// Reading AAF: the records of the format's own examples, every form of a
// field, the encodings and line ends, and records that must be refused
// without stopping the others.
#include "archive/aaf_reader.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "archive/person_builder.h"

namespace kelvaro::testing {
namespace {

using archive::AafRecord;
using archive::Person;

std::vector<AafRecord> read(const std::string& text) { return archive::readAaf(text); }

const Person& personOf(const AafRecord& record) {
  if (const Rejection* refused = rejection(record.person)) ADD_FAILURE() << refused->message;
  return std::get<Person>(record.person);
}

std::string faultOf(const AafRecord& record) {
  const Rejection* refused = rejection(record.person);
  return refused ? refused->message : "(kein Fehler)";
}

double arc(int degrees, int minutes, int seconds = 0) {
  const int sign = degrees < 0 ? -1 : 1;
  return archive::degreesOfArcSeconds(std::int64_t{sign} *
                                      (std::abs(degrees) * 3600 + minutes * 60 + seconds));
}

// The record the definition works through: the Julian day decides the
// moment, the zone is the offset it implies (zone 1 h east plus 1 h summer).
TEST(AafReader, TheDefinitionsWorkedExample) {
  const auto records = read(
      "#A93:Niehenke,Peter,*,9.5.1949,22:30,Hamm,D\n"
      "#B93:2433046.354167,51n41,7e49,1he,1\n");
  ASSERT_EQ(records.size(), 1u);
  const Person& person = personOf(records[0]);
  EXPECT_EQ(records[0].line, 1);
  EXPECT_FALSE(records[0].withoutCoordinates);
  EXPECT_EQ(person.name, "Niehenke");
  EXPECT_EQ(person.firstName, "Peter");
  EXPECT_EQ(person.kind, "");
  EXPECT_EQ(person.birthDate.year, 1949);
  EXPECT_EQ(person.birthTime, (archive::BirthTime{22, 30, 0, false}));
  EXPECT_EQ(person.birthMoment, utc(1949, 5, 9, 20, 30));
  EXPECT_EQ(person.zone, "+02:00");
  EXPECT_EQ(person.latitude, arc(51, 41));
  EXPECT_EQ(person.longitude, arc(7, 49));
  EXPECT_EQ(person.place, "Hamm");
  EXPECT_EQ(person.country, "D");
}

// Without a Julian day: zone difference plus summer time; a #ZNAM naming a
// zone of the same offset becomes the zone, the comment the notes.
TEST(AafReader, ZoneFromDifferenceAndSummerTime) {
  const auto records = read(
      "#:========= AAF-Beispieldatei: ============\n"
      "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n"
      "#B93:*,49n05,8e11,1he,0\n"
      "#ZNAM:Europe/Berlin\n"
      "#COM:Programmierer der nützlichen AAF-DLL\n"
      "#A93:Sen,Ravi,m,5.1.1990,4:05,Mumbai,IND\n"
      "#B93:*,19n04:34,72e52:40,+05:30,0\n"
      "#ZNAM:IST\n"
      "#A93:Hopper,Grace,w,9.12.1906,9:00:30,New York,USA\n"
      "#B93:*,40n42,74w00,5hw00,0\n"
      "#A93:Sommer,Sonja,f,1.7.1990,12:00,Bonn,D\n"
      "#B93:*,50n44,7e06,1,1\n");
  ASSERT_EQ(records.size(), 4u);
  const Person& ferber = personOf(records[0]);
  EXPECT_EQ(records[0].line, 2);
  EXPECT_EQ(ferber.zone, "Europe/Berlin");
  EXPECT_EQ(ferber.zoneAbbreviation, "");
  EXPECT_EQ(ferber.birthMoment, utc(1970, 9, 27, 10, 4));
  EXPECT_EQ(ferber.notes, "Programmierer der nützlichen AAF-DLL");
  const Person& sen = personOf(records[1]);
  EXPECT_EQ(sen.zone, "+05:30");
  EXPECT_EQ(sen.zoneAbbreviation, "IST");
  EXPECT_EQ(sen.birthMoment, utc(1990, 1, 4, 22, 35));
  EXPECT_EQ(sen.latitude, arc(19, 4, 34));
  EXPECT_EQ(sen.longitude, arc(72, 52, 40));
  const Person& hopper = personOf(records[2]);
  EXPECT_EQ(hopper.zone, "-05:00");
  EXPECT_EQ(hopper.longitude, arc(-74, 0));
  EXPECT_EQ(hopper.birthTime, (archive::BirthTime{9, 0, 30, true}));
  EXPECT_EQ(hopper.birthMoment, utc(1906, 12, 9, 14, 0, 30));
  const Person& sommer = personOf(records[3]);
  EXPECT_EQ(sommer.zone, "+02:00");
  EXPECT_EQ(sommer.birthMoment, utc(1990, 7, 1, 10, 0));
}

// Local mean time ("L"): 5°27' east is 21 min 48 s; with the Julian day the
// offset to the second comes from it.
TEST(AafReader, LocalMeanTime) {
  const auto records = read(
      "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
      "#B93:2392758.526528,43n31,5e27,*,L\n"
      "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
      "#B93:*,43n31,5e27,*,L\n");
  ASSERT_EQ(records.size(), 2u);
  for (const AafRecord& record : records) {
    EXPECT_EQ(personOf(record).zone, "+00:21:48");
    EXPECT_EQ(personOf(record).birthMoment, utc(1839, 1, 19, 0, 38, 12));
  }
}

// Before 15.10.1582 a date is Julian; "j" and "g" name the calendar of any
// date. The Julian day of #B93 (local mean time of 10e55, 0:43:40) fits
// the Julian date of 1452 only.
TEST(AafReader, JulianAndGregorianDates) {
  const auto records = read(
      "#A93:da Vinci,Leonardo,m,14.4.1452,20:56,Vinci,I\n"
      "#B93:2251505.341898,43n47,10e55,*,L\n"
      "#A93:da Vinci,Leonardo,m,23.4.1452g,20:56,Vinci,I\n"
      "#B93:2251505.341898,43n47,10e55,*,L\n"
      "#A93:Gregorianisch,*,m,14.4.1452G,20:56,Vinci,I\n"
      "#B93:2251505.341898,43n47,10e55,*,L\n"
      "#A93:Julianisch,*,m,24.12.1600j,12:00,Vinci,I\n"
      "#A93:Julianisch,*,m,3.1.1601J,12:00,Vinci,I\n");
  ASSERT_EQ(records.size(), 5u);
  for (std::size_t i : {0, 1}) {
    EXPECT_EQ(personOf(records[i]).birthDate, (chart::Date{1452, 4, 14}));
    EXPECT_EQ(personOf(records[i]).zone, "+00:43:40");
    EXPECT_EQ(personOf(records[i]).birthMoment, utc(1452, 4, 23, 20, 12, 20));
  }
  EXPECT_EQ(faultOf(records[2]),
            "Der julianische Tag 2251505.341898 (14.04.1452 20:12:20 UT) passt nicht zu Datum, "
            "Zeit und Zone (05.04.1452 20:12:20 UT).");
  EXPECT_EQ(personOf(records[3]).birthDate, (chart::Date{1601, 1, 3}));
  EXPECT_EQ(personOf(records[4]).birthDate, (chart::Date{1601, 1, 13}));
}

// Unknown values, blanks around fields, continuation lines, every line end,
// and the blocks of a sub-horoscope.
TEST(AafReader, UnknownsBlanksContinuationsAndLineEnds) {
  const auto records = read(
      "#A93:  Ereignis , * ,E, 24.12.1992 ,*,Frei\r\n"
      "burg , D \r\n"
      "#COM:erste\r"
      "#LPOS:So16Sg53:00,Mo29Le06:17\r"
      "#COM: zweite, mit Komma \n"
      "#SRC:Standesamt\n"
      "#VIA:Kollegin\n"
      "#SUB1_ALT:^,^,^,^,09:22,^,^\n"
      "#B93:*,40n42,74w00,5hw00,0\n"
      "#COM:gehört zum Unterhoroskop\n"
      "\n"
      "#A93:Zweiter,*,m,1.1.1900,0:00,*,*\n");
  ASSERT_EQ(records.size(), 2u);
  const Person& event = personOf(records[0]);
  EXPECT_TRUE(records[0].withoutCoordinates);
  EXPECT_EQ(event.name, "Ereignis");
  EXPECT_EQ(event.firstName, "");
  EXPECT_EQ(event.kind, "E");
  EXPECT_FALSE(event.birthTime);
  EXPECT_FALSE(event.birthMoment);
  EXPECT_EQ(event.place, "Freiburg");
  EXPECT_EQ(event.country, "D");
  EXPECT_EQ(event.notes, "erste\nzweite, mit Komma");
  EXPECT_EQ(event.source, "Standesamt");
  EXPECT_EQ(event.via, "Kollegin");
  EXPECT_FALSE(event.latitude);
  EXPECT_TRUE(archive::placeUnchecked(event));
  EXPECT_EQ(records[1].line, 12);
  EXPECT_EQ(personOf(records[1]).place, "");
}

TEST(AafReader, Windows1252AndUtf8AreRecognised) {
  const std::string windows =
      "#A93:M\xFC"
      "ller,J\xFCrgen,m,1.2.1960,10:00,K\xF6ln,D\r\n";
  const std::string utf8 = "\xEF\xBB\xBF#A93:Müller,Jürgen,m,1.2.1960,10:00,Köln,D\n";
  for (const std::string& file : {windows, utf8}) {
    const auto records = read(file);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(personOf(records[0]).name, "Müller");
    EXPECT_EQ(personOf(records[0]).firstName, "Jürgen");
    EXPECT_EQ(personOf(records[0]).place, "Köln");
  }
  // "€" is 0x80 in Windows-1252.
  EXPECT_EQ(personOf(read("#A93:Euro\x80,*,m,1.2.1960,10:00,*,*\n")[0]).name, "Euro€");
}

// Each faulty record is reported with its line; the records around it are read.
TEST(AafReader, FaultyRecordsLeaveTheOthersAlone) {
  const auto records = read(
      "#A93:Gut,Eins,m,1.2.1960,10:00,Köln,D\n"
      "#A93:Garms,Martin,11.10.1958,1.10,Brilon-Wald, D\n"
      "#A93:Datum,*,m,31.2.1970,10:00,Köln,D\n"
      "#A93:Zeit,*,m,1.2.1970,25:00,Köln,D\n"
      "#A93:Breite,*,m,1.2.1970,10:00,Köln,D\n"
      "#B93:*,91n00,6e57,1he00,0\n"
      "#A93:Tag,*,m,9.5.1950,22:30,Hamm,D\n"
      "#B93:2433046.354167,51n41,7e49,1he,1\n"
      "#A93:Julianisch,*,m,30.2.1949j,22:30,Hamm,D\n"
      "#A93:Felder,*,m,9.5.1949,22:30,Hamm,D\n"
      "#B93:*,51n41,7e49,1he\n"
      "#A93:Zweimal,*,m,9.5.1949,22:30,Hamm,D\n"
      "#B93:*,51n41,7e49,1he,1\n"
      "#B93:*,51n41,7e49,1he,1\n"
      "#A93:Alt,*,m,28.8.3001,12:00,Frankfurt,D\n"
      "#A93:Zone,*,m,1.2.1970,10:00,Köln,D\n"
      "#B93:*,50n56,6e57,1hx00,0\n"
      "#A93:Sommer,*,m,1.2.1970,10:00,Köln,D\n"
      "#B93:*,50n56,6e57,1he00,3\n"
      "#A93:Gut,Zwei,m,1.2.1960,10:00,Köln,D\n");
  const std::vector<std::pair<int, std::string>> expected = {
      {1, "(kein Fehler)"},
      {2, "#A93 hat 6 statt 7 Felder."},
      {3, "Geburtsdatum: \"31.2.1970\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ angeben."},
      {4,
       "Geburtszeit: \"25:00\" ist keine gültige Uhrzeit. Bitte als HH:MM oder HH:MM:SS "
       "angeben (00:00 bis 23:59:59)."},
      {5, "\"91n00\" ist keine Breite wie 49n05."},
      {7,
       "Der julianische Tag 2433046.354167 (09.05.1949 20:30:00 UT) passt nicht zu Datum, Zeit "
       "und Zone (09.05.1950 20:30:00 UT)."},
      {9, "Geburtsdatum: \"30.2.1949\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ angeben."},
      {10, "#B93 hat 4 statt 5 Felder."},
      {12, "Der Datensatz hat zwei #B93-Blöcke."},
      {15, "Geburtsdatum: Das Jahr 3001 liegt nicht zwischen 1000 und 2999."},
      {16, "\"1hx00\" ist keine Zonendifferenz wie 1he00."},
      {18, "\"3\" ist keine Sommerzeit (0, 1, 2, L oder m)."},
      {20, "(kein Fehler)"},
  };
  ASSERT_EQ(records.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(records[i].line, expected[i].first);
    EXPECT_EQ(faultOf(records[i]), expected[i].second) << "record of line " << records[i].line;
  }
}

TEST(AafReader, AZoneNameOfAnotherOffsetStaysAnAbbreviation) {
  // Berlin had summer time on 1 July 1990: +02:00, not the +01:00 given.
  const auto records = read(
      "#A93:Falsch,*,m,1.7.1990,12:00,Bonn,D\n"
      "#B93:*,50n44,7e06,1he00,0\n"
      "#ZNAM:Europe/Berlin\n"
      "#A93:Ohne,Zeit,m,1.7.1990,*,Bonn,D\n"
      "#B93:*,50n44,7e06,*,*\n"
      "#ZNAM:Europe/Berlin\n"
      "#A93:Ohne,B93,m,1.7.1990,12:00,Bonn,D\n"
      "#ZNAM:Europe/Berlin\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(personOf(records[0]).zone, "+01:00");
  EXPECT_EQ(personOf(records[0]).zoneAbbreviation, "Europe/Berlin");
  EXPECT_EQ(personOf(records[0]).birthMoment, utc(1990, 7, 1, 11, 0));
  // Without a time, the name is the best there is.
  EXPECT_EQ(personOf(records[1]).zone, "Europe/Berlin");
  EXPECT_FALSE(personOf(records[1]).birthMoment);
  // Without #B93 the name alone tells the zone (and the export writes it so).
  EXPECT_EQ(personOf(records[2]).zone, "Europe/Berlin");
  EXPECT_EQ(personOf(records[2]).zoneAbbreviation, "");
  EXPECT_EQ(personOf(records[2]).birthMoment, utc(1990, 7, 1, 10, 0));
}

// The Julian day decides the moment only where the rest of the record
// agrees: within a minute of the moment date, time and zone give; on the
// birth date where the time is unknown.
TEST(AafReader, AJulianDayMustFitTheRecord) {
  const std::string koeln = "#A93:Köln,*,m,1.2.1970,10:00,Köln,D\n#B93:";
  const auto records = read(koeln + "2440619.375694,50n56,6e57,1he00,0\n" +  // 21:01 UT
                            koeln + "2440618.875347,50n56,6e57,1he00,0\n" +  // 09:00:30 UT
                            koeln + "2440618.875,50n56,6e57,*,*\n" +
                            "#A93:Bonn,*,m,1.7.1990,12:00,Bonn,D\n"
                            "#B93:2448073.916667,50n44,7e06,1he00,*\n"  // summer time unknown
                            "#A93:Ohne,Zeit,m,1.2.1970,*,Köln,D\n"
                            "#B93:2441348.875,50n56,6e57,1he00,0\n"  // two years later
                            "#A93:Ohne,Zeit,m,1.2.1970,*,Köln,D\n"
                            "#B93:2440618.875,50n56,6e57,1he00,0\n"
                            "#A93:Fern,*,m,1.2.1970,10:00,Köln,D\n"
                            "#B93:99999999,50n56,6e57,1he00,0\n");
  ASSERT_EQ(records.size(), 7u);
  EXPECT_EQ(faultOf(records[0]),
            "Der julianische Tag 2440619.375694 (01.02.1970 21:01:00 UT) passt nicht zu Datum, "
            "Zeit und Zone (01.02.1970 09:00:00 UT).");
  EXPECT_EQ(personOf(records[1]).birthMoment, utc(1970, 2, 1, 9, 0, 30));
  EXPECT_EQ(personOf(records[2]).zone, "+01:00");  // no zone given: the day's offset
  EXPECT_EQ(personOf(records[3]).zone, "+02:00");
  EXPECT_EQ(faultOf(records[4]),
            "Der julianische Tag 2441348.875 (01.02.1972 09:00:00 UT) fällt nicht auf das "
            "Geburtsdatum 01.02.1970.");
  EXPECT_EQ(personOf(records[5]).birthMoment, utc(1970, 2, 1, 9, 0));
  EXPECT_EQ(faultOf(records[6]), "\"99999999\" ist kein julianischer Tag der Jahre 1000 bis 2999.");
}

// The format's own example writes the local mean time as "m" and its
// difference out; both forms come in with the offset of the longitude.
TEST(AafReader, LocalMeanTimeAsTheFormatsExampleWritesIt) {
  for (const char* b93 : {"#B93:2392758.526528,43n31,5e27,0e21:48,m\n",
                          "#B93:*,43n31,5e27,0e21:48,m\n", "#B93:*,43n31,5e27,*,M\n"}) {
    const auto records =
        read(std::string("#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n") + b93);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(personOf(records[0]).zone, "+00:21:48") << b93;
    EXPECT_EQ(personOf(records[0]).birthMoment, utc(1839, 1, 19, 0, 38, 12)) << b93;
  }
}

// The latitudes every entry of a place takes, the same as kelvaro-persons add.
TEST(AafReader, LatitudesBeyond89Degrees59MinutesAreFaulty) {
  for (const char* latitude : {"90n00", "90s00", "89n59:59"}) {
    const auto records = read(std::string("#A93:Pol,*,m,1.2.1970,10:00,*,*\n#B93:*,") + latitude +
                              ",0e00,0he00,0\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(faultOf(records[0]), std::string("Breite: \"") + latitude +
                                       "\" liegt außerhalb von 89°59' S bis 89°59' N.");
  }
  const auto edge = read("#A93:Nah,*,m,1.2.1970,10:00,*,*\n#B93:*,89s59,180w00,0he00,0\n");
  EXPECT_EQ(personOf(edge[0]).latitude, arc(-89, 59));
}

// Each line is read by its own encoding; a file that mixes them says which
// lines were read as Windows-1252.
TEST(AafReader, EachLineIsReadInItsOwnEncoding) {
  archive::AafReader reader(
      "#A93:Müller,Jürgen,m,1.2.1960,10:00,Köln,D\n"
      "#A93:M\xFCller,Anna,w,1.2.1960,10:00,K\xF6ln,D\n"
      "#COM:ohne Umlaut\n"
      "#COM:mit \x80\n");
  std::vector<std::string> names;
  while (auto record = reader.next()) names.push_back(personOf(*record).name);
  EXPECT_EQ(names, (std::vector<std::string>{"Müller", "Müller"}));
  EXPECT_EQ(archive::mixedEncodingNote(reader.encoding()),
            "Zeilen 2 und 4 sind kein UTF-8 und wurden als Windows-1252 gelesen, die übrigen "
            "Zeilen als UTF-8.");
  // One encoding throughout: nothing to say.
  archive::AafReader windows("#A93:M\xFCller,Anna,w,1.2.1960,10:00,K\xF6ln,D\n");
  while (windows.next()) {
  }
  EXPECT_EQ(archive::mixedEncodingNote(windows.encoding()), std::nullopt);
  std::string many = "#A93:Müller,Jürgen,m,1.2.1960,10:00,Köln,D\n";
  for (int i = 0; i < 25; ++i) many += "#COM:\xE4\n";
  archive::AafReader longer(many);
  while (longer.next()) {
  }
  EXPECT_EQ(archive::mixedEncodingNote(longer.encoding()),
            "Zeilen 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, … "
            "(insgesamt 25) sind kein UTF-8 und wurden als Windows-1252 gelesen, die übrigen "
            "Zeilen als UTF-8.");
}

// A record keeps at most 64 KB of text; blocks Kelvaro does not use are
// read past however long they are.
TEST(AafReader, OverlongRecordsAreFaultyAndTheNextIsRead) {
  const std::string good = "#A93:Gut,*,m,1.2.1960,10:00,Köln,D\n";
  const auto records =
      read("#A93:Lang,*,m,1.2.1960,10:00,Köln,D\n#COM:" + std::string(70000, 'x') + "\n" + good +
           "#LPOS:" + std::string(1 << 20, 'y') + "\n" + "#A93:Fortsetzung,*,m,1.2.1960," +
           std::string(70000, '1') + "\n" + good);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(faultOf(records[0]),
            "Der Datensatz ist länger als 64 KB; so lange Angaben nimmt das Archiv nicht.");
  EXPECT_EQ(personOf(records[1]).name, "Gut");
  EXPECT_EQ(records[2].line, 5);
  EXPECT_EQ(faultOf(records[2]), faultOf(records[0]));
  EXPECT_EQ(personOf(records[3]).name, "Gut");
}

}  // namespace
}  // namespace kelvaro::testing
