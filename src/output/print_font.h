#pragma once

#include <cstddef>

#include <QFont>

class QFontMetricsF;

namespace kelvaro {

// The font of printed lines: "courier new" (a fixed-pitch font) at the
// size and style of `font`, the device's default font.
QFont printFont(QFont font);

// How many characters of a fixed-pitch font fit across `width`.
std::size_t charactersAcross(const QFontMetricsF& metrics, double width);

}  // namespace kelvaro
