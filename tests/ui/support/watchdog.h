#pragma once

#include <chrono>

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace kelvaro::testing {

// Turns a hanging window test into a failing one. A test function that is
// still running when the limit has passed can only be waiting in a nested
// event loop, for a modal window nobody answers: the watchdog closes every
// modal window then (which ends that loop) and notes it. Start it in init(),
// check stop() in cleanup().
class Watchdog : public QObject {
  Q_OBJECT

 public:
  explicit Watchdog(std::chrono::milliseconds limit = std::chrono::seconds(10));

  void start();
  // What had to be closed; empty when the test never hung.
  QStringList stop();

 private:
  void closeModalWindows();

  QTimer timer_;
  QStringList closed_;
};

}  // namespace kelvaro::testing
