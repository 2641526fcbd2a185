#pragma once

#include <QApplication>
#include <QtTest>

// The main() of a window test: no display needed, never a native dialog.
#define KELVARO_QTEST_MAIN(TestClass)                                                 \
  int main(int argc, char** argv) {                                                 \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                           \
      qputenv("QT_QPA_PLATFORM", "offscreen");                                      \
    }                                                                               \
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                        \
    QApplication app(argc, argv);                                                   \
    app.setQuitOnLastWindowClosed(false);                                           \
    TestClass test;                                                                 \
    return QTest::qExec(&test, argc, argv);                                         \
  }
