#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPoint>
#include <QString>

#include "core/result_text.h"

namespace kelvaro::ui {

// A read-only view of result lines that paints only the lines in sight,
// straight from the lines' one buffer. It scrolls line by line as a text
// view does, and the user selects with the mouse or Shift and the keys,
// Ctrl+A selects everything and Ctrl+C copies the selection as plain text.
// Widths are measured from the characters as painted, so any font lines
// up. A screen reader reads it as a read-only text (see line_view_access.h).
class LineView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // A place in the text: a line and a character (UTF-16 unit) in it.
  struct Place {
    std::size_t line = 0;
    qsizetype column = 0;
    friend auto operator<=>(const Place&, const Place&) = default;
  };

  explicit LineView(QWidget* parent = nullptr);

  // Replaces the lines; a line holding a line break is shown as two lines.
  void setLines(ResultText lines);
  void clear() { setLines({}); }
  const ResultText& lines() const { return lines_; }

  // Scrolls back to the first line, or to the last one, as after a search.
  void showFromTop();
  void showLastLine();

  void selectAll();
  QString selectedText() const;
  void copy() const;

  // The whole text, lines joined by "\n", and places in it as offsets
  // (UTF-16 units from its start), as a screen reader asks for them.
  QString text() const;
  int offsetOf(Place place) const;
  Place placeOfOffset(int offset) const;
  // The selection from `anchor` to `cursor` (where the cursor stands).
  void select(Place anchor, Place cursor);
  Place anchor() const { return anchor_; }
  Place cursor() const { return cursor_; }
  // Where a character is painted, in the viewport's coordinates, and the
  // place nearest to a point of the viewport.
  QRect characterRect(Place place) const;
  Place placeAt(const QPoint& point) const;
  // Scrolls until `place` is in sight.
  void ensureVisible(Place place);

 signals:
  // A double click on a line (its index in lines()), at the character
  // `column` of it (counted as characters, not UTF-16 units).
  void lineDoubleClicked(qsizetype line, qsizetype column);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QString lineText(std::size_t line) const;
  int lineHeight() const;
  int firstLineTop() const;
  int visibleLineCount() const;
  double advance(const QString& text, qsizetype columns) const;
  qsizetype columnAt(const QString& text, double x) const;
  bool moveCursor(const QKeyEvent& event);
  bool scrollByKey(const QKeyEvent& event);
  void placeCursor(Place place, bool keepAnchor);
  void updateScrollBars();
  void measureWidest();
  void fitWidth(double lineWidth);
  void selectionChanged();
  const std::vector<int>& lineOffsets() const;

  ResultText lines_;
  double widest_ = 0;  // pixels of the widest line measured so far
  // Where each line starts in text(); made when a screen reader asks.
  mutable std::vector<int> lineOffsets_;
  Place anchor_;
  Place cursor_;
  // While a drag stands past the top or bottom edge, the selection goes on
  // line by line towards the mouse, as long as the button is held.
  QBasicTimer dragScroll_;
  QPoint dragPoint_;
};

}  // namespace kelvaro::ui
