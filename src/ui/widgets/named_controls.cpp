#include "ui/widgets/named_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/widgets/window_style.h"

namespace kelvaro::ui {

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  return named(new QLabel(text, parent), name, geometry);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry) {
  return named(new QPushButton(caption, parent), name, geometry);
}

QPushButton* smallButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(captionFont(9, true));
  return button;
}

QLineEdit* edit(QWidget* parent, const char* name, const QRect& geometry) {
  return named(new QLineEdit(parent), name, geometry);
}

QPushButton* fittedButton(QWidget* parent, const char* name, const QString& caption, int x, int y) {
  auto* fitted = new QPushButton(caption, parent);
  fitted->setObjectName(QString::fromLatin1(name));
  fitted->move(x, y);
  fitted->resize(fitted->sizeHint().width() + 12, 25);
  return fitted;
}

}  // namespace kelvaro::ui
