#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/transit_record.h"

// The text fields of a record made from two persons' charts. They are the
// ordinary fields of a transit record, so that every reader shows them as
// they are; the dial reads the partner's name back from the first name.
namespace kelvaro {

// "Weiß, Anna", or the name alone where there is no first name.
std::string personLabel(const std::string& name, const std::string& firstName);

// "Anna Weiß", or the name alone: a name without a comma, which the
// archive's exchange format takes as a first name.
std::string fullName(const std::string& name, const std::string& firstName);

// The first-name field of a comparison: A's first name, the letters of A,
// and the partner whose radix is T ("Anna (r, p, s), t = Radix Müller, Hans"),
// cut to 255 characters.
std::string comparisonFirstName(const std::string& firstName, const std::string& partnerLabel);

// The partner that comparisonFirstName() names, or nothing for any other
// record.
std::optional<std::string> comparisonPartner(const TransitRecord& record);

// The person A of a comparison that comparisonFirstName() names with
// the record's name ("Weiß, Anna"), or nothing for any other record.
std::optional<std::string> comparisonPerson(const TransitRecord& record);

// The texts of both persons of a composite or Davison chart, which
// bothPersonsText() joined: every way to part them at " & " in order
// ({"Anna Weiß", "Hans Müller"}); empty for any other record.
std::vector<std::pair<std::string, std::string>> bothPersonsParts(const TransitRecord& record);

// What the T ring of a record holds, for legends: "Transit", or "Radix
// Müller, Hans" in a comparison.
std::string transitRingName(const TransitRecord& record);

// The first-name field of a chart made of both (composite, Davison), and the
// first name of a Davison chart stored as a person: "Anna Weiß & Hans
// Müller" (of two fullName()s), cut to 255 characters.
std::string bothPersonsText(const std::string& firstLabel, const std::string& secondLabel);

}  // namespace kelvaro
