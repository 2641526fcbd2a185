#pragma once

#include <stdexcept>
#include <string>
#include <variant>

#include "chart/chart_entry.h"

namespace kelvaro::testing {

// A person as typed into the new-file form.
struct Person {
  const char* name;
  const char* firstName;
  const char* birthDate;
  const char* birthTime;
  const char* zone;
  const char* latitude;
  const char* longitude;
};

inline constexpr Person kKoeln = {"Müller",        "Anna",     "05.03.1970", "14:30",
                                  "Europe/Berlin", "50°56' N", "6°57' O"};
inline constexpr Person kSydney = {
    "Smith", "Jo", "09.07.1931", "17:45", "Australia/Sydney", "33°52' S", "151°12' O"};
inline constexpr Person kReykjavik = {"Jónsdóttir",         "Sigrún",   "17.06.1944", "06:05",
                                      "Atlantic/Reykjavik", "64°09' N", "21°57' W"};

// The checked request of the person with a transit at the birth place.
inline chart::ChartRequest chartRequest(const Person& person, const std::string& transitDate,
                                        const std::string& transitTime) {
  const chart::ChartEntry entry{
      person.name,     person.firstName, person.birthDate, person.birthTime,
      person.zone,     person.latitude,  person.longitude, "",
      transitDate,     transitTime,      person.zone,      person.latitude,
      person.longitude};
  auto checked = chart::checkChartEntry(entry);
  if (const auto* refusal = std::get_if<chart::ChartRefusal>(&checked)) {
    throw std::invalid_argument(refusal->message);
  }
  return std::get<chart::ChartRequest>(std::move(checked));
}

inline chart::BirthData birthData(const Person& person) {
  return chart::birthDataOf(chartRequest(person, person.birthDate, person.birthTime));
}

}  // namespace kelvaro::testing
