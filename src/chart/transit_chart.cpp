#include "chart/transit_chart.h"

#include "chart/ephemeris.h"
#include "core/factor.h"

namespace kelvaro::chart {
namespace {

// Every body of the factor table at one moment, into one horoscope.
void setBodies(TransitRecord& record, Variant variant, double julianDay) {
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    if (isBodyFactor(number)) {
      record.setPosition(variant, number, bodyPosition(number, julianDay).longitude);
    }
  }
}

}  // namespace

TransitRecord computeTransitRecord(const ChartRequest& request) {
  TransitRecord record;  // WI, GZ and Du start at 0
  const double birth = julianDayUt(request.birth);
  const double transit = julianDayUt(request.transit);
  const double progressed = birth + (transit - birth) / kProgressionYear;

  setBodies(record, Variant::r, birth);
  const Angles radix = anglesAt(birth, request.birthLatitude, request.birthLongitude);
  record.setPosition(Variant::r, factor::MC, radix.mc);
  record.setPosition(Variant::r, factor::AS, radix.as);

  setBodies(record, Variant::p, progressed);
  const double arc = normalizedDegrees(record.position(Variant::p, factor::SO) -
                                       record.position(Variant::r, factor::SO));
  const double progressedMc = normalizedDegrees(radix.mc + arc);
  record.setPosition(Variant::p, factor::MC, progressedMc);
  record.setPosition(
      Variant::p, factor::AS,
      ascendantForMc(progressedMc, request.birthLatitude, trueObliquity(progressed)));

  for (int number = 1; number <= factor::kLastInTables; ++number) {
    record.setPosition(Variant::s, number,
                       normalizedDegrees(record.position(Variant::r, number) + arc));
  }

  setBodies(record, Variant::t, transit);
  const Angles now = anglesAt(transit, request.transitLatitude, request.transitLongitude);
  record.setPosition(Variant::t, factor::MC, now.mc);
  record.setPosition(Variant::t, factor::AS, now.as);

  record.texts = {request.name,
                  request.firstName,
                  request.place,
                  dateText(request.transitLocal.date),
                  clockText(request.transitLocal.time),
                  latitudeText(request.transitLatitude),
                  longitudeText(request.transitLongitude)};
  return record;
}

}  // namespace kelvaro::chart
