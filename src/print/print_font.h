#pragma once

#include <cstddef>
#include <string_view>

#include <QFont>
#include <QString>

class QFontMetricsF;

namespace kelvaro {

// The font of printed lines: Courier New (or its twin, see program_fonts.h) at the
// size and style of `font`, the device's default font.
QFont printFont(QFont font);

// The sans-serif font of a sheet's headings, legends and scales.
QFont sheetFont(double points, bool bold);

// A UTF-8 text of the program as Qt draws it.
QString printedText(std::string_view utf8);

// How many characters of a fixed-pitch font fit across `width`.
std::size_t charactersAcross(const QFontMetricsF& metrics, double width);

}  // namespace kelvaro
