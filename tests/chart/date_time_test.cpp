#include "chart/date_time.h"

#include <gtest/gtest.h>

namespace kelvaro::chart {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

TEST(DateTime, TheChangeOfCalendarOnTheTimeLine) {
  // 04.10.1582 (Julian) was followed by 15.10.1582 (Gregorian).
  EXPECT_EQ(nextDay({1582, 10, 4}), (Date{1582, 10, 15}));
  EXPECT_EQ(daysOf({1582, 10, 4}) + days(1), daysOf({1582, 10, 15}));
  EXPECT_EQ(dateOf(daysOf({1582, 10, 15}) - days(1)), (Date{1582, 10, 4}));
  EXPECT_EQ(calendarOf({1582, 10, 4}), Calendar::julian);
  EXPECT_EQ(calendarOf({1582, 10, 15}), Calendar::gregorian);
  // The Julian 14.04.1452 is the proleptic Gregorian 23.04.1452.
  EXPECT_EQ(daysOf({1452, 4, 14}), sys_days(std::chrono::year(1452) / std::chrono::April / 23));
  EXPECT_EQ(daysIn(Calendar::gregorian, {1452, 4, 23}), daysOf({1452, 4, 14}));
  // Gregorian days are std::chrono's.
  EXPECT_EQ(daysOf({1970, 1, 1}).time_since_epoch(), days(0));
  EXPECT_EQ(nextDay({2000, 2, 28}), (Date{2000, 2, 29}));
  EXPECT_EQ(nextDay({1500, 2, 28}), (Date{1500, 2, 29}));
  EXPECT_EQ(nextDay({1999, 12, 31}), (Date{2000, 1, 1}));
}

TEST(DateTime, EveryDayOfTheYearsOneAfterAnother) {
  Date day{1000, 1, 1};
  for (sys_days at = daysOf(day); day.year < 3000; at += days(1)) {
    ASSERT_TRUE(isCalendarDay(day)) << dateText(day);
    ASSERT_EQ(daysOf(day), at) << dateText(day);
    ASSERT_EQ(dateOf(at), day) << dateText(day);
    day = nextDay(day);
  }
  EXPECT_EQ(day, (Date{3000, 1, 1}));
}

TEST(DateTime, DaysOfEachCalendar) {
  EXPECT_TRUE(isLeapYear(1500));
  EXPECT_FALSE(isLeapYear(1700));
  EXPECT_TRUE(isLeapYear(2000));
  EXPECT_EQ(daysInMonth(1500, 2), 29);
  EXPECT_FALSE(isCalendarDay({1582, 10, 5}));
  EXPECT_FALSE(isCalendarDay({1582, 10, 14}));
  EXPECT_TRUE(isDayIn(Calendar::julian, {1700, 2, 29}));
  EXPECT_FALSE(isDayIn(Calendar::gregorian, {1700, 2, 29}));
  EXPECT_TRUE(isDayIn(Calendar::gregorian, {1582, 10, 10}));
  EXPECT_FALSE(isDayIn(Calendar::julian, {1582, 4, 31}));
}

}  // namespace
}  // namespace kelvaro::chart
