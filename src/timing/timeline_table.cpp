#include "timing/timeline_table.h"

#include <cstdio>

#include "chart/ephemeris.h"
#include "core/decimal_text.h"

namespace kelvaro::timing {
namespace {

std::string isoDate(const chart::Date& day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year % 10000, day.month % 100,
                day.day % 100);
  return text;
}

std::string isoDateOf(const std::optional<double>& moment, const chart::TimeZone& zone) {
  if (!moment) return {};
  return isoDate(zone.toLocal(chart::utMoment(*moment)).date);
}

std::string kindLetter(MoverKind kind) {
  switch (kind) {
    case MoverKind::solarArc:
      return "S";
    case MoverKind::progressed:
      return "P";
    case MoverKind::transit:
      break;
  }
  return "T";
}

}  // namespace

TextTable timelineTable(const Timeline& timeline, const CalendarRequest& request) {
  TextTable table;
  table.header = {"Datum",         "Zeit",     "Art",       "Faktor",     "Punkt",      "Stelle",
                  "Stelle (Grad)", "Richtung", "Durchgang", "wirksam ab", "wirksam bis"};
  for (const TimelineHit& hit : timeline.hits) {
    const RadixPoint& point = timeline.points[hit.point];
    const bool transit = hit.kind == MoverKind::transit;
    table.rows.push_back({
        isoDate(hit.shownLocal.date),
        transit ? chart::minuteText(hit.shownLocal.time) : "",
        kindLetter(hit.kind),
        factorVariantName(hit.factor, variantOf(hit.kind)),
        pointText(point),
        timeline.dial.placeText(point.longitude),
        fixedDecimal(timeline.dial.place(point.longitude), 4),
        hit.direct ? "direkt" : "rückläufig",
        hit.passes > 1 ? std::to_string(hit.pass) + "/" + std::to_string(hit.passes) : "",
        transit ? "" : isoDateOf(hit.orbEntered, request.zone),
        transit ? "" : isoDateOf(hit.orbLeft, request.zone),
    });
  }
  return table;
}

}  // namespace kelvaro::timing
