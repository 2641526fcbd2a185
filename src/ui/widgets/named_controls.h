#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls made with their system name as object name (so tests find them)
// and their fixed place in the window.
namespace kelvaro::ui {

template <typename Widget>
Widget* named(Widget* widget, const char* name, const QRect& geometry) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(geometry);
  return widget;
}

// The same for a window laid out by its layouts.
template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry);
// A button of a window's bottom row, in the bold caption font of 9 points,
// placed by the window's layout.
QPushButton* smallButton(QWidget* parent, const char* name, const QString& caption);
QLineEdit* edit(QWidget* parent, const char* name, const QRect& geometry);
// A push button at (x, y), 25 high and just wide enough for its caption, as
// the main window's option buttons are.
QPushButton* fittedButton(QWidget* parent, const char* name, const QString& caption, int x, int y);

}  // namespace kelvaro::ui
