#pragma once

#include <memory>

#include <QObject>
#include <QStringList>
#include <QTest>

#include "ui/support/ui_run.h"
#include "ui/support/watchdog.h"

namespace kelvaro::testing {

// The base of the window tests: every test function runs under the
// watchdog, and the program run it started is torn down after it.
class UiTestCase : public QObject {
  Q_OBJECT

 protected:
  // What a test class prepares before each of its test functions, already
  // under the watchdog; a failed check here skips the test function.
  virtual void setUp() {}

  std::unique_ptr<UiRun> run_;

 private slots:
  void init() {
    watchdog_.start();
    setUp();
  }
  void cleanup() {
    run_.reset();
    const QStringList closed = watchdog_.stop();
    QVERIFY2(closed.isEmpty(), qPrintable(closed.join(QLatin1Char(','))));
  }

 private:
  Watchdog watchdog_;
};

}  // namespace kelvaro::testing
