#include "ui/widgets/window_style.h"

#include <QPalette>
#include <QWidget>

#include "print/program_fonts.h"

namespace kelvaro::ui {

void fillBackground(QWidget& widget, const QColor& background) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, background);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void setTextColour(QWidget& widget, const QColor& text) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, text);
  widget.setPalette(palette);
}

void setBaseColour(QWidget& widget, const QColor& base) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, base);
  widget.setPalette(palette);
}

QFont captionFont(int pointSize, bool bold, bool italic) {
  QFont font(proportionalFamilies().front(), pointSize, bold ? QFont::Bold : QFont::Normal, italic);
  font.setFamilies(proportionalFamilies());
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void useFixedDialogFrame(QWidget& window) {
  window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

}  // namespace kelvaro::ui
