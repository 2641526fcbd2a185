#include "search/chosen_pictures.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <set>
#include <utility>

#include "core/entry_text.h"
#include "core/factor.h"

namespace kelvaro {
namespace {

// A factor of the combination range, MC … PO, with its variant letter or
// without one for every variant but SOs.
Checked<std::vector<FactorVariant>> readChosenFactor(std::string_view text) {
  if (text.empty()) return Rejection{"ein Faktor fehlt"};
  const std::string name = upperCasedAscii(text.substr(0, std::min<std::size_t>(2, text.size())));
  const auto number = text.size() <= 3 ? lookupFactor(name) : std::nullopt;
  const auto variant = text.size() == 3
                           ? variantFromLetterAnyCase(static_cast<unsigned char>(text[2]))
                           : std::nullopt;
  if (!number || *number > factor::kLastInTables || text.size() < 2 ||
      (text.size() == 3 && !variant)) {
    return Rejection{"unbekannter Faktor »" + std::string(text) +
                     "« (erlaubt sind MC bis PO, ohne oder mit r, p, s oder t)"};
  }
  if (variant) {
    if (*number == factor::SO && *variant == Variant::s) {
      return Rejection{"SOs nimmt wie in jeder Suche an keinem Planetenbild teil"};
    }
    return std::vector<FactorVariant>{{*number, *variant}};
  }
  std::vector<FactorVariant> all;
  for (const Variant v : kVariants) {
    if (*number != factor::SO || v != Variant::s) all.push_back({*number, v});
  }
  return all;
}

Checked<ChosenTerm> readChosenTerm(std::string_view text, std::string_view side) {
  text = trimmed(text);
  if (text.empty()) return Rejection{"die " + std::string(side) + " Seite fehlt"};
  const auto written = splitWrittenTerm(text);
  if (!written) return Rejection{"mehr als zwei Faktoren in »" + std::string(text) + "«"};
  auto first = readChosenFactor(written->first);
  if (const Rejection* refused = rejection(first)) return *refused;
  if (written->op == ' ') {
    return ChosenTerm{PictureTerm::Kind::factor, std::get<std::vector<FactorVariant>>(first), {}};
  }
  auto second = readChosenFactor(written->second);
  if (const Rejection* refused = rejection(second)) return *refused;
  return ChosenTerm{*pairKind(written->op), std::get<std::vector<FactorVariant>>(first),
                    std::get<std::vector<FactorVariant>>(second)};
}

Checked<ChosenPicture> readChosenPicture(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    return Rejection{"es fehlt das „=“ zwischen den beiden Seiten, zum Beispiel SO=MA/SA"};
  }
  if (text.find('=', equals + 1) != std::string_view::npos) {
    return Rejection{"mehr als ein „=“"};
  }
  auto left = readChosenTerm(text.substr(0, equals), "linke");
  if (const Rejection* refused = rejection(left)) return *refused;
  auto right = readChosenTerm(text.substr(equals + 1), "rechte");
  if (const Rejection* refused = rejection(right)) return *refused;
  return ChosenPicture{std::string(text), std::get<ChosenTerm>(std::move(left)),
                       std::get<ChosenTerm>(std::move(right))};
}

// Every term a side stands for.
std::vector<PictureTerm> termsOf(const ChosenTerm& term) {
  std::vector<PictureTerm> terms;
  if (term.kind == PictureTerm::Kind::factor) {
    for (const FactorVariant& factor : term.first) terms.push_back(PictureTerm::ofFactor(factor));
    return terms;
  }
  for (const FactorVariant& first : term.first) {
    for (const FactorVariant& second : term.second) {
      terms.push_back(PictureTerm::ofPair(term.kind, first, second));
    }
  }
  return terms;
}

// The same for every way of writing a term: a midpoint or a sum in either
// order.
using TermKey = std::array<int, 3>;

int memberOf(const FactorVariant& factor) {
  return factor.factor * static_cast<int>(kVariants.size()) + variantIndex(factor.variant);
}

TermKey termKey(const PictureTerm& term) {
  int first = memberOf(term.first);
  int second = term.kind == PictureTerm::Kind::factor ? -1 : memberOf(term.second);
  if (term.kind == PictureTerm::Kind::midpoint || term.kind == PictureTerm::Kind::sum) {
    if (first > second) std::swap(first, second);
  }
  return {static_cast<int>(term.kind), first, second};
}

}  // namespace

Checked<std::vector<ChosenPicture>> parseChosenPictures(std::string_view list,
                                                        std::string_view origin) {
  const std::string where = origin.empty() ? "" : " in " + std::string(origin);
  std::vector<ChosenPicture> pictures;
  for (std::size_t start = 0; start <= list.size();) {
    std::size_t end = list.find(',', start);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view text = trimmed(list.substr(start, end - start));
    start = end + 1;
    auto picture = text.empty() ? Checked<ChosenPicture>(Rejection{
                                      "kein Planetenbild zwischen den Kommas, zum Beispiel "
                                      "SO=MA/SA,MC=JU/PL"})
                                : readChosenPicture(text);
    if (const Rejection* refused = rejection(picture)) {
      return Rejection{"Ungültiges Planetenbild »" + std::string(text) + "«" + where + ": " +
                       refused->message + "."};
    }
    pictures.push_back(std::get<ChosenPicture>(std::move(picture)));
  }
  return pictures;
}

std::vector<PictureRow> chosenPictureRows(const TransitRecord& record, double orb, DialSize dial,
                                          const std::vector<ChosenPicture>& pictures,
                                          const Keywords& keywords) {
  std::vector<PictureRow> rows;
  for (std::size_t line = 0; line < pictures.size(); ++line) {
    const std::vector<PictureTerm> lefts = termsOf(pictures[line].left);
    const std::vector<PictureTerm> rights = termsOf(pictures[line].right);
    std::set<std::pair<TermKey, TermKey>> seen;
    std::vector<Picture> variants;
    for (const PictureTerm& left : lefts) {
      for (const PictureTerm& right : rights) {
        const TermKey a = termKey(left);
        const TermKey b = termKey(right);
        if (a == b || !seen.insert(std::minmax(a, b)).second) continue;
        variants.push_back({line, left, right});
      }
    }
    std::ranges::move(chooseRows(pictureRows(record, variants, dial, keywords), {orb, true}),
                      std::back_inserter(rows));
  }
  return rows;
}

}  // namespace kelvaro
