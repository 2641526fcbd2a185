#include "print/print_font.h"

#include <algorithm>

#include <QFontMetricsF>

#include "print/program_fonts.h"

namespace kelvaro {

QFont printFont(QFont font) {
  font.setFamilies(fixedPitchFamilies());
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QFont sheetFont(double points, bool bold) {
  QFont font;
  font.setFamilies(proportionalFamilies());
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QString printedText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::size_t charactersAcross(const QFontMetricsF& metrics, double width) {
  const double advance = metrics.horizontalAdvance(QLatin1Char('M'));
  if (advance <= 0) return 0;
  return static_cast<std::size_t>(std::max(1.0, width / advance));
}

}  // namespace kelvaro
