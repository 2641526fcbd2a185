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

std::vector<std::string> hitTableHeader() {
  return {"Datum",         "Zeit",     "Art",       "Faktor",     "Punkt",      "Stelle",
          "Stelle (Grad)", "Richtung", "Durchgang", "wirksam ab", "wirksam bis"};
}

std::vector<std::string> hitTableRow(const HitFields& hit, DialSize dial) {
  return {
      isoDate(hit.shown.date),
      hit.timed ? chart::minuteText(hit.shown.time) : "",
      kindLetter(hit.kind),
      factorVariantName(hit.factor, variantOf(hit.kind)),
      pointText(hit.point),
      dial.placeText(hit.point.longitude),
      fixedDecimal(dial.place(hit.point.longitude), 4),
      hit.direct ? "direkt" : "rückläufig",
      hit.pass,
      hit.orbEntered,
      hit.orbLeft,
  };
}

TextTable timelineTable(const Timeline& timeline, const CalendarRequest& request) {
  TextTable table{hitTableHeader(), {}};
  table.rows.reserve(timeline.hits.size());
  for (const TimelineHit& hit : timeline.hits) {
    const bool transit = hit.kind == MoverKind::transit;
    table.rows.push_back(hitTableRow(
        {.shown = hit.shownLocal,
         .timed = transit,
         .kind = hit.kind,
         .factor = hit.factor,
         .point = timeline.points[hit.point],
         .direct = hit.direct,
         .pass = hit.passes > 1 ? std::to_string(hit.pass) + "/" + std::to_string(hit.passes) : "",
         .orbEntered = transit ? "" : isoDateOf(hit.orbEntered, request.zone),
         .orbLeft = transit ? "" : isoDateOf(hit.orbLeft, request.zone)},
        timeline.dial));
  }
  return table;
}

}  // namespace kelvaro::timing
