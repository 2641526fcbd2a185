#include "search/dial_pointer.h"

#include <cmath>

#include "core/std_ho.h"
#include "search/dial_layout.h"

namespace kelvaro {
namespace {

constexpr int kDialMinutes = 22 * 60 + 30;

}  // namespace

int movePointer(int pointer, int minutes) {
  const int moved = (pointer + minutes) % kPointerSteps;
  return moved < 0 ? moved + kPointerSteps : moved;
}

int pointerAt(double dialValue) {
  const int nearest = truncToInt(std::floor(dialPlace(dialValue) * 60 + 0.5));
  return nearest % kDialMinutes;
}

std::string pointerText(int pointer) { return "Zeiger " + grad3_kurz(pointerAngle(pointer)); }

bool inPointerAxis(double dialValue, int pointer, double orb) {
  return orbHit(dialPlace(pointerAngle(pointer)), dialValue, orb);
}

}  // namespace kelvaro
