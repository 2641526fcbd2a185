#include "chart/time_zone.h"

#include "chart/zone_files.h"

#include <date/tz.h>
// The rule reader below names hh_mm_ss unqualified while both date's and the
// standard's are visible; this declaration settles it for date's.
namespace Posix {  // NOLINT(readability-identifier-naming): the library's own namespace
using date::hh_mm_ss;
}
#include <date/ptz.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "core/entry_text.h"

namespace kelvaro::chart {
namespace {

using std::chrono::seconds;

constexpr std::string_view kZoneHint =
    "Bitte einen Namen wie Europe/Berlin, UT oder eine feste Abweichung wie +01:00 angeben.";

// "+HH:MM" or "-HH:MM", or "+HH:MM:SS" (a local mean time), at most 14
// hours; nullopt when the text is no offset.
std::optional<seconds> parseOffset(std::string_view text) {
  const auto twoDigits = [text](std::size_t at) -> std::optional<int> {
    if (!isDigit(text[at]) || !isDigit(text[at + 1])) return std::nullopt;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
  };
  if ((text.size() != 6 && text.size() != 9) || (text[0] != '+' && text[0] != '-') ||
      text[3] != ':' || (text.size() == 9 && text[6] != ':')) {
    return std::nullopt;
  }
  const auto hours = twoDigits(1);
  const auto minutes = twoDigits(4);
  const auto secondsPart = text.size() == 9 ? twoDigits(7) : std::optional<int>(0);
  if (!hours || !minutes || !secondsPart || *minutes > 59 || *secondsPart > 59) return std::nullopt;
  const seconds offset{(*hours * 60 + *minutes) * 60 + *secondsPart};
  if (offset > std::chrono::hours{14}) return std::nullopt;
  return text[0] == '-' ? -offset : offset;
}

date::local_seconds localSeconds(const LocalTime& local) {
  return date::local_days{daysOf(local.date).time_since_epoch()} +
         std::chrono::hours{local.time.hour} + std::chrono::minutes{local.time.minute} +
         seconds{local.time.second};
}

LocalTime localTime(date::local_seconds moment) {
  const auto day = date::floor<date::days>(moment);
  const date::hh_mm_ss<seconds> clock{moment - day};
  return {dateOf(std::chrono::sys_days{day.time_since_epoch()}),
          {static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
           static_cast<int>(clock.seconds().count())}};
}

// The rule a compiled zone file states for the time after its last listed
// clock change (its last line, e.g. "CET-1CEST,M3.5.0,M10.5.0/3"); empty
// when the file has none.
std::string ruleAfterListedChanges(const std::string& zoneName) {
  std::ifstream file(zoneFilesFolder() + "/" + zoneName, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  const std::string content = bytes.str();
  if (content.size() < 2 || content.back() != '\n') return {};
  const std::size_t start = content.rfind('\n', content.size() - 2);
  if (start == std::string::npos) return {};
  return content.substr(start + 1, content.size() - start - 2);
}

}  // namespace

// The tz library reads the clock changes the zone files list, which end in
// 2037; the years after follow the zone's rule, which it leaves aside.
struct TimeZone::FutureRule {
  Posix::time_zone rule;
  date::sys_seconds from;         // the last listed change
  date::local_seconds localFrom;  // a day after it, on the local clock
};

Checked<TimeZone> TimeZone::parse(std::string_view text) {
  const std::string_view entry = trimmed(text);
  if (entry == "UT" || entry == "UTC") return universal();
  if (entry.starts_with('+') || entry.starts_with('-')) {
    if (const auto offset = parseOffset(entry))
      return TimeZone(offsetText(*offset), nullptr, *offset);
    return Rejection{
        "Die Abweichung \"" + std::string(entry) +
        "\" ist ungültig. Bitte als +HH:MM oder -HH:MM angeben, z. B. +01:00 oder -05:30."};
  }
  if (entry.empty()) return Rejection{"Die Zeitzone fehlt. " + std::string(kZoneHint)};
  try {
    zoneFilesFolder();  // on Windows, tells the time-zone library where the files are
    const date::time_zone* zone = date::locate_zone(entry);
    TimeZone parsed(std::string(zone->name()), zone, seconds{0});
    parsed.future_ = futureRule(*zone);
    return parsed;
  } catch (const std::exception&) {
    return Rejection{"Die Zeitzone \"" + std::string(entry) + "\" ist unbekannt. " +
                     std::string(kZoneHint)};
  }
}

std::shared_ptr<const TimeZone::FutureRule> TimeZone::futureRule(const date::time_zone& zone) {
  const std::string text = ruleAfterListedChanges(zone.name());
  if (text.empty()) return nullptr;
  try {
    const date::sys_info last = zone.get_info(date::sys_days{date::year{2500} / 1 / 1});
    const date::local_seconds localFrom{last.begin.time_since_epoch() + last.offset +
                                        date::days{1}};
    return std::make_shared<const FutureRule>(
        FutureRule{Posix::time_zone(text), last.begin, localFrom});
  } catch (const std::exception&) {
    return nullptr;  // a rule this reader does not know: the listed changes only
  }
}

TimeZone TimeZone::universal() { return TimeZone("UT", nullptr, seconds{0}); }

Checked<std::chrono::sys_seconds> TimeZone::toUniversal(const LocalTime& local) const {
  const date::local_seconds moment = localSeconds(local);
  if (zone_ == nullptr) return std::chrono::sys_seconds{moment.time_since_epoch() - fixedOffset_};
  const date::local_info info = future_ && moment >= future_->localFrom
                                    ? future_->rule.get_info(moment)
                                    : zone_->get_info(moment);
  if (info.result == date::local_info::unique) {
    return std::chrono::sys_seconds{moment.time_since_epoch() - info.first.offset};
  }
  const std::string offsets =
      offsetText(info.first.offset) + " oder " + offsetText(info.second.offset);
  const std::string what = info.result == date::local_info::nonexistent
                               ? "gibt es in der Zeitzone " + name_ + " nicht (Zeitumstellung)"
                               : "gibt es in der Zeitzone " + name_ + " zweimal (Zeitumstellung)";
  return Rejection{"Die Zeit " + localTimeText(local) + " " + what +
                   ". Bitte statt der Zeitzone die Abweichung von UT angeben: " + offsets + "."};
}

LocalTime TimeZone::toLocal(std::chrono::sys_seconds moment) const {
  return localTime(date::local_seconds{moment.time_since_epoch() + offsetAt(moment)});
}

seconds TimeZone::offsetAt(std::chrono::sys_seconds moment) const {
  if (zone_ == nullptr) return fixedOffset_;
  if (future_ && moment >= future_->from) return future_->rule.get_info(moment).offset;
  return zone_->get_info(moment).offset;
}

// The compiled zone files say only whether summer time is in effect, not by
// how much; the summer part is the offset minus that of the last period
// before it without summer time (double summer time thus counts two hours).
seconds TimeZone::savingAt(std::chrono::sys_seconds moment) const {
  if (zone_ == nullptr) return seconds{0};
  const auto info = [this](std::chrono::sys_seconds at) {
    return future_ && at >= future_->from ? future_->rule.get_info(at) : zone_->get_info(at);
  };
  const date::sys_info now = info(moment);
  date::sys_info before = now;
  for (int step = 0; step < 8 && before.save != std::chrono::minutes{0}; ++step) {
    before = info(before.begin - seconds{1});
  }
  return before.save == std::chrono::minutes{0} ? now.offset - before.offset : seconds{0};
}

std::string offsetText(seconds offset) {
  const long long total = offset.count();
  const long long magnitude = total < 0 ? -total : total;
  char text[48];
  if (magnitude % 60 == 0) {
    std::snprintf(text, sizeof text, "%c%02lld:%02lld", total < 0 ? '-' : '+', magnitude / 3600,
                  magnitude / 60 % 60);
  } else {
    std::snprintf(text, sizeof text, "%c%02lld:%02lld:%02lld", total < 0 ? '-' : '+',
                  magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
  }
  return text;
}

}  // namespace kelvaro::chart
