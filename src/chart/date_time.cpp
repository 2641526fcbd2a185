#include "chart/date_time.h"

#include <chrono>
#include <cstdio>

namespace kelvaro::chart {

namespace {

namespace c = std::chrono;

// The Julian day number of 1970-01-01, the first day of sys_days.
constexpr long kJulianDayOf1970 = 2440588;

// Julian day number of a date of the Julian calendar (years after 0).
long julianCalendarNumber(const Date& day) {
  const long a = (14 - day.month) / 12;
  const long y = day.year + 4800 - a;
  const long m = day.month + 12 * a - 3;
  return day.day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}

// The Julian calendar's date of a Julian day number (after year 0).
Date julianCalendarDate(long number) {
  const long c = number + 32082;
  const long d = (4 * c + 3) / 1461;
  const long e = c - 1461 * d / 4;
  const long m = (5 * e + 2) / 153;
  return {static_cast<int>(d - 4800 + m / 10), static_cast<int>(m + 3 - 12 * (m / 10)),
          static_cast<int>(e - (153 * m + 2) / 5 + 1)};
}

c::sys_days gregorianDays(const Date& day) {
  return c::sys_days(c::year_month_day(c::year(day.year),
                                       c::month(static_cast<unsigned>(day.month)),
                                       c::day(static_cast<unsigned>(day.day))));
}

}  // namespace

Calendar calendarOf(const Date& day) {
  return day < kFirstGregorianDay ? Calendar::julian : Calendar::gregorian;
}

bool isLeapYear(int year) {
  if (year <= kFirstGregorianDay.year) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isCalendarDay(const Date& day) {
  if (day.month < 1 || day.month > 12 || day.day < 1 || day.day > daysInMonth(day.year, day.month))
    return false;
  return day < Date{1582, 10, 5} || day >= kFirstGregorianDay;
}

bool isDayIn(Calendar calendar, const Date& day) {
  if (day.month < 1 || day.month > 12 || day.day < 1 || day.day > 31) return false;
  if (calendar == Calendar::julian) {
    return julianCalendarDate(julianCalendarNumber(day)) == day;
  }
  return c::year_month_day(c::year(day.year), c::month(static_cast<unsigned>(day.month)),
                           c::day(static_cast<unsigned>(day.day)))
      .ok();
}

c::sys_days daysIn(Calendar calendar, const Date& day) {
  if (calendar == Calendar::gregorian) return gregorianDays(day);
  return c::sys_days(c::days(julianCalendarNumber(day) - kJulianDayOf1970));
}

c::sys_days daysOf(const Date& day) { return daysIn(calendarOf(day), day); }

Date dateOf(c::sys_days days) {
  if (days < gregorianDays(kFirstGregorianDay)) {
    return julianCalendarDate(static_cast<long>(days.time_since_epoch().count()) +
                              kJulianDayOf1970);
  }
  const c::year_month_day ymd(days);
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

Date nextDay(const Date& day) { return dateOf(daysOf(day) + c::days(1)); }

// The fields are reduced to their widths, so that no text is ever cut.
std::string dateText(const Date& day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", day.day % 100, day.month % 100,
                day.year % 10000);
  return text;
}

std::string minuteText(const ClockTime& time) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", time.hour % 100, time.minute % 100);
  return text;
}

std::string clockText(const ClockTime& time) {
  char text[12];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour % 100, time.minute % 100,
                time.second % 100);
  return text;
}

std::string localTimeText(const LocalTime& local) {
  return dateText(local.date) + " " + clockText(local.time);
}

}  // namespace kelvaro::chart
