#include "search/magic_square.h"

#include "core/entry_text.h"
#include "core/fixed_line.h"
#include "core/short_text.h"
#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr std::size_t kEntryLength = 3;

MagicSquareEntry entryOf(const TransitRecord& record, int factorNumber, Variant v) {
  const double position = record.position(v, factorNumber);
  return {factorNumber, v, position, modus22(position)};
}

std::string nameOf(const MagicSquareEntry& entry) {
  return factorVariantName(entry.factorNumber, entry.variant);
}

bool isSolarArcSun(int factorNumber, Variant v) {
  return factorNumber == factor::SO && v == Variant::s;
}

// Appends "name + letter, " to the line and the entry to the list for every
// factor variant of MC … PO that meets `value`, except the ones left out.
template <typename LeftOut>
void collect(const TransitRecord& record, double orb, double value, LeftOut leftOut,
             std::string& line, std::vector<MagicSquareEntry>& list) {
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    for (Variant v : kVariants) {
      if (isSolarArcSun(number, v) || leftOut(number, v)) continue;
      const MagicSquareEntry entry = entryOf(record, number, v);
      if (!orbHit(entry.dial, value, orb)) continue;
      line += nameOf(entry);
      line += ", ";
      list.push_back(entry);
    }
  }
}

struct ListLines {
  MagicSquareLists lists;
  std::string axisLine;
  std::string complementLine;
};

ListLines buildLists(const TransitRecord& record, double orb, int factorNumber, Variant variant) {
  ListLines built;
  const MagicSquareEntry chosen = entryOf(record, factorNumber, variant);
  const double t = chosen.dial;
  built.lists.axis.push_back(chosen);
  built.axisLine = nameOf(chosen) + "  " + dialString(t) + "= ";
  collect(
      record, orb, t, [&](int number, Variant v) { return number == factorNumber && v == variant; },
      built.axisLine, built.lists.axis);

  const double c = kDial - t;
  built.complementLine = "Erg. " + dialString(c) + "= ";
  collect(
      record, orb, c, [](int, Variant) { return false; }, built.complementLine,
      built.lists.complement);
  return built;
}

// The sums and midpoints of one axis entry x with every complement entry and
// their texts, made once each: neighbouring pictures share them. One object
// serves every axis entry, so its arrays are allocated once.
class PictureValues {
 public:
  explicit PictureValues(const std::vector<MagicSquareEntry>& complement)
      : complement_(complement) {
    values_.reserve(complement.size());
  }

  void setAxisEntry(const MagicSquareEntry& x) {
    values_.clear();
    for (const MagicSquareEntry& c : complement_) {
      const double sumValue = x.dial + c.dial;
      const double midpointValue = modus22(midpoint(x.position, c.position));
      values_.emplace_back(sumValue, midpointValue);
    }
  }

  double sum(std::size_t i) const { return values_[i].sum; }
  double midpointValue(std::size_t i) const { return values_[i].midpoint; }
  const ShortText& sumText(std::size_t i) const { return values_[i].sumText; }
  const ShortText& midpointText(std::size_t i) const { return values_[i].midpointText; }

 private:
  // The texts are made in place: copying one right after it was written
  // byte by byte would stall the processor.
  struct Values {
    Values(double sumValue, double midpointValue)
        : sum(sumValue),
          midpoint(midpointValue),
          sumText(dialText(sumValue)),
          midpointText(dialText(midpointValue)) {}

    double sum;
    double midpoint;
    ShortText sumText;
    ShortText midpointText;
  };

  const std::vector<MagicSquareEntry>& complement_;
  std::vector<Values> values_;
};

// The pictures of axis entry x with each complement entry d and the one that
// follows it: the sums, and the midpoints when they meet as well.
void appendPictures(const ShortText& xName, const std::vector<ShortText>& complementNames,
                    PictureValues& values, double orb, ResultText& lines) {
  for (std::size_t d = 0; d + 1 < complementNames.size(); ++d) {
    const std::size_t j = d + 1;
    if (!orbHit(values.sum(d), values.sum(j), orb)) continue;

    // "X + D = X + J       X / D = X / J" and the dial values below each side.
    const ShortText& dName = complementNames[d];
    const ShortText& jName = complementNames[j];
    FixedLine names;
    FixedLine dialValues;
    names << xName << " + " << dName << " = " << xName << " + " << jName << "       ";
    dialValues << "  " << values.sumText(d) << "      " << values.sumText(j);
    if (orbHit(values.midpointValue(d), values.midpointValue(j), orb)) {
      names << xName << " / " << dName << " = " << xName << " / " << jName;
      dialValues << "          " << values.midpointText(d) << "      " << values.midpointText(j);
    }
    lines.push_back(names.view());
    lines.push_back(dialValues.view());
    lines.push_back(" ");
  }
}

ResultText openingLines() { return {" ", "Das magische Quadrat"}; }

void appendPicturesTitle(ResultText& lines) {
  lines.push_back(" ");
  lines.push_back("Die Planetenbilder");
}

MagicSquareStep refused(std::string_view message, std::string fieldText) {
  MagicSquareStep step;
  step.view = {std::string(kMagicSquareHeading), openingLines()};
  // No list is built; the complement line stays empty.
  step.view.lines.push_back("");
  appendPicturesTitle(step.view.lines);
  step.refusal = Rejection{std::string(message)};
  step.fieldText = std::move(fieldText);
  step.showsInformation = true;
  return step;
}

}  // namespace

MagicSquareLists findMagicSquareLists(const TransitRecord& record, double orb, int factorNumber,
                                      Variant variant) {
  return buildLists(record, orb, factorNumber, variant).lists;
}

MagicSquareStep magicSquareEntryStep(const TransitRecord& record, double orb,
                                     std::string_view entry) {
  EntryText text(entry);
  if (text.length() != kEntryLength) {
    return {{std::string(kMagicSquareHeading), openingLines()}, {}, {}, false};
  }
  text.upperCaseLetters({1, 2});
  const auto number = text.factorAt(1);
  if (!number) return refused(kInvalidMagicFactorMessage, "");
  const auto variant = variantFromLetter(text.at(3));
  if (!variant) return refused(kInvalidMagicVariantMessage, text.slice(1, 2));

  ListLines built = buildLists(record, orb, *number, *variant);
  MagicSquareStep step;
  step.view = {std::string(kMagicSquareHeading), openingLines()};
  ResultText& lines = step.view.lines;
  lines.push_back(std::move(built.axisLine));
  lines.push_back(std::move(built.complementLine));
  appendPicturesTitle(lines);
  const MagicSquareLists& lists = built.lists;
  if (lists.axis.size() >= 2 && !lists.complement.empty()) {
    // At most three lines per picture and one after the pictures of each axis entry.
    lines.reserveLines(lines.size() + lists.axis.size() * (3 * (lists.complement.size() - 1) + 1),
                       64);
    std::vector<ShortText> complementNames;
    complementNames.reserve(lists.complement.size());
    for (const MagicSquareEntry& listed : lists.complement)
      complementNames.push_back(ShortText::of(nameOf(listed)));
    PictureValues values(lists.complement);
    for (const MagicSquareEntry& x : lists.axis) {
      values.setAxisEntry(x);
      appendPictures(ShortText::of(nameOf(x)), complementNames, values, orb, lines);
      lines.push_back(" ");
    }
  }
  step.showsInformation = true;
  return step;
}

}  // namespace kelvaro
