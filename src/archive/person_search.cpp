#include "archive/person_search.h"

#include <algorithm>
#include <tuple>

#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

// The Latin-1 letters with accents and their plain letters, U+00C0 … U+00FF.
constexpr std::string_view kPlainLatin1 =
    "aaaaaaaceeeeiiiidnooooo*ouuuuyts"   // À … ß
    "aaaaaaaceeeeiiiidnooooo/ouuuuyty";  // à … ÿ

void appendFolded(std::string& out, char32_t c, bool spelledOut) {
  if (c < 0x80) {
    out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return;
  }
  if (spelledOut && (c == U'ä' || c == U'Ä')) return out.append("ae"), void();
  if (spelledOut && (c == U'ö' || c == U'Ö')) return out.append("oe"), void();
  if (spelledOut && (c == U'ü' || c == U'Ü')) return out.append("ue"), void();
  if (c == U'ß') return out.append("ss"), void();
  if (c == U'Æ' || c == U'æ') return out.append("ae"), void();
  if (c == U'Œ' || c == U'œ') return out.append("oe"), void();
  if (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) {
    out += kPlainLatin1[c - 0xC0];
    return;
  }
  appendUtf8(out, c);
}

std::string joined(const Person& person, bool spelledOut) {
  return foldedText(person.name, spelledOut) + '\n' + foldedText(person.firstName, spelledOut) +
         '\n' + foldedText(person.place, spelledOut);
}

}  // namespace

std::string foldedText(std::string_view text, bool spelledOut) {
  std::string folded;
  folded.reserve(text.size());
  for (const char32_t c : utf8ToCodePoints(text)) appendFolded(folded, c, spelledOut);
  return folded;
}

SearchKey::SearchKey(const Person& person)
    : plain_(joined(person, false)), spelledOut_(joined(person, true)) {}

bool SearchKey::matches(std::string_view foldedQuery) const {
  return plain_.find(foldedQuery) != std::string::npos ||
         spelledOut_.find(foldedQuery) != std::string::npos;
}

std::vector<Person> matchingPersons(std::vector<Person> persons, std::string_view query) {
  const std::string folded = foldedText(query);
  std::erase_if(persons, [&](const Person& person) { return !SearchKey(person).matches(folded); });
  return persons;
}

void sortByName(std::vector<Person>& persons) {
  const auto key = [](const Person& person) {
    const chart::Date& date = person.birthDate;
    return std::make_tuple(foldedText(person.name), foldedText(person.firstName), date.year,
                           date.month, date.day, person.id);
  };
  std::vector<std::pair<decltype(key(persons.front())), std::size_t>> keys;
  keys.reserve(persons.size());
  for (std::size_t i = 0; i < persons.size(); ++i) keys.emplace_back(key(persons[i]), i);
  std::sort(keys.begin(), keys.end());
  std::vector<Person> sorted;
  sorted.reserve(persons.size());
  for (const auto& entry : keys) sorted.push_back(std::move(persons[entry.second]));
  persons = std::move(sorted);
}

}  // namespace kelvaro::archive
