#include "ui/widgets/line_view_access.h"

#include <algorithm>

#include <QAccessibleWidget>

#include "ui/widgets/line_view.h"

namespace kelvaro::ui {
namespace {

// What a screen reader asks of a line view; offsets count UTF-16 units of
// its whole text, the lines joined by "\n". One selection at most, as in a
// text view.
class LineViewAccess : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit LineViewAccess(LineView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return view().text();
    return QAccessibleWidget::text(kind);
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || selectionCount() == 0) return;
    *start = view().offsetOf(std::min(view().anchor(), view().cursor()));
    *end = view().offsetOf(std::max(view().anchor(), view().cursor()));
  }
  int selectionCount() const override { return view().anchor() == view().cursor() ? 0 : 1; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) view().select(view().cursor(), view().cursor());
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) view().select(view().placeOfOffset(start), view().placeOfOffset(end));
  }
  int cursorPosition() const override { return view().offsetOf(view().cursor()); }
  void setCursorPosition(int position) override {
    const LineView::Place place = view().placeOfOffset(position);
    view().select(place, place);
  }

  QString text(int start, int end) const override { return view().text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(view().text().size()); }

  QRect characterRect(int offset) const override {
    const QRect inView = view().characterRect(view().placeOfOffset(offset));
    return inView.translated(view().viewport()->mapToGlobal(QPoint(0, 0)));
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint inView = view().viewport()->mapFromGlobal(point);
    if (!view().viewport()->rect().contains(inView)) return -1;
    return view().offsetOf(view().placeAt(inView));
  }
  void scrollToSubstring(int start, int /*end*/) override {
    view().ensureVisible(view().placeOfOffset(start));
  }
  QString attributes(int /*offset*/, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  LineView& view() const { return *static_cast<LineView*>(widget()); }
};

QAccessibleInterface* lineViewAccess(const QString& className, QObject* object) {
  if (className != QLatin1String(LineView::staticMetaObject.className())) return nullptr;
  auto* view = qobject_cast<LineView*>(object);
  return view ? new LineViewAccess(view) : nullptr;
}

}  // namespace

void useLineViewAccess() {
  static const bool kInstalled = [] {
    QAccessible::installFactory(&lineViewAccess);
    return true;
  }();
  (void)kInstalled;
}

}  // namespace kelvaro::ui
