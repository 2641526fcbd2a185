#include "loading/position_check.h"

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

constexpr int kCheckedFactors = 22;

bool onCircle(double longitude) { return longitude >= 0.0 && longitude < 360.0; }

}  // namespace

bool hasPositionsOutsideCircle(const TransitRecord& record) {
  for (const Variant v : kVariants) {
    for (int number = 1; number <= kCheckedFactors; ++number) {
      if (!onCircle(record.position(v, number))) return true;
    }
  }
  return false;
}

std::string outsidePositionsQuestion(const std::string& path) {
  return "Die Datei " + utf8Left(path, kLineLimit) +
         " enthält Positionen außerhalb von 0° bis 360° und ist wohl keine Transit-Datei. "
         "Trotzdem laden?";
}

}  // namespace kelvaro
