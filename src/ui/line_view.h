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
  int charWidth() const;
  int firstLineTop() const;
  int visibleLineCount() const;
  Place placeAt(const QPoint& point) const;
  bool moveCursor(const QKeyEvent& event);
  bool scrollByKey(const QKeyEvent& event);
  void placeCursor(Place place, bool keepAnchor);
  void ensureVisible(Place place);
  void updateScrollBars();
  std::size_t widestLine() const;

  ResultText lines_;
  std::size_t widest_ = 0;  // characters of the widest line
  Place anchor_;
  Place cursor_;
  // While a drag stands past the top or bottom edge, the selection goes on
  // line by line towards the mouse, as long as the button is held.
  QBasicTimer dragScroll_;
  QPoint dragPoint_;
};

// The lines of a text view or a line view as they are shown.
std::vector<std::string> linesOf(const QWidget& view);

}  // namespace kelvaro::ui
