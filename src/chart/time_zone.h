#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "chart/date_time.h"
#include "core/checked.h"

namespace date {
class time_zone;
}

namespace kelvaro::chart {

// The zone a local time is given in: a name of the system's tz database
// ("Europe/Berlin"), universal time ("UT", "UTC") or a fixed offset from it
// ("+01:00", "-05:30"; a local mean time to the second: "+00:21:48").
class TimeZone {
 public:
  // Reads the zone as entered (blanks around it are ignored); refuses an
  // unknown name or a malformed offset with a German message.
  static Checked<TimeZone> parse(std::string_view text);
  static TimeZone universal();

  // The zone as it is written: the tz name, "UT" or the offset "+01:00".
  const std::string& name() const { return name_; }

  // The UT moment of a local time. A local time that a clock change skips or
  // repeats is refused with a message that names the zone and asks for the
  // offset instead.
  Checked<std::chrono::sys_seconds> toUniversal(const LocalTime& local) const;

  // The local time of a UT moment.
  LocalTime toLocal(std::chrono::sys_seconds moment) const;

  // The offset from UT in effect at a UT moment, in seconds.
  std::chrono::seconds offsetAt(std::chrono::sys_seconds moment) const;
  // The part of that offset that is summer time (0 for fixed offsets).
  std::chrono::seconds savingAt(std::chrono::sys_seconds moment) const;

 private:
  struct FutureRule;
  static std::shared_ptr<const FutureRule> futureRule(const date::time_zone& zone);

  TimeZone(std::string name, const date::time_zone* zone, std::chrono::seconds offset)
      : name_(std::move(name)), zone_(zone), fixedOffset_(offset) {}

  std::string name_;
  const date::time_zone* zone_ = nullptr;  // null for UT and fixed offsets
  std::chrono::seconds fixedOffset_{0};
  // The zone's rule after its last listed clock change, where it has one.
  std::shared_ptr<const FutureRule> future_;
};

// "+01:00", "-05:30", "+00:00"; "+00:21:48" where the offset has seconds.
std::string offsetText(std::chrono::seconds offset);

}  // namespace kelvaro::chart
