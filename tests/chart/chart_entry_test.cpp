#include "chart/chart_entry.h"

#include <gtest/gtest.h>

namespace kelvaro::chart {
namespace {

std::optional<double> latitude(std::string_view text) {
  const auto checked = checkLatitude("Breite", text);
  if (rejection(checked)) return std::nullopt;
  return std::get<double>(checked);
}

std::optional<double> longitude(std::string_view text) {
  const auto checked = checkLongitude("Länge", text);
  if (rejection(checked)) return std::nullopt;
  return std::get<double>(checked);
}

TEST(ChartEntry, CoordinatesInEveryForm) {
  EXPECT_NEAR(*latitude("50°56' N"), 50 + 56 / 60.0, 1e-12);
  EXPECT_NEAR(*latitude(" 50°56'30\" s "), -(50 + 56 / 60.0 + 30 / 3600.0), 1e-12);
  EXPECT_NEAR(*latitude("-33,87"), -33.87, 1e-12);
  EXPECT_NEAR(*latitude("89°59' S"), -(89 + 59 / 60.0), 1e-12);
  EXPECT_NEAR(*longitude("6°57' O"), 6.95, 1e-12);
  EXPECT_NEAR(*longitude("6°57' E"), 6.95, 1e-12);
  EXPECT_NEAR(*longitude("151°12' W"), -151.2, 1e-12);
  EXPECT_NEAR(*longitude("+180"), 180, 1e-12);
  for (const char* bad : {"", "N", "50°56'", "50°60' N", "50°56' O", "90°00' N", "89.99", "50.",
                          ".5", "50°56' N x", "1e1", "--5"}) {
    EXPECT_FALSE(latitude(bad)) << bad;
  }
  for (const char* bad : {"6°57' N", "180.01", "181°00' W", "6,95 O"}) {
    EXPECT_FALSE(longitude(bad)) << bad;
  }
  EXPECT_EQ(rejection(checkLatitude("Breite des Geburtsorts", "90"))->message,
            "Breite des Geburtsorts: \"90\" liegt außerhalb von 89°59' S bis 89°59' N.");
}

TEST(ChartEntry, CoordinateTextsRoundToTheArcMinute) {
  EXPECT_EQ(latitudeText(50.9333), "50°56' N");
  EXPECT_EQ(latitudeText(-33.8678), "33°52' S");
  EXPECT_EQ(latitudeText(-0.001), "00°00' N");
  EXPECT_EQ(longitudeText(6.95), "06°57' O");
  EXPECT_EQ(longitudeText(151.2073), "151°12' O");
  EXPECT_EQ(longitudeText(-9.99999), "10°00' W");
  // Entry texts keep the arc seconds and read back.
  EXPECT_EQ(latitudeEntryText(-33.8678), "33°52'04\" S");
  EXPECT_NEAR(*latitude(latitudeEntryText(-33.8678)), -33.8678, 1 / 7200.0);
  EXPECT_NEAR(*longitude(longitudeEntryText(151.2073)), 151.2073, 1 / 7200.0);
}

TEST(ChartEntry, DatesAndTimes) {
  EXPECT_FALSE(rejection(checkDate("Datum", "29.02.2000")));
  EXPECT_FALSE(rejection(checkDate("Datum", "1.3.1800")));
  EXPECT_FALSE(rejection(checkDate("Datum", "31.12.2399")));
  EXPECT_FALSE(rejection(checkDate("Datum", "01.01.1000")));
  EXPECT_FALSE(rejection(checkDate("Datum", "31.12.2999")));
  // Typed without dots: eight digits are day, month and year.
  const auto undotted = checkDate("Datum", "05032026");
  ASSERT_FALSE(rejection(undotted));
  EXPECT_EQ(std::get<Date>(undotted).day, 5);
  EXPECT_EQ(std::get<Date>(undotted).month, 3);
  EXPECT_EQ(std::get<Date>(undotted).year, 2026);
  for (const char* bad : {"29.02.1900", "31.04.2000", "00.01.2000", "01.13.2000", "01.01.20",
                          "01-01-2000", "01.01.2000 12:00", "31.12.0999", "30022026", "0101202",
                          "010120260", "1.1.2026.", "31129999"}) {
    EXPECT_TRUE(rejection(checkDate("Datum", bad))) << bad;
  }
  EXPECT_EQ(rejection(checkDate("Geburtsdatum", "01.01.3000"))->message,
            "Geburtsdatum: Das Jahr 3000 liegt nicht zwischen 1000 und 2999.");
  EXPECT_EQ(rejection(checkDate("Geburtsdatum", "31.12.0999"))->message,
            "Geburtsdatum: Das Jahr 999 liegt nicht zwischen 1000 und 2999.");
  // Two digits are no year of that range but a date written short.
  EXPECT_EQ(rejection(checkDate("Datum", "01.01.20"))->message,
            "Datum: \"01.01.20\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ angeben.");
  const auto time = checkTime("Zeit", "7:05");
  ASSERT_FALSE(rejection(time));
  EXPECT_EQ(std::get<ClockTime>(time).hour, 7);
  EXPECT_EQ(std::get<ClockTime>(checkTime("Zeit", "23:59:59")).second, 59);
  for (const char* bad : {"", "24:00", "12:60", "12:00:60", "12", "12:00:", "12.00"}) {
    EXPECT_TRUE(rejection(checkTime("Zeit", bad))) << bad;
  }
}

// Before 15.10.1582 a date is Julian: its leap years are every fourth; the
// days that the change of calendar left out do not exist.
TEST(ChartEntry, DatesBeforeTheGregorianCalendarAreJulian) {
  const auto date = [](const char* text, std::optional<Calendar> written = std::nullopt) {
    const auto checked = checkDate("Geburtsdatum", text, written);
    return rejection(checked) ? Date{} : std::get<Date>(checked);
  };
  EXPECT_EQ(date("14.4.1452"), (Date{1452, 4, 14}));
  EXPECT_EQ(date("29.02.1500"), (Date{1500, 2, 29}));  // a Julian leap day
  EXPECT_EQ(date("04.10.1582"), (Date{1582, 10, 4}));
  EXPECT_EQ(date("15.10.1582"), (Date{1582, 10, 15}));
  EXPECT_EQ(date("29.02.1700"), Date{});  // Gregorian from 1582 on
  EXPECT_EQ(rejection(checkDate("Geburtsdatum", "10.10.1582"))->message,
            "Geburtsdatum: Den 10.10.1582 gibt es nicht: Auf den 04.10.1582 (julianischer "
            "Kalender) folgte der 15.10.1582 (gregorianischer Kalender).");
  // A date marked with its calendar, in the calendar of its day.
  EXPECT_EQ(date("10.10.1582", Calendar::gregorian), (Date{1582, 9, 30}));
  EXPECT_EQ(date("23.04.1452", Calendar::gregorian), (Date{1452, 4, 14}));
  EXPECT_EQ(date("24.12.1600", Calendar::julian), (Date{1601, 1, 3}));
  EXPECT_EQ(date("29.02.1700", Calendar::julian), (Date{1700, 3, 11}));
  EXPECT_EQ(date("29.02.1500", Calendar::gregorian), Date{});
  EXPECT_EQ(rejection(checkDate("Geburtsdatum", "31.12.2999", Calendar::julian))->message,
            "Geburtsdatum: Das Jahr 3000 liegt nicht zwischen 1000 und 2999.");
}

ChartEntry cologne() {
  return {"Müller", "Anna",       "05.03.1970", "14:30",  "Europe/Berlin", "50°56' N", "6°57' O",
          "Köln",   "08.12.2026", "12:00",      "+01:00", "50.9333",       "6.95"};
}

// A second sign, a second hemisphere letter and minutes or seconds of one
// digit are no format of their own: each gets the message of a wrong format.
TEST(ChartEntry, DoubledSignsLettersAndShortMinutesAreRefused) {
  const std::string degrees = "\" ist keine Angabe in Grad. Bitte als ";
  EXPECT_EQ(rejection(checkLatitude("Breite des Transitorts", "+-5"))->message,
            "Breite des Transitorts: \"+-5" + degrees + "50.9333 oder 50°56' N angeben.");
  for (const char* bad : {"+-5", "-+5", "++5", "6°57' OE", "6°57' EO", "6°57' OO"}) {
    EXPECT_FALSE(longitude(bad)) << bad;
  }
  EXPECT_EQ(rejection(checkLongitude("Länge", "6°57' OE"))->message,
            "Länge: \"6°57' OE" + degrees + "6.95 oder 06°57' O angeben.");
  EXPECT_FALSE(latitude("50°56' NN"));
  const std::string format =
      "\" ist keine gültige Uhrzeit. Bitte als HH:MM oder HH:MM:SS angeben (00:00 bis 23:59:59).";
  EXPECT_EQ(rejection(checkTime("Transitzeit", "07:5"))->message, "Transitzeit: \"07:5" + format);
  EXPECT_EQ(rejection(checkTime("Transitzeit", "14:30:5"))->message,
            "Transitzeit: \"14:30:5" + format);
  EXPECT_EQ(std::get<ClockTime>(checkTime("Zeit", "7:05:09")).second, 9);
  EXPECT_NEAR(*longitude("-5"), -5, 1e-12);
  EXPECT_NEAR(*longitude("+5"), 5, 1e-12);
}

// No-break spaces, vertical tabs and line ends are blanks like spaces: a
// name of nothing else is no name.
TEST(ChartEntry, ANameOfOnlyBlanksOfAnyKindIsEmpty) {
  for (const std::string blanks : {"\xC2\xA0", "\xC2\xA0 \xC2\xA0", "\v", "\n", "\r\n", "\f\t"}) {
    const auto name = checkTextField("Name", blanks, true);
    ASSERT_TRUE(rejection(name)) << blanks;
    EXPECT_EQ(rejection(name)->message, "Name: Bitte angeben.");
    EXPECT_EQ(std::get<std::string>(checkTextField("Vorname", blanks, false)), "") << blanks;
  }
  EXPECT_EQ(std::get<std::string>(checkTextField("Name", "\xC2\xA0M\xC2\xA0x\n", true)),
            "M\xC2\xA0x");
  ChartEntry entry = cologne();
  entry.name = "\xC2\xA0\xC2\xA0";
  EXPECT_EQ(std::get<ChartRefusal>(checkChartEntry(entry)).field, ChartField::name);
}

TEST(ChartEntry, TheFirstRefusedFieldIsNamed) {
  EXPECT_TRUE(std::holds_alternative<ChartRequest>(checkChartEntry(cologne())));
  struct Case {
    void (*change)(ChartEntry&);
    ChartField field;
  };
  const Case cases[] = {
      {[](ChartEntry& e) { e.name = " "; }, ChartField::name},
      {[](ChartEntry& e) { e.firstName = "Łucja"; }, ChartField::firstName},
      {[](ChartEntry& e) { e.birthTime = "25:00"; }, ChartField::birthTime},
      {[](ChartEntry& e) { e.birthZone = "Europe/Cologne"; }, ChartField::birthZone},
      {[](ChartEntry& e) { e.place = std::string(256, 'x'); }, ChartField::place},
      {[](ChartEntry& e) { e.transitLongitude = "200"; }, ChartField::transitLongitude},
      // A repeated hour is refused at its zone, after all fields are checked.
      {[](ChartEntry& e) {
         e.transitDate = "25.10.2026";
         e.transitTime = "02:30";
         e.transitZone = "Europe/Berlin";
         e.transitLatitude = "x";
       },
       ChartField::transitLatitude},
      {[](ChartEntry& e) {
         e.transitDate = "25.10.2026";
         e.transitTime = "02:30";
         e.transitZone = "Europe/Berlin";
       },
       ChartField::transitZone},
      {[](ChartEntry& e) {
         e.transitDate = "05.03.1970";
         e.transitTime = "13:29";
         e.transitZone = "UT";
       },
       ChartField::transitDate},
  };
  for (const Case& c : cases) {
    ChartEntry entry = cologne();
    c.change(entry);
    const auto checked = checkChartEntry(entry);
    ASSERT_TRUE(std::holds_alternative<ChartRefusal>(checked)) << static_cast<int>(c.field);
    EXPECT_EQ(std::get<ChartRefusal>(checked).field, c.field);
  }
  // The birth at 14:30 in Berlin is 13:30 UT: a transit at that moment is fine.
  ChartEntry same = cologne();
  same.transitDate = "05.03.1970";
  same.transitTime = "13:30";
  same.transitZone = "UTC";
  EXPECT_TRUE(std::holds_alternative<ChartRequest>(checkChartEntry(same)));
}

TEST(ChartEntry, RefusedCharactersAreNamed) {
  ChartEntry entry = cologne();
  entry.firstName = "Łucja";
  EXPECT_EQ(std::get<ChartRefusal>(checkChartEntry(entry)).message,
            "Vorname: Das Zeichen \"Ł\" lässt sich in der Transit-Datei nicht speichern "
            "(Windows-1252).");
  EXPECT_EQ(std::get<std::string>(checkTextField("Ort", " Köln – Süd € ", false)), "Köln – Süd €");
  EXPECT_EQ(std::get<std::string>(checkTextField("Ort", std::string(255, 'x'), false)).size(),
            255u);
}

}  // namespace
}  // namespace kelvaro::chart
