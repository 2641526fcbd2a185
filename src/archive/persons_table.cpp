#include "archive/persons_table.h"

#include "chart/chart_entry.h"
#include "core/decimal_text.h"

namespace kelvaro::archive {
namespace {

std::string decimalDegrees(const std::optional<double>& degrees) {
  return degrees ? fixedDecimal(*degrees, 4) : std::string();
}

}  // namespace

TextTable personsTable(const std::vector<Person>& persons) {
  TextTable table;
  table.header = {"Nummer", "Name", "Vorname", "Geburtsdatum",  "Geburtszeit", "Zone",
                  "Ort",    "Land", "Breite",  "Breite (Grad)", "Länge",       "Länge (Grad)"};
  for (const Person& person : persons) {
    table.rows.push_back({
        std::to_string(person.id),
        person.name,
        person.firstName,
        birthDateText(person),
        birthTimeText(person),
        person.zone,
        person.place,
        person.country,
        person.latitude ? chart::latitudeText(*person.latitude) : "",
        decimalDegrees(person.latitude),
        person.longitude ? chart::longitudeText(*person.longitude) : "",
        decimalDegrees(person.longitude),
    });
  }
  return table;
}

}  // namespace kelvaro::archive
