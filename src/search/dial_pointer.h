#pragma once

#include <string>

#include "core/dial_size.h"

// The pointer of the dial. It stands on whole minutes from 00°00' to the
// last minute below the dial's size; on the standard dial up to 22°59', the
// angles option 3 accepts: 22°30' and above lie on the dial where 00°00'
// and above lie.
namespace kelvaro {

// How many minutes the pointer can stand on.
int pointerSteps(DialSize dial = DialSize::standard());

// The pointer moved by `minutes` (negative: back), wrapping at both ends.
int movePointer(int pointer, int minutes, DialSize dial = DialSize::standard());

// The pointer on the whole minute nearest to a dial value in [0, size).
int pointerAt(double dialValue, DialSize dial = DialSize::standard());

// The angle the pointer searches, in degrees.
inline double pointerAngle(int pointer) { return pointer / 60.0; }

// "Zeiger 07°30'" ("Zeiger 245°30'" on the 360° dial).
std::string pointerText(int pointer, DialSize dial = DialSize::standard());

// Whether a factor at this dial value stands in the pointer's axis.
bool inPointerAxis(double dialValue, int pointer, double orb, DialSize dial = DialSize::standard());

}  // namespace kelvaro
