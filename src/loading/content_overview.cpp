#include "loading/content_overview.h"

#include <array>
#include <cstdint>
#include <span>
#include <tuple>

#include "core/dial_rows.h"
#include "core/std_ho.h"
#include "loading/overview_axes.h"

namespace kelvaro {
namespace {

constexpr int kFirstFactor = factor::AS;
constexpr int kLastFactor = factor::kLastInTables;
constexpr int kFactorCount = kLastFactor - kFirstFactor + 1;

// Indexes into kOverviewAxes: MCp+MCp, SOr+SOr, SOp+SOp, SOt+SOt.
constexpr std::array<std::size_t, 4> kSumAxes = {3, 7, 9, 11};

constexpr std::string_view kGridSeparator =
    " - - -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -";

// Axis hits of the sums of every factor pair, indexed by factor number
// (i < j); each cell counts up to 4 × 4 variant pairs × 4 axes = 64.
using HitGrid = std::array<std::array<std::uint16_t, kLastFactor + 1>, kLastFactor + 1>;

std::size_t at(int factorNumber) { return static_cast<std::size_t>(factorNumber); }

void appendHeading(ResultText& lines, const TransitRecord& record) {
  lines.push_back("Der Inhalt der " + record.surname() + " Transit-Datei.");
  lines.push_back("Angezeigt sind diejenigen Summen, die in mindestens ZWEI der Achsen");
  lines.push_back("MCp+MCp, SOt+SOt, SOp+SOp, SOr+SOr vorhanden sind");
  lines.push_back("Eine Gesamtübersicht finden Sie unter der Liste.");
  lines.push_back(" ");
}

// The longitudes of the factors AS … PO, four variants each, at
// (number − AS) × 4 + variant: the partners of every sum in one row.
using Members = std::array<double, kFactorCount * kVariants.size()>;

std::size_t memberIndex(int factorNumber) {
  return static_cast<std::size_t>(factorNumber - kFirstFactor) * kVariants.size();
}

Members longitudes(const TransitRecord& record) {
  Members all{};
  for (int i = kFirstFactor; i <= kLastFactor; ++i) {
    for (const Variant v : kVariants) {
      all[memberIndex(i) + static_cast<std::size_t>(variantIndex(v))] = record.position(v, i);
    }
  }
  return all;
}

// One line per factor variant listing its sums with later factors that hit
// two or more axes; every hit is counted in the grid. The axis hits of a
// whole row are counted first, then read.
void appendSumsInSeveralAxes(ResultText& lines, const TransitRecord& record,
                             const std::array<double, 4>& axes, double orb, HitGrid& hits) {
  const Members members = longitudes(record);
  std::array<double, std::tuple_size_v<Members>> counts{};
  std::string line;
  for (int i = kFirstFactor; i <= kLastFactor; ++i) {
    const std::string_view name = factorName(i);
    const std::size_t partnersFrom = memberIndex(i + 1);
    const std::size_t partnerCount = members.size() - partnersFrom;
    const auto partners = std::span(members).subspan(partnersFrom);
    for (Variant v : kVariants) {
      // The entry "ASr+KNt, " is built in place; its first four characters
      // are the row label "ASr+".
      std::array<char, 9> entry = {name[0], name[1], variantLetter(v), '+', 0, 0, 0, ',', ' '};
      const std::string_view label(entry.data(), 4);
      countPairHits(record.position(v, i), partners, Pairing::sum, axes, orb,
                    std::span(counts).first(partnerCount));
      line.clear();
      const double* count = counts.data();
      for (int j = i + 1; j <= kLastFactor; ++j) {
        const std::string_view partner = factorName(j);
        int pairHits = 0;
        for (Variant w : kVariants) {
          const auto found = static_cast<int>(*count++);
          pairHits += found;
          if (found < 2) continue;
          entry[4] = partner[0];
          entry[5] = partner[1];
          entry[6] = variantLetter(w);
          line.append({entry.data(), entry.size()});
        }
        hits[at(i)][at(j)] = static_cast<std::uint16_t>(hits[at(i)][at(j)] + pairHits);
      }
      if (line.empty()) {
        std::string mit = "Mit ";
        mit += label;
        mit += " nicht mehr als eine Summe";
        lines.push_back(std::move(mit));
      } else {
        lines.push_back(line);
      }
    }
    lines.push_back(" ");
  }
}

std::string factorHeader() {
  std::string line = "   ";
  for (int j = kFirstFactor; j <= kLastFactor; ++j) {
    line += factorName(j);
    line += " |";
  }
  return line;
}

std::string countLine(const std::array<int, kLastFactor + 1>& counts) {
  std::string line = "   ";
  for (int j = kFirstFactor; j <= kLastFactor; ++j) {
    line += zahl_text(counts[at(j)], 3);
    line += '|';
  }
  return line;
}

void appendGrid(ResultText& lines, const HitGrid& hits) {
  lines.push_back("Die Anzahl aller Summen in den Achsen MCp+MCp,SOt+SOt,SOp+SOp,SOr+SOr");
  lines.push_back(" ");
  const std::string header = factorHeader();
  lines.push_back(header);

  std::array<int, kLastFactor + 1> columnSums{};
  std::array<int, kLastFactor + 1> rowSums{};
  for (int i = kFirstFactor; i <= kLastFactor; ++i) {
    lines.push_back(kGridSeparator);
    std::string row(factorName(i));
    row += ' ';
    for (int j = kFirstFactor; j <= kLastFactor; ++j) {
      const int n = hits[at(i)][at(j)];
      if (n == 0) {
        row += "   |";
      } else {
        row += zahl_text(n, 2);
        row += n >= 10 ? "*|" : " |";
      }
      rowSums[at(i)] += n;
      columnSums[at(j)] += n;
    }
    row += zahl_text(rowSums[at(i)], 3);
    lines.push_back(std::move(row));
  }
  lines.push_back(countLine(columnSums));
  lines.push_back(header);

  std::array<int, kLastFactor + 1> totals{};
  for (int j = kFirstFactor; j <= kLastFactor; ++j) {
    totals[at(j)] = columnSums[at(j)] + rowSums[at(j)];
  }
  lines.push_back("Die Spalten- und Zeilen-Addition ergibt:");
  lines.push_back(countLine(totals));
}

}  // namespace

ResultText vier_summen(const TransitRecord& record, double orb) {
  std::array<double, 4> axes{};
  for (std::size_t k = 0; k < axes.size(); ++k) {
    axes[k] = axisValue(record, kOverviewAxes[kSumAxes[k]]);
  }
  ResultText lines;
  lines.reserveLines(5 + kFactorCount * 5 + 3 + kFactorCount * 2 + 4, 96);
  appendHeading(lines, record);
  HitGrid hits{};
  appendSumsInSeveralAxes(lines, record, axes, orb, hits);
  appendGrid(lines, hits);
  return lines;
}

}  // namespace kelvaro
