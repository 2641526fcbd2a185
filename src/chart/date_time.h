#pragma once

#include <chrono>
#include <compare>
#include <string>

// Days and clock times as people write them, and their texts. A date is
// written in the calendar of its day: the Julian calendar up to 04.10.1582,
// the Gregorian calendar from the day after, 15.10.1582, on (the days
// between were left out when the calendar changed).
namespace kelvaro::chart {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  friend auto operator<=>(const Date&, const Date&) = default;
};

struct ClockTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend auto operator<=>(const ClockTime&, const ClockTime&) = default;
};

// A date and a clock time as read on a wall clock.
struct LocalTime {
  Date date;
  ClockTime time;
  friend auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

enum class Calendar { julian, gregorian };

// The first day of the Gregorian calendar; every date before it is Julian.
inline constexpr Date kFirstGregorianDay{1582, 10, 15};

// The calendar a date is written in.
Calendar calendarOf(const Date& day);

// Leap years and month lengths of the calendar of the year (Julian up to
// 1582: every fourth year).
bool isLeapYear(int year);
int daysInMonth(int year, int month);
// Whether the date exists: a real day of its month, and not one of the
// days 05.10. to 14.10.1582 that the change of calendar left out.
bool isCalendarDay(const Date& day);

// Whether the date exists in the named calendar ("29.02.1700" is a Julian
// day, no Gregorian one).
bool isDayIn(Calendar calendar, const Date& day);

// The day of a date (in its calendar) on the proleptic Gregorian time line
// of std::chrono and the time-zone library, and the date of such a day.
std::chrono::sys_days daysOf(const Date& day);
Date dateOf(std::chrono::sys_days days);
// The day of a date written in the named calendar, whatever its year
// (a marked date of an exchange file: "24.12.1600j").
std::chrono::sys_days daysIn(Calendar calendar, const Date& day);

// The day after.
Date nextDay(const Date& day);

// "31.03.2024"
std::string dateText(const Date& day);
// "02:30"
std::string minuteText(const ClockTime& time);
// "02:30:00"
std::string clockText(const ClockTime& time);
// "31.03.2024 02:30:00"
std::string localTimeText(const LocalTime& local);

}  // namespace kelvaro::chart
