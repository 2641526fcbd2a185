#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/search_result.h"
#include "core/transit_record.h"

// Search option 4: solves F1 op1 F2 = F3 op2 X on the 22.5° dial for the
// fourth factor X over all variants of the four factors, and names the MC
// and SO axes on which the left side stands.
namespace kelvaro {

// Asked when the option starts. Yes: the fourth factor only from F1 to F3;
// No: from all factors (the all-factors flag).
inline constexpr std::string_view kTripleQuestion =
    "Sie haben hier die Möglichkeit, die Suche mit drei Faktoren zu starten.\r"
    "Die eine Eingabeform ist: F1+F2=F3+\r"
    "Die zweite Eingabeform ist: F1/F2=F3/\r"
    "Sie dürfen + und / auch mischen.\r"
    "\r"
    "Der vierte Faktor wird entweder nur aus den Faktoren F1, F2 und F3\r"
    "oder aus allen Faktoren gesucht.\r"
    "\r"
    "Die Suche erstreckt sich über sämtliche Variantenarten aller vier Faktoren.          \r"
    "\r"
    "Möchten Sie Faktor 4 nur aus den eingegebenen Faktoren 1 bis 3 suchen?";

// "VE+JU=KN+": the equation field is checked only at this length.
inline constexpr std::size_t kTripleEntryLength = 9;

// The names message is this text, the converted entry, then kTripleNamesMessageEnd.
inline constexpr std::string_view kTripleNamesMessageStart =
    "Bitte drei gültige Faktoren ohne Variantenkürzel eingeben!      \r";
inline constexpr std::string_view kTripleNamesMessageEnd = " ist nicht korrekt.";
inline constexpr std::string_view kTripleOperatorMessage =
    "Die richtige Folge der Rechenzeichen wäre:     \rF1+F2=F3+ oder F1/F2=F3/";

struct TripleEntry {
  int first = 0;       // factor numbers 1–23
  char firstOp = '+';  // '+' sum or '/' midpoint of F1 and F2
  int second = 0;
  int third = 0;
  char secondOp = '+';  // '+' or '/' of F3 and the fourth factor
};

// The entry, or the messages in the order they are shown: the names
// message (names at 1–2, 4–5, 7–8, a–z upper-cased, looked up in MC … GZ)
// and, independently, the operator message ("+" or "/" at 3 and 9, "=" at
// 6). A text whose length is not kTripleEntryLength counts as wrong names.
struct TripleEntryCheck {
  std::optional<TripleEntry> entry;
  std::vector<std::string> messages;
};

TripleEntryCheck checkTripleEntry(std::string_view text);

// The heading label and the whole result list of one search, closing count
// rows included. Each solution line carries the factor variants of
// F1 op F2 = F3 op X, in that order, which are its picture (pairEqualsPair).
// Without allFactors only solutions with X = F1 or F2, or
// X = F3 in a variant not earlier than F3's, are listed.
SearchResult tripleSearch(const TransitRecord& record, double orb, const TripleEntry& entry,
                          bool allFactors);

// The closing lines alone, all counts 000: the list after a refused entry.
ResultText tripleRefusedLines();

// Everything one 9-character entry does: the window clears the result list,
// shows the messages one after the other, sets the heading label when there
// is one (a refused entry leaves it as it was) and fills the list.
struct TripleStep {
  std::vector<std::string> messages;
  std::optional<std::string> heading;
  ResultText lines;
  // The factors of the lines and how they form pictures (SearchResult's).
  LineFactors factors;
  std::optional<PairEqualsPair> pairEqualsPair;
};

TripleStep tripleEntryStep(const TransitRecord& record, double orb, std::string_view text,
                           bool allFactors);

}  // namespace kelvaro
