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

// The next character of UTF-8 text, from `at` on; a malformed byte stands
// for itself (folding compares, it does not repair).
char32_t nextCharacter(std::string_view text, std::size_t& at) {
  const auto byte = static_cast<unsigned char>(text[at++]);
  if (byte < 0x80) return byte;
  const int more = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
  char32_t c = byte & (0x3F >> more);
  for (int i = 0; i < more; ++i) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) return byte;
    c = (c << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  return c;
}

}  // namespace

std::string foldedText(std::string_view text, bool spelledOut) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    appendFolded(folded, nextCharacter(text, at), spelledOut);
  }
  return folded;
}

SearchKey::SearchKey(const Person& person)
    : plain_(joined(person, false)),
      spelledOut_(joined(person, true)),
      firstNameAt_(plain_.find('\n') + 1),
      placeAt_(plain_.find('\n', firstNameAt_) + 1) {}

std::string_view SearchKey::name() const {
  return std::string_view(plain_).substr(0, firstNameAt_ - 1);
}

std::string_view SearchKey::firstName() const {
  return std::string_view(plain_).substr(firstNameAt_, placeAt_ - 1 - firstNameAt_);
}

std::string_view SearchKey::place() const { return std::string_view(plain_).substr(placeAt_); }

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
