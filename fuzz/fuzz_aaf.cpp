// Any bytes as an AAF file, read record by record as the import reads it.
// Besides crashes the run stops where the reader breaks a promise: records
// go forward line by line, every message and note is UTF-8, an accepted
// person is one the archive takes (coordinates in range, a known zone, a
// birth moment that fits date, time and zone), the lines are counted once,
// and an accepted list comes back unchanged through an export.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "archive/aaf_reader.h"
#include "archive/aaf_writer.h"
#include "chart/chart_entry.h"
#include "fuzz_support.h"

namespace {

using namespace kelvaro;
using archive::Person;
using fuzz::require;

void requireAccepted(const Person& person) {
  require(!archive::personFault(person), "an accepted person has a fault");
  require(!person.latitude || chart::latitudeInRange(*person.latitude),
          "a latitude beyond 89°59' came in");
  if (person.birthTime && !person.zone.empty()) {
    require(person.birthMoment.has_value(), "time and zone without a moment");
    const auto moment = archive::momentOfBirth(person);
    // The Julian day decides the moment; the zone is the offset it implies.
    require(!moment || *moment == *person.birthMoment, "moment and zone disagree");
  }
}

// The fields the export carries, as they come back.
bool sameFields(Person a, Person b) {
  a.id = b.id = 0;
  a.created = b.created = a.changed = b.changed = "";
  return a == b;
}

void requireRoundTrip(const std::vector<Person>& accepted) {
  const auto file = archive::aafFile(accepted, archive::AafEncoding::utf8);
  if (rejection(file)) return;
  const auto again = archive::readAaf(std::get<std::string>(file));
  require(again.size() == accepted.size(), "an export read back has other records");
  for (std::size_t i = 0; i < again.size(); ++i) {
    const Person* person = std::get_if<Person>(&again[i].person);
    require(person != nullptr, "an exported person is refused on reading back");
    require(sameFields(*person, accepted[i]), "an exported person comes back changed");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  archive::AafReader reader(bytes);
  std::vector<Person> accepted;
  int line = 0;
  while (auto record = reader.next()) {
    require(record->line > line, "records do not go forward");
    line = record->line;
    if (const Rejection* refused = rejection(record->person)) {
      require(!refused->message.empty() && fuzz::isWellFormedUtf8(refused->message),
              "a refusal without a message, or not UTF-8");
      continue;
    }
    requireAccepted(std::get<Person>(record->person));
    accepted.push_back(std::get<Person>(record->person));
  }
  const archive::AafLineEncodings& encoding = reader.encoding();
  require(
      encoding.firstWindows1252Lines.size() <= static_cast<std::size_t>(encoding.windows1252Lines),
      "more lines listed than counted");
  if (const auto note = archive::mixedEncodingNote(encoding)) {
    require(fuzz::isWellFormedUtf8(*note), "the encoding note is not UTF-8");
  }
  requireRoundTrip(accepted);
  return 0;
}
