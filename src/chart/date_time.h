#pragma once

#include <compare>
#include <string>

// Days and clock times as people write them, in the Gregorian calendar, and
// their texts.
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

bool isLeapYear(int year);
int daysInMonth(int year, int month);

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
