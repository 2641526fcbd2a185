#include "bench/persons_data.h"

#include <variant>

#include "archive/aaf_writer.h"

namespace kelvaro::bench {
namespace {

constexpr const char* kNames[] = {"Müller",  "Schmidt", "Schneider", "Fischer", "Weber",
                                  "Meyer",   "Wagner",  "Becker",    "Schulz",  "Hoffmann",
                                  "Schäfer", "Koch",    "Bauer",     "Richter", "Klein"};
constexpr const char* kFirstNames[] = {"Anna",  "Jürgen", "Maria",   "Thomas", "Sabine",
                                       "Peter", "Ursula", "Michael", "Monika", "Andreas"};
struct Place {
  const char* name;
  double latitude;
  double longitude;
};
constexpr Place kPlaces[] = {{"Köln", 50.9333, 6.95},        {"München", 48.1333, 11.5667},
                             {"Hamburg", 53.55, 10.0},       {"Berlin", 52.5167, 13.4},
                             {"Wien", 48.2, 16.3667},        {"Zürich", 47.3667, 8.55},
                             {"Düsseldorf", 51.2167, 6.7667}};

}  // namespace

std::vector<archive::Person> generatedPersons(int count) {
  std::vector<archive::Person> persons;
  persons.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const auto n = static_cast<std::size_t>(i);
    const Place& place = kPlaces[n % std::size(kPlaces)];
    archive::Person person;
    person.name = std::string(kNames[n % std::size(kNames)]) + "-" + std::to_string(i / 15);
    person.firstName = kFirstNames[n / 3 % std::size(kFirstNames)];
    person.kind = i % 2 ? "m" : "w";
    person.birthDate = {1930 + i % 80, 1 + i / 7 % 12, 1 + i % 28};
    person.birthTime = archive::BirthTime{i % 24, i * 7 % 60, 0, false};
    person.zone = "Europe/Berlin";
    person.place = place.name;
    person.country = "D";
    person.latitude = archive::roundedToArcSecond(place.latitude);
    person.longitude = archive::roundedToArcSecond(place.longitude);
    person.birthMoment = archive::momentOfBirth(person);
    if (!person.birthMoment) person.birthTime->hour = 12;  // a clock change: noon instead
    person.birthMoment = archive::momentOfBirth(person);
    person.notes = "Klient seit " + std::to_string(2000 + i % 25);
    persons.push_back(std::move(person));
  }
  return persons;
}

std::string generatedAaf(int count) {
  return std::get<std::string>(
      archive::aafFile(generatedPersons(count), archive::AafEncoding::windows1252));
}

}  // namespace kelvaro::bench
