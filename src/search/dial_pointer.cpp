#include "search/dial_pointer.h"

#include <cmath>

#include "core/std_ho.h"
#include "search/dial_layout.h"

namespace kelvaro {
namespace {

// The minutes of one turn of the dial.
int dialMinutes(DialSize dial) { return static_cast<int>(std::lround(dial.degrees() * 60)); }

}  // namespace

int pointerSteps(DialSize dial) {
  // The standard dial's pointer goes on to 22°59', the last angle option 3 takes.
  return dial.isStandard() ? 23 * 60 : dialMinutes(dial);
}

int movePointer(int pointer, int minutes, DialSize dial) {
  const int steps = pointerSteps(dial);
  const int moved = (pointer + minutes) % steps;
  return moved < 0 ? moved + steps : moved;
}

int pointerAt(double dialValue, DialSize dial) {
  const int nearest = truncToInt(std::floor(dialPlace(dialValue, dial) * 60 + 0.5));
  return nearest % dialMinutes(dial);
}

std::string pointerText(int pointer, DialSize dial) {
  const double angle = pointerAngle(pointer);
  return "Zeiger " + (dial.kind() == DialSize::Kind::full ? grad3_text(angle) : grad3_kurz(angle));
}

bool inPointerAxis(double dialValue, int pointer, double orb, DialSize dial) {
  if (!dial.isStandard()) return dial.distance(pointerAngle(pointer), dialValue) < orb;
  return orbHit(dialPlace(pointerAngle(pointer)), dialValue, orb);
}

}  // namespace kelvaro
