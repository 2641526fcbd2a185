#include "archive/pair_persons.h"

#include <algorithm>
#include <functional>

#include "archive/archive.h"
#include "chart/chart_entry.h"
#include "core/pair_texts.h"

namespace kelvaro::archive {
namespace {

using NameOf = std::function<std::string(const Person&)>;

std::string labelOf(const Person& person) { return personLabel(person.name, person.firstName); }
std::string fullNameOf(const Person& person) { return fullName(person.name, person.firstName); }

std::vector<const Person*> named(const std::string& name, const std::vector<Person>& persons,
                                 const NameOf& nameOf) {
  std::vector<const Person*> found;
  for (const Person& person : persons) {
    if (nameOf(person) == name) found.push_back(&person);
  }
  return found;
}

// "Geburt: 12.04.1981 06:30 (Europe/Berlin) in Köln, 50°56' N 06°57' O".
std::string birthText(const Person& person) {
  std::string text = "Geburt: " + birthDateText(person) + " " +
                     (person.birthTime ? birthTimeText(person) : "Zeit unbekannt");
  if (!person.zone.empty()) text += " (" + person.zone + ")";
  if (!person.place.empty()) text += " in " + person.place;
  if (person.latitude && person.longitude) {
    text += ", " + chart::latitudeText(*person.latitude) + " " +
            chart::longitudeText(*person.longitude);
  }
  return text;
}

constexpr const char* kNotThere = "nicht im Personenarchiv";
constexpr const char* kUnread = "Personenarchiv nicht lesbar";

// The line of the person the chart names `name`; `missing` says why there is
// no birth where no person has that name.
std::string personLine(const std::string& role, const std::string& name,
                       const std::vector<Person>& persons, const NameOf& nameOf,
                       const std::string& missing) {
  const std::vector<const Person*> found = named(name, persons, nameOf);
  if (found.size() == 1) return role + labelOf(*found.front()) + " – " + birthText(*found.front());
  if (found.empty()) return role + name + " – " + missing;
  return role + name + " – " + std::to_string(found.size()) +
         " Personen dieses Namens im Personenarchiv";
}

// The parting of "Anna Weiß & Hans Müller" whose both sides the archive
// knows, else one side, else the first.
std::pair<std::string, std::string> chosenParts(
    const std::vector<std::pair<std::string, std::string>>& parts,
    const std::vector<Person>& persons) {
  const auto known = [&](const std::string& name) {
    return !named(name, persons, fullNameOf).empty();
  };
  for (const auto& part : parts) {
    if (known(part.first) && known(part.second)) return part;
  }
  for (const auto& part : parts) {
    if (known(part.first) || known(part.second)) return part;
  }
  return parts.front();
}

std::vector<std::string> linesOf(const TransitRecord& record, const std::vector<Person>& persons,
                                 const std::string& missing) {
  if (const auto partner = comparisonPartner(record)) {
    return {personLine("A (r, p, s): ", *comparisonPerson(record), persons, labelOf, missing),
            personLine("B (t): ", *partner, persons, labelOf, missing)};
  }
  const auto parts = bothPersonsParts(record);
  if (parts.empty()) return {};
  const auto [first, second] = chosenParts(parts, persons);
  return {personLine("A: ", first, persons, fullNameOf, missing),
          personLine("B: ", second, persons, fullNameOf, missing)};
}

// The line of a chart of one person, named as the archive labels persons;
// none for a record without a name.
std::vector<std::string> chartLinesOf(const TransitRecord& record,
                                      const std::vector<Person>& persons,
                                      const std::string& missing) {
  if (namesTwoPersons(record)) return linesOf(record, persons, missing);
  if (record.surname().empty()) return {};
  return {
      personLine("", personLabel(record.surname(), record.firstName()), persons, labelOf, missing)};
}

using LinesOf = std::vector<std::string> (*)(const TransitRecord&, const std::vector<Person>&,
                                             const std::string&);

// The lines with the persons of the archive `file`, opened only to be read.
PairPersons archiveLines(const TransitRecord& record, const std::filesystem::path& file,
                         LinesOf lines) {
  auto opened = Archive::open(file, Archive::Access::read);
  if (const Rejection* refused = rejection(opened)) {
    return {lines(record, {}, kUnread), refused->message};
  }
  auto persons = std::get<Archive>(opened).persons();
  if (const Rejection* refused = rejection(persons)) {
    return {lines(record, {}, kUnread), refused->message};
  }
  return {lines(record, std::get<std::vector<Person>>(persons), kNotThere), {}};
}

}  // namespace

bool namesTwoPersons(const TransitRecord& record) {
  return comparisonPartner(record) || !bothPersonsParts(record).empty();
}

std::vector<std::string> pairPersonLines(const TransitRecord& record,
                                         const std::vector<Person>& persons) {
  return linesOf(record, persons, kNotThere);
}

PairPersons pairPersonsIn(const TransitRecord& record, const std::filesystem::path& file) {
  if (!namesTwoPersons(record)) return {};
  return archiveLines(record, file, &linesOf);
}

std::vector<std::string> chartPersonLines(const TransitRecord& record,
                                          const std::vector<Person>& persons) {
  return chartLinesOf(record, persons, kNotThere);
}

PairPersons chartPersonsIn(const TransitRecord& record, const std::filesystem::path& file) {
  if (record.surname().empty()) return {};
  return archiveLines(record, file, &chartLinesOf);
}

}  // namespace kelvaro::archive
