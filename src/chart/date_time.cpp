#include "chart/date_time.h"

#include <chrono>
#include <cstdio>

namespace kelvaro::chart {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

Date nextDay(const Date& day) {
  namespace c = std::chrono;
  const c::year_month_day given(c::year(day.year), c::month(static_cast<unsigned>(day.month)),
                                c::day(static_cast<unsigned>(day.day)));
  const c::year_month_day next(c::sys_days(given) + c::days(1));
  return {static_cast<int>(next.year()), static_cast<int>(static_cast<unsigned>(next.month())),
          static_cast<int>(static_cast<unsigned>(next.day()))};
}

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
