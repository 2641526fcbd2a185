#pragma once

#include <string>

#include "archive/person.h"
#include "core/checked.h"

namespace kelvaro::archive {

// The fields of a person as typed, in the persons window or as options of
// kelvaro-persons add.
struct PersonEntry {
  std::string name;
  std::string firstName;
  std::string kind;       // "", "m", "w", "f", "e", "l" or "o"
  std::string birthDate;  // "05.03.1970"
  std::string birthTime;  // "14:30" or "14:30:15"; empty: unknown
  std::string zone;       // empty: unknown ("Ort prüfen")
  std::string place;
  std::string country;
  std::string latitude;   // "50°56' N" or "50.9333"; empty: unknown
  std::string longitude;  // "06°57' O" or "6.95"; empty: unknown
  std::string source;
  std::string via;
  std::string notes;
};

// The person the fields describe (without number and times), or the German
// message of the first field refused, which names the field. Texts lose the
// blanks around them (the notes around each line), coordinates are rounded
// to the arc second, and the birth moment follows from date, time and zone.
Checked<Person> checkPersonEntry(const PersonEntry& entry);

}  // namespace kelvaro::archive
