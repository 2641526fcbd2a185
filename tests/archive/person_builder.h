#pragma once

#include <chrono>
#include <string>

#include "archive/person.h"

namespace kelvaro::testing {

// A person born in Cologne, complete; tests change what they need.
inline archive::Person cologne(std::string name = "Müller", std::string firstName = "Anna") {
  archive::Person person;
  person.name = std::move(name);
  person.firstName = std::move(firstName);
  person.kind = "w";
  person.birthDate = {1970, 3, 5};
  person.birthTime = archive::BirthTime{14, 30, 0, false};
  person.zone = "Europe/Berlin";
  person.place = "Köln";
  person.country = "D";
  person.latitude = archive::degreesOfArcSeconds(50 * 3600 + 56 * 60);
  person.longitude = archive::degreesOfArcSeconds(6 * 3600 + 57 * 60);
  person.birthMoment = archive::momentOfBirth(person);
  return person;
}

inline std::chrono::sys_seconds utc(int y, unsigned m, unsigned d, int h, int min, int s = 0) {
  using namespace std::chrono;
  return sys_days{year{y} / month{m} / day{d}} + hours{h} + minutes{min} + seconds{s};
}

}  // namespace kelvaro::testing
