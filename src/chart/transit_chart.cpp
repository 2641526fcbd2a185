#include "chart/transit_chart.h"

#include "chart/directions.h"
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

// R: every body, MC and AS of the birth place.
void setRadix(TransitRecord& record, double birth, double latitude, double longitude) {
  setBodies(record, Variant::r, birth);
  const Angles angles = anglesAt(birth, latitude, longitude);
  record.setPosition(Variant::r, factor::MC, angles.mc);
  record.setPosition(Variant::r, factor::AS, angles.as);
}

}  // namespace

TransitRecord radixRecord(const BirthData& birth) {
  TransitRecord record;
  setRadix(record, julianDayUt(birth.moment), birth.latitude, birth.longitude);
  record.texts[0] = birth.name;
  record.texts[1] = birth.firstName;
  return record;
}

TransitRecord computeTransitRecord(const ChartRequest& request) {
  TransitRecord record;  // WI, GZ and Du start at 0
  const double birth = julianDayUt(request.birth);
  const double transit = julianDayUt(request.transit);
  const double progressed = progressedDay(birth, transit);

  setRadix(record, birth, request.birthLatitude, request.birthLongitude);
  const double radixMc = record.position(Variant::r, factor::MC);

  setBodies(record, Variant::p, progressed);
  const double arc = solarArc(record.position(Variant::r, factor::SO), progressed).degrees;
  const double progressedMc = normalizedDegrees(radixMc + arc);
  record.setPosition(Variant::p, factor::MC, progressedMc);
  record.setPosition(Variant::p, factor::AS,
                     progressedAscendant(progressedMc, request.birthLatitude, progressed));

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
