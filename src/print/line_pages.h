#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <QFont>

#include "core/result_text.h"
#include "print/printout.h"

namespace kelvaro {

// Lines on pages, in a fixed-pitch font: one below the other from the
// body's top left edge, a line wider than the body wrapped at its edge and
// continued indented (see wrapLine), so no character is lost; a new page
// when the next line would not fit.
class LinePages : public PageSource {
 public:
  // `font`: the font to print in; none (the default) is the print font at
  // the device's size.
  explicit LinePages(ResultText lines, std::optional<QFont> font = std::nullopt);

  int layOut(QPainter& painter, QSizeF body) override;
  void paintPage(QPainter& painter, int page, const QRectF& body) override;

 private:
  // Where a page begins: a line and the piece of it (after wrapping).
  struct Start {
    std::size_t line = 0;
    std::size_t piece = 0;
  };

  ResultText lines_;
  std::optional<QFont> font_;
  QFont usedFont_;
  std::size_t width_ = 0;  // characters across the body
  std::size_t perPage_ = 1;
  std::vector<Start> pages_;
};

}  // namespace kelvaro
