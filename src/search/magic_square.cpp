#include "search/magic_square.h"

#include <algorithm>

#include "core/entry_text.h"
#include "core/short_text.h"
#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr std::size_t kFactorEntryLength = 3;  // "KNt"

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

// "DD°MM'": the sums and midpoints of dial values lie between 0 and 45.
constexpr std::size_t kDialTextBytes = 7;

// The sums and midpoints of one axis entry x with every complement entry and
// the texts of their dial minutes, made once each: neighbouring pictures
// share them. One object serves every axis entry, so its arrays are
// allocated once; the values are made in plain loops over arrays, which the
// compiler runs several at a time.
class PictureValues {
 public:
  explicit PictureValues(const std::vector<MagicSquareEntry>& complement)
      : size_(complement.size()),
        dials_(size_),
        positions_(size_),
        sums_(size_),
        midpoints_(size_),
        sumTexts_(size_),
        midpointTexts_(size_) {
    for (std::size_t i = 0; i < size_; ++i) {
      dials_[i] = complement[i].dial;
      positions_[i] = complement[i].position;
    }
    offTheDialTexts_.reserve(2 * size_);  // the texts pointed to never move
  }

  void setAxisEntry(const MagicSquareEntry& x) {
    for (std::size_t i = 0; i < size_; ++i) {
      sums_[i] = x.dial + dials_[i];
      midpoints_[i] = modus22(midpoint(x.position, positions_[i]));
    }
    offTheDialTexts_.clear();
    longestText_ = kDialTextBytes;
    for (std::size_t i = 0; i < size_; ++i) {
      sumTexts_[i] = &textOf(sums_[i]);
      midpointTexts_[i] = &textOf(midpoints_[i]);
    }
  }

  // The longest of the texts of this axis entry.
  std::size_t longestText() const { return longestText_; }

  double sum(std::size_t i) const { return sums_[i]; }
  double midpointValue(std::size_t i) const { return midpoints_[i]; }
  const ShortText& sumText(std::size_t i) const { return *sumTexts_[i]; }
  const ShortText& midpointText(std::size_t i) const { return *midpointTexts_[i]; }

 private:
  // Positions of a damaged file may lie off the circle, and their values off
  // the dial twice over: those take the text made for any value.
  const ShortText& textOf(double value) {
    if (value >= 0 && value < 2 * kDial) return dialMinuteText(dialMinute(value));
    const ShortText& made = offTheDialTexts_.emplace_back(dialText(value));
    longestText_ = std::max<std::size_t>(longestText_, made.size);
    return made;
  }

  std::size_t size_;
  std::vector<double> dials_;
  std::vector<double> positions_;
  std::vector<double> sums_;
  std::vector<double> midpoints_;
  std::vector<const ShortText*> sumTexts_;
  std::vector<const ShortText*> midpointTexts_;
  std::vector<ShortText> offTheDialTexts_;
  std::size_t longestText_ = kDialTextBytes;
};

// The most bytes the lines of a picture take: four names and literals, four
// dial texts and literals, a blank line.
struct PictureBounds {
  std::size_t names;
  std::size_t values;

  PictureBounds(const ShortText& xName, std::size_t longestName, std::size_t longestValue)
      : names(4 * (xName.size + longestName) + 25), values(4 * longestValue + 24) {}
  std::size_t picture() const { return names + values + 1 + 3; }  // the line ends too
};

// The pictures of axis entry x with each complement entry d and the one that
// follows it: the sums, and the midpoints when they meet as well; then a
// blank line.
void appendPictures(const ShortText& xName, const std::vector<ShortText>& complementNames,
                    std::size_t longestName, const PictureValues& values, double orb,
                    ResultText& lines) {
  const std::size_t pairs = complementNames.size() - 1;
  const PictureBounds bounds(xName, longestName, values.longestText());
  constexpr std::size_t kOverCopy = ShortText::kCapacity;
  ResultText::Writer out(lines, pairs * bounds.picture() + 2 + kOverCopy);
  for (std::size_t d = 0; d < pairs; ++d) {
    const std::size_t j = d + 1;
    if (!orbHit(values.sum(d), values.sum(j), orb)) continue;

    // "X + D = X + J       X / D = X / J" and the dial values below each side.
    const ShortText& dName = complementNames[d];
    const ShortText& jName = complementNames[j];
    const bool midpointsMeet = orbHit(values.midpointValue(d), values.midpointValue(j), orb);
    auto names = out.beginLine(bounds.names + kOverCopy);
    names << xName << " + " << dName << " = " << xName << " + " << jName << "       ";
    if (midpointsMeet) names << xName << " / " << dName << " = " << xName << " / " << jName;
    out.endLine(names);
    auto dialValues = out.beginLine(bounds.values + kOverCopy);
    dialValues << "  " << values.sumText(d) << "      " << values.sumText(j);
    if (midpointsMeet) {
      dialValues << "          " << values.midpointText(d) << "      " << values.midpointText(j);
    }
    out.endLine(dialValues);
    out.endLine(out.beginLine(1) << " ");
  }
  out.endLine(out.beginLine(1) << " ");
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
  if (text.length() != kFactorEntryLength) {
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
    std::size_t longestName = 0;
    for (const ShortText& name : complementNames)
      longestName = std::max<std::size_t>(longestName, name.size);
    PictureValues values(lists.complement);
    for (const MagicSquareEntry& x : lists.axis) {
      values.setAxisEntry(x);
      appendPictures(ShortText::of(nameOf(x)), complementNames, longestName, values, orb, lines);
    }
  }
  step.showsInformation = true;
  return step;
}

}  // namespace kelvaro
