#include "ui/line_view.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <QTimerEvent>

#include "ui/line_view_access.h"
#include "ui/text_view.h"

namespace kelvaro::ui {
namespace {

// The blank border around the text, as a text view's document has.
constexpr int kMargin = 4;

// Lines holding "\r" or "\n" broken where a text view breaks them, so that
// every shown line is one line of the buffer.
ResultText splitAtLineBreaks(ResultText lines) {
  const std::string_view text = lines.text();
  const bool plain =
      text.find('\r') == std::string_view::npos &&
      static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) == lines.size();
  if (plain) return lines;
  ResultText split;
  for (const std::string_view line : lines) {
    std::size_t start = 0;
    for (std::size_t end; (end = line.find_first_of("\r\n", start)) != std::string_view::npos;
         start = end + 1) {
      split.push_back(line.substr(start, end - start));
    }
    split.push_back(line.substr(start));
  }
  return split;
}

// UTF-16 units of a UTF-8 line: one per character, two above U+FFFF.
std::size_t utf16Length(std::string_view line) {
  std::size_t units = 0;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;
    if (byte >= 0xF0) ++units;
  }
  return units;
}

}  // namespace

LineView::LineView(QWidget* parent) : QAbstractScrollArea(parent) {
  useLineViewAccess();
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  updateScrollBars();
}

void LineView::setLines(ResultText lines) {
  const bool reading = QAccessible::isActive();
  const QString before = reading ? text() : QString();
  lines_ = splitAtLineBreaks(std::move(lines));
  lineOffsets_.clear();
  anchor_ = cursor_ = {};
  measureWidest();
  updateScrollBars();
  viewport()->update();
  if (reading) {
    QAccessibleTextUpdateEvent update(this, 0, before, text());
    QAccessible::updateAccessibility(&update);
  }
}

// The line of the most characters is measured at once; a line that is wider
// in pixels all the same (wide characters, a proportional font) widens the
// scroll range when it is painted. No line has more UTF-16 units than
// bytes, so only lines longer in bytes than the longest so far are counted.
void LineView::measureWidest() {
  std::size_t most = 0;
  std::size_t longest = 0;
  for (std::size_t k = 0; k < lines_.size(); ++k) {
    const std::string_view line = lines_[k];
    if (line.size() <= most) continue;
    if (const std::size_t units = utf16Length(line); units > most) {
      most = units;
      longest = k;
    }
  }
  const QString line = lineText(longest);
  widest_ = advance(line, line.size());
}

void LineView::fitWidth(double lineWidth) {
  if (lineWidth <= widest_) return;
  widest_ = lineWidth;
  updateScrollBars();
}

void LineView::showFromTop() {
  anchor_ = cursor_ = {};
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  selectionChanged();
}

void LineView::showLastLine() {
  placeCursor({lines_.empty() ? 0 : lines_.size() - 1, 0}, false);
  horizontalScrollBar()->setValue(0);
}

void LineView::selectAll() {
  select({},
         lines_.empty() ? Place{} : Place{lines_.size() - 1, lineText(lines_.size() - 1).size()});
}

void LineView::select(Place anchor, Place cursor) {
  anchor_ = anchor;
  cursor_ = cursor;
  viewport()->update();
  selectionChanged();
}

// A screen reader follows the cursor and the selection.
void LineView::selectionChanged() {
  if (!QAccessible::isActive()) return;
  QAccessibleTextSelectionEvent selection(this, offsetOf(std::min(anchor_, cursor_)),
                                          offsetOf(std::max(anchor_, cursor_)));
  selection.setCursorPosition(offsetOf(cursor_));
  QAccessible::updateAccessibility(&selection);
}

QString LineView::selectedText() const {
  const Place from = std::min(anchor_, cursor_);
  const Place to = std::max(anchor_, cursor_);
  if (from == to) return {};
  QString text;
  for (std::size_t line = from.line; line <= to.line; ++line) {
    const QString whole = lineText(line);
    const qsizetype start = line == from.line ? from.column : 0;
    const qsizetype end = line == to.line ? to.column : whole.size();
    text += whole.mid(start, end - start);
    if (line < to.line) text += QLatin1Char('\n');
  }
  return text;
}

void LineView::copy() const {
  const QString text = selectedText();
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

QString LineView::lineText(std::size_t line) const {
  return line < lines_.size() ? toQString(lines_[line]) : QString();
}

QString LineView::text() const {
  std::string_view all = lines_.text();
  if (!all.empty()) all.remove_suffix(1);  // the end of the last line
  return toQString(all);
}

const std::vector<int>& LineView::lineOffsets() const {
  if (lineOffsets_.empty() && !lines_.empty()) {
    lineOffsets_.reserve(lines_.size());
    int offset = 0;
    for (const std::string_view line : lines_) {
      lineOffsets_.push_back(offset);
      offset += static_cast<int>(utf16Length(line)) + 1;
    }
  }
  return lineOffsets_;
}

int LineView::offsetOf(Place place) const {
  if (lines_.empty()) return 0;
  return lineOffsets()[std::min(place.line, lines_.size() - 1)] + static_cast<int>(place.column);
}

LineView::Place LineView::placeOfOffset(int offset) const {
  if (lines_.empty()) return {};
  const std::vector<int>& starts = lineOffsets();
  const auto after = std::upper_bound(starts.begin(), starts.end(), std::max(0, offset));
  const auto line = static_cast<std::size_t>(after - starts.begin() - 1);
  const qsizetype column = std::max(0, offset) - starts[line];
  return {line, std::min(column, lineText(line).size())};
}

int LineView::lineHeight() const { return std::max(1, fontMetrics().height()); }

// The width of the first `columns` characters of `text` as they are painted.
double LineView::advance(const QString& text, qsizetype columns) const {
  if (columns <= 0) return 0;
  return QFontMetricsF(font()).horizontalAdvance(text, static_cast<int>(columns));
}

// The column whose left edge lies nearest to `x` (from the line's start),
// found by halving: each step measures a piece of the line as painted.
qsizetype LineView::columnAt(const QString& text, double x) const {
  qsizetype low = 0;
  qsizetype high = text.size();
  while (low < high) {
    const qsizetype middle = (low + high) / 2;
    if (advance(text, middle) < x) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (low > 0 && x - advance(text, low - 1) < advance(text, low) - x) --low;
  if (low > 0 && low < text.size() && text[low].isLowSurrogate()) --low;
  return low;
}

QRect LineView::characterRect(Place place) const {
  const QString line = lineText(place.line);
  const double left = kMargin - horizontalScrollBar()->value() + advance(line, place.column);
  const double right =
      place.column < line.size()
          ? kMargin - horizontalScrollBar()->value() + advance(line, place.column + 1)
          : left + QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' '));
  const int row = static_cast<int>(place.line) - verticalScrollBar()->value();
  const int top = firstLineTop() + row * lineHeight();
  return QRectF(left, top, right - left, lineHeight()).toAlignedRect();
}

// The margin lies above the first line only; a view scrolled down starts
// with a line at its top edge.
int LineView::firstLineTop() const { return verticalScrollBar()->value() == 0 ? kMargin : 0; }

int LineView::visibleLineCount() const {
  return std::max(1, (viewport()->height() - 2 * kMargin) / lineHeight());
}

// Vertical steps are lines, horizontal ones pixels, as in a text view.
void LineView::updateScrollBars() {
  const int visible = visibleLineCount();
  QScrollBar* vertical = verticalScrollBar();
  vertical->setRange(0, std::max(0, static_cast<int>(lines_.size()) - visible));
  vertical->setPageStep(visible);
  vertical->setSingleStep(1);
  // As wide as the widest line is painted, margins included.
  const int width = static_cast<int>(std::ceil(widest_)) + 2 * kMargin;
  QScrollBar* horizontal = horizontalScrollBar();
  horizontal->setRange(0, std::max(0, width - viewport()->width()));
  horizontal->setPageStep(viewport()->width());
  horizontal->setSingleStep(std::max(1, fontMetrics().averageCharWidth()) * 2);
}

void LineView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void LineView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  measureWidest();
  updateScrollBars();
}

// Only the lines in sight are converted and drawn; the selection is
// highlighted behind its text, which is drawn again in the highlight's
// colour. A painted line wider than any before widens the scroll range.
void LineView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(viewport());
  const QFontMetricsF metrics(font());
  const int height = lineHeight();
  const double left = kMargin - horizontalScrollBar()->value();
  const Place from = std::min(anchor_, cursor_);
  const Place to = std::max(anchor_, cursor_);
  const int bottom = viewport()->height();
  std::size_t line = static_cast<std::size_t>(verticalScrollBar()->value());
  for (int top = firstLineTop(); line < lines_.size() && top < bottom; ++line, top += height) {
    const QString text = lineText(line);
    const QPointF baseline(left, top + metrics.ascent());
    painter.setPen(palette().color(QPalette::Text));
    // Laid out once for both its drawing and its width: shaping a long line
    // costs more than anything else here.
    QTextLayout layout(text, font(), viewport());
    layout.beginLayout();
    QTextLine laidOut = layout.createLine();
    layout.endLayout();
    laidOut.draw(&painter, {left, baseline.y() - laidOut.ascent()});
    fitWidth(laidOut.naturalTextWidth());
    if (from == to || line < from.line || line > to.line) continue;
    const qsizetype start = line == from.line ? from.column : 0;
    const qsizetype end = line == to.line ? to.column : text.size();
    double width = advance(text, end) - advance(text, start);
    if (line < to.line) width += metrics.horizontalAdvance(QLatin1Char(' '));  // the line end
    const QRectF selected(left + advance(text, start), top, width, height);
    painter.fillRect(selected, palette().brush(QPalette::Highlight));
    painter.save();
    painter.setClipRect(selected);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(baseline, text);
    painter.restore();
  }
}

LineView::Place LineView::placeAt(const QPoint& point) const {
  if (lines_.empty()) return {};
  // Above or below the view (a drag past its edge) is the line beyond it.
  const int y = point.y() - firstLineTop();
  const int row = y < 0 ? -1 : y / lineHeight();
  const std::size_t line = static_cast<std::size_t>(
      std::clamp(verticalScrollBar()->value() + row, 0, static_cast<int>(lines_.size()) - 1));
  const int x = point.x() - kMargin + horizontalScrollBar()->value();
  return {line, columnAt(lineText(line), x)};
}

void LineView::placeCursor(Place place, bool keepAnchor) {
  ensureVisible(place);
  select(keepAnchor ? anchor_ : place, place);
}

void LineView::ensureVisible(Place place) {
  QScrollBar* vertical = verticalScrollBar();
  const int line = static_cast<int>(place.line);
  if (line < vertical->value()) vertical->setValue(line);
  if (line >= vertical->value() + visibleLineCount())
    vertical->setValue(line - visibleLineCount() + 1);
  const int x = kMargin + static_cast<int>(advance(lineText(place.line), place.column));
  QScrollBar* horizontal = horizontalScrollBar();
  if (x < horizontal->value()) horizontal->setValue(x - kMargin);
  if (x >= horizontal->value() + viewport()->width())
    horizontal->setValue(x - viewport()->width() + kMargin);
}

// Shift with a moving key extends the selection from where the cursor
// stands; Ctrl+Home and Ctrl+End also go without Shift. True when handled.
bool LineView::moveCursor(const QKeyEvent& event) {
  if (lines_.empty()) return false;
  const bool shift = event.modifiers() & Qt::ShiftModifier;
  const bool control = event.modifiers() & Qt::ControlModifier;
  const std::size_t last = lines_.size() - 1;
  const std::size_t page = static_cast<std::size_t>(visibleLineCount());
  Place place = cursor_;
  const auto lineLength = [this](std::size_t line) { return lineText(line).size(); };
  switch (event.key()) {
    case Qt::Key_Home:
      if (!shift && !control) return false;
      place = control ? Place{} : Place{place.line, 0};
      break;
    case Qt::Key_End:
      if (!shift && !control) return false;
      place = control ? Place{last, lineLength(last)} : Place{place.line, lineLength(place.line)};
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      if (!shift) return false;
      const std::size_t step = event.key() == Qt::Key_Up || event.key() == Qt::Key_Down ? 1 : page;
      const bool down = event.key() == Qt::Key_Down || event.key() == Qt::Key_PageDown;
      place.line =
          down ? std::min(last, place.line + step) : place.line - std::min(place.line, step);
      place.column = std::min(place.column, lineLength(place.line));
      break;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
      if (!shift) return false;
      const bool right = event.key() == Qt::Key_Right;
      if (right && place.column < lineLength(place.line)) {
        ++place.column;
      } else if (right && place.line < last) {
        place = {place.line + 1, 0};
      } else if (!right && place.column > 0) {
        --place.column;
      } else if (!right && place.line > 0) {
        place = {place.line - 1, lineLength(place.line - 1)};
      }
      break;
    }
    default:
      return false;
  }
  placeCursor(place, shift);
  return true;
}

// The keys a read-only text view scrolls with beyond the arrows and pages:
// Home and End go to the first and last line, Space and Shift+Space page.
bool LineView::scrollByKey(const QKeyEvent& event) {
  QScrollBar* vertical = verticalScrollBar();
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (event.key() == Qt::Key_Space && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
    vertical->triggerAction(modifiers ? QAbstractSlider::SliderPageStepSub
                                      : QAbstractSlider::SliderPageStepAdd);
    return true;
  }
  if (modifiers != Qt::NoModifier) return false;
  switch (event.key()) {
    case Qt::Key_Home:
      vertical->triggerAction(QAbstractSlider::SliderToMinimum);
      return true;
    case Qt::Key_End:
      vertical->triggerAction(QAbstractSlider::SliderToMaximum);
      return true;
    default:
      return false;
  }
}

// Without Shift the arrow and page keys scroll the view, as in a read-only
// text view.
void LineView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) {
    copy();
  } else if (event == QKeySequence::SelectAll) {
    selectAll();
  } else if (!moveCursor(*event) && !scrollByKey(*event)) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  event->accept();
}

void LineView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  placeCursor(placeAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void LineView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return QAbstractScrollArea::mouseMoveEvent(event);
  dragPoint_ = event->position().toPoint();
  placeCursor(placeAt(dragPoint_), true);
  const bool pastEdge = dragPoint_.y() < 0 || dragPoint_.y() >= viewport()->height();
  if (!pastEdge) {
    dragScroll_.stop();
  } else if (!dragScroll_.isActive()) {
    constexpr int kDragScrollMs = 50;
    dragScroll_.start(kDragScrollMs, this);
  }
}

void LineView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragScroll_.stop();
  QAbstractScrollArea::mouseReleaseEvent(event);
}

void LineView::timerEvent(QTimerEvent* event) {
  if (event->timerId() != dragScroll_.timerId()) return QAbstractScrollArea::timerEvent(event);
  if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return dragScroll_.stop();
  placeCursor(placeAt(dragPoint_), true);
}

// A double click selects the word under the mouse: the run of characters
// between blanks; the line is reported to whoever acts on it.
void LineView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || lines_.empty()) return;
  const Place place = placeAt(event->position().toPoint());
  const QString text = lineText(place.line);
  qsizetype start = place.column;
  qsizetype end = place.column;
  while (start > 0 && !text[start - 1].isSpace()) --start;
  while (end < text.size() && !text[end].isSpace()) ++end;
  select({place.line, start}, {place.line, end});
  emit lineDoubleClicked(static_cast<qsizetype>(place.line),
                         QStringView(text).left(place.column).toUcs4().size());
}

// The menu a read-only text view offers, in Qt's own (translated) words.
void LineView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copying = menu.addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"),
                                    [this] { copy(); });
  copying->setShortcut(QKeySequence::Copy);
  copying->setEnabled(anchor_ != cursor_);
  menu.addSeparator();
  QAction* all = menu.addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"),
                                [this] { selectAll(); });
  all->setShortcut(QKeySequence::SelectAll);
  all->setEnabled(!lines_.empty());
  menu.exec(event->globalPos());
}

}  // namespace kelvaro::ui
