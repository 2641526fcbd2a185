#include "ui/widgets/window_keys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace kelvaro::ui {
namespace {

void clickOnKey(QWidget& window, const QKeySequence& key, QAbstractButton& button) {
  auto* shortcut = new QShortcut(key, &window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &button, [&button] {
    if (button.isVisible() && button.isEnabled()) button.click();
  });
}

}  // namespace

void addPrintAndSaveKeys(QWidget& window, QAbstractButton& print, QAbstractButton& save) {
  clickOnKey(window, QKeySequence::Print, print);
  clickOnKey(window, QKeySequence::Save, save);
}

void closeOnEscape(QWidget& window) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace kelvaro::ui
