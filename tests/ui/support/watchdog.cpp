#include "ui/support/watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace kelvaro::testing {

Watchdog::Watchdog(std::chrono::milliseconds limit) {
  timer_.setInterval(limit);
  connect(&timer_, &QTimer::timeout, this, &Watchdog::closeModalWindows);
}

void Watchdog::start() {
  closed_.clear();
  timer_.start();
}

QStringList Watchdog::stop() {
  timer_.stop();
  return closed_;
}

void Watchdog::closeModalWindows() {
  // Keep closing for as long as the test runs: a second window may follow.
  timer_.setInterval(std::chrono::milliseconds(200));
  while (QWidget* modal = QApplication::activeModalWidget()) {
    closed_ << QStringLiteral("%1 \"%2\"")
                   .arg(QString::fromLatin1(modal->metaObject()->className()),
                        modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
    if (QApplication::activeModalWidget() == modal) modal->hide();
  }
}

}  // namespace kelvaro::testing
