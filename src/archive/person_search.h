#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "archive/person.h"

namespace kelvaro::archive {

// The text a search compares: lower case, accents dropped ("Müller" →
// "muller"), ß as "ss". `spelledOut` writes the German umlauts as a keyboard
// without them does ("Müller" → "mueller").
std::string foldedText(std::string_view text, bool spelledOut = false);

// What a search finds a person by: name, first name and place, folded both
// ways, so that "muller", "Müller" and "mueller" all find Müller.
class SearchKey {
 public:
  explicit SearchKey(const Person& person);
  // True when `foldedQuery` (foldedText of what was typed) is part of the
  // name, the first name or the place; an empty query matches everyone.
  bool matches(std::string_view foldedQuery) const;

  // The folded name, first name and place, for sorting by them.
  std::string_view name() const;
  std::string_view firstName() const;
  std::string_view place() const;

 private:
  std::string plain_;       // name '\n' first name '\n' place
  std::string spelledOut_;  // the same with the umlauts written out
  std::size_t firstNameAt_;
  std::size_t placeAt_;
};

// The persons whose name, first name or place contain `query`, in their order.
std::vector<Person> matchingPersons(std::vector<Person> persons, std::string_view query);

// Sorts by name, first name (folded) and birth date.
void sortByName(std::vector<Person>& persons);

}  // namespace kelvaro::archive
