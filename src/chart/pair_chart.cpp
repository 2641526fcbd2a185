#include "chart/pair_chart.h"

#include "chart/pair_midpoints.h"
#include "chart/transit_chart.h"
#include "core/factor.h"
#include "core/pair_texts.h"

namespace kelvaro::chart {
namespace {

using namespace std::chrono;

// Two parts of a file name with "-" between them, an empty one left out.
std::string joined(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return a + b;
  return a + "-" + b;
}

std::string labelOf(const ChartEntry& entry) { return personLabel(entry.name, entry.firstName); }

// The entry checked, a refusal led by `who`.
Checked<ChartRequest> checkedRequest(const ChartEntry& entry, const std::string& who) {
  auto checked = checkChartEntry(entry);
  if (const auto* refusal = std::get_if<ChartRefusal>(&checked)) {
    return Rejection{who + ": " + refusal->message};
  }
  return std::get<ChartRequest>(checked);
}

// Both entries checked, each refusal led by the person it belongs to.
Checked<std::pair<ChartRequest, ChartRequest>> checkedPair(const ChartEntry& first,
                                                           const ChartEntry& second) {
  auto a = checkedRequest(first, labelOf(first));
  if (const Rejection* refused = rejection(a)) return *refused;
  auto b = checkedRequest(second, labelOf(second));
  if (const Rejection* refused = rejection(b)) return *refused;
  return std::pair{std::get<ChartRequest>(std::move(a)), std::get<ChartRequest>(std::move(b))};
}

// `entry` with the transit fields of `from`.
ChartEntry withTransitOf(ChartEntry entry, const ChartEntry& from) {
  entry.place = from.place;
  entry.transitDate = from.transitDate;
  entry.transitTime = from.transitTime;
  entry.transitZone = from.transitZone;
  entry.transitLatitude = from.transitLatitude;
  entry.transitLongitude = from.transitLongitude;
  return entry;
}

// `entry` whose transit is its own birth: only its radix is wanted, whatever
// the date of the other chart.
ChartEntry radixOnly(ChartEntry entry) {
  entry.transitDate = entry.birthDate;
  entry.transitTime = entry.birthTime;
  entry.transitZone = entry.birthZone;
  entry.transitLatitude = entry.birthLatitude;
  entry.transitLongitude = entry.birthLongitude;
  return entry;
}

Checked<PairChart> comparison(const ChartEntry& first, const ChartEntry& second) {
  const auto both = checkedPair(first, radixOnly(second));
  if (const Rejection* refused = rejection(both)) return *refused;
  const auto& [a, b] = std::get<std::pair<ChartRequest, ChartRequest>>(both);
  PairChart chart{computeTransitRecord(a), {}};
  const TransitRecord partner = radixRecord(birthDataOf(b));
  for (int number = 1; number <= factor::kCount; ++number) {
    chart.record.setPosition(Variant::t, number, partner.position(Variant::r, number));
  }
  chart.record.texts[1] = comparisonFirstName(chart.record.firstName(),
                                              personLabel(partner.surname(), partner.firstName()));
  return chart;
}

Checked<PairChart> composite(const ChartEntry& first, const ChartEntry& second) {
  const auto both = checkedPair(first, withTransitOf(second, first));
  if (const Rejection* refused = rejection(both)) return *refused;
  const auto& [a, b] = std::get<std::pair<ChartRequest, ChartRequest>>(both);
  const TransitRecord ra = computeTransitRecord(a);
  const TransitRecord rb = computeTransitRecord(b);
  PairChart chart{ra, {}};
  for (const Variant v : {Variant::r, Variant::p, Variant::s}) {
    for (int number = 1; number <= factor::kCount; ++number) {
      chart.record.setPosition(v, number,
                               nearerMidpoint(ra.position(v, number), rb.position(v, number)));
    }
  }
  chart.record.texts[0] = "Composit";
  chart.record.texts[1] = bothPersonsText(fullName(ra.surname(), ra.firstName()),
                                          fullName(rb.surname(), rb.firstName()));
  return chart;
}

// The Davison birth of two checked births as a person's entry.
Checked<ChartEntry> davisonEntry(const ChartRequest& a, const ChartRequest& b) {
  const auto place =
      greatCircleMidpoint({a.birthLatitude, a.birthLongitude}, {b.birthLatitude, b.birthLongitude});
  const std::string both =
      bothPersonsText(fullName(a.name, a.firstName), fullName(b.name, b.firstName));
  if (!place) {
    return Rejection{"Davison: Die Geburtsorte von " + both +
                     " liegen einander auf der Erdkugel genau gegenüber; der Ort in ihrer Mitte "
                     "ist nicht bestimmt."};
  }
  const sys_seconds moment = meanMoment(a.birth, b.birth);
  const sys_days day = floor<days>(moment);
  const hh_mm_ss clock{moment - day};
  ChartEntry entry;
  entry.name = "Davison";
  entry.firstName = both;
  entry.birthDate = dateText(dateOf(day));
  entry.birthTime =
      clockText({static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                 static_cast<int>(clock.seconds().count())});
  entry.birthZone = "UT";
  entry.birthLatitude = latitudeEntryText(place->latitude);
  entry.birthLongitude = longitudeEntryText(place->longitude);
  return entry;
}

Checked<PairChart> davison(const ChartEntry& first, const ChartEntry& second) {
  const auto both = checkedPair(first, withTransitOf(second, first));
  if (const Rejection* refused = rejection(both)) return *refused;
  const auto& [a, b] = std::get<std::pair<ChartRequest, ChartRequest>>(both);
  auto entry = davisonEntry(a, b);
  if (const Rejection* refused = rejection(entry)) return *refused;
  const ChartEntry birth = withTransitOf(std::get<ChartEntry>(entry), first);
  const auto request = checkedRequest(birth, "Davison");
  if (const Rejection* refused = rejection(request)) return *refused;
  return PairChart{computeTransitRecord(std::get<ChartRequest>(request)), birth};
}

}  // namespace

std::string_view pairKindName(PairKind kind) {
  switch (kind) {
    case PairKind::comparison:
      return "Vergleich";
    case PairKind::composite:
      return "Composit";
    case PairKind::davison:
      return "Davison";
  }
  return "";
}

Checked<PairChart> computePairChart(PairKind kind, const ChartEntry& first,
                                    const ChartEntry& second) {
  switch (kind) {
    case PairKind::comparison:
      return comparison(first, second);
    case PairKind::composite:
      return composite(first, second);
    case PairKind::davison:
      return davison(first, second);
  }
  return Rejection{"Unbekannte Art des Vergleichs."};
}

std::pair<std::string, std::string> pairFileNameParts(PairKind kind, const ChartEntry& first,
                                                      const ChartEntry& second) {
  const std::string partner = joined(second.name, second.firstName);
  if (kind == PairKind::comparison) {
    return {first.name, joined(joined(first.firstName, "Vergleich"), partner)};
  }
  return {std::string(pairKindName(kind)), joined(joined(first.name, first.firstName), partner)};
}

}  // namespace kelvaro::chart
