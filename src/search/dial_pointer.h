#pragma once

#include <string>

// The pointer of the 22.5° dial. It stands on whole minutes from 00°00' to
// 22°59', the angles option 3 accepts; 22°30' and above lie on the dial
// where 00°00' and above lie.
namespace kelvaro {

inline constexpr int kPointerSteps = 23 * 60;  // 00°00' … 22°59'

// The pointer moved by `minutes` (negative: back), wrapping at both ends.
int movePointer(int pointer, int minutes);

// The pointer on the whole minute nearest to a dial value in [0, 22.5).
int pointerAt(double dialValue);

// The angle the pointer searches, in degrees.
inline double pointerAngle(int pointer) { return pointer / 60.0; }

// "Zeiger 07°30'".
std::string pointerText(int pointer);

// Whether a factor at this dial value stands in the pointer's axis.
bool inPointerAxis(double dialValue, int pointer, double orb);

}  // namespace kelvaro
