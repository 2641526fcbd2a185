#include "print/line_pages.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "output/line_wrap.h"
#include "print/print_font.h"

namespace kelvaro {

LinePages::LinePages(ResultText lines, std::optional<QFont> font)
    : lines_(std::move(lines)), font_(std::move(font)) {}

int LinePages::layOut(QPainter& painter, QSizeF body) {
  usedFont_ = font_ ? *font_ : printFont(painter.font());
  const QFontMetricsF metrics(usedFont_, painter.device());
  width_ = charactersAcross(metrics, body.width());
  // The small allowance keeps a line that fits exactly from going over.
  perPage_ = static_cast<std::size_t>(
      std::max(1.0, std::floor(body.height() / metrics.lineSpacing() + 1e-9)));
  pages_.assign(1, Start{});
  std::size_t onPage = 0;
  for (std::size_t line = 0; line < lines_.size(); ++line) {
    const std::size_t pieces = wrapLine(lines_[line], width_).size();
    for (std::size_t piece = 0; piece < pieces; ++piece) {
      if (onPage == perPage_) {
        pages_.push_back({line, piece});
        onPage = 0;
      }
      ++onPage;
    }
  }
  return static_cast<int>(pages_.size());
}

void LinePages::paintPage(QPainter& painter, int page, const QRectF& body) {
  painter.setFont(usedFont_);
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(usedFont_, painter.device());
  Start at = pages_[static_cast<std::size_t>(page)];
  double top = body.top();
  for (std::size_t drawn = 0; drawn < perPage_ && at.line < lines_.size(); ++at.line) {
    const std::vector<std::string> pieces = wrapLine(lines_[at.line], width_);
    for (; at.piece < pieces.size() && drawn < perPage_; ++at.piece, ++drawn) {
      painter.drawText(QPointF(body.left(), top + metrics.ascent()),
                       QString::fromStdString(pieces[at.piece]));
      top += metrics.lineSpacing();
    }
    if (at.piece < pieces.size()) break;
    at.piece = 0;
  }
}

}  // namespace kelvaro
