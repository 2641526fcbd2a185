#pragma once

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "print/program_fonts.h"
#include "ui/platform/offscreen_screen.h"

// The main() of a window test: no display needed, never a native dialog,
// one offscreen screen of width × height, and the settings the program
// remembers per user in a folder of the test's own.
#define KELVARO_QTEST_MAIN_ON_SCREEN(TestClass, width, height)                       \
  int main(int argc, char** argv) {                                                  \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                            \
      qputenv("QT_QPA_PLATFORM", "offscreen");                                       \
    }                                                                                \
    const kelvaro::ui::OffscreenScreen screen(QSize(width, height));                 \
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                         \
    QApplication app(argc, argv);                                                    \
    app.setQuitOnLastWindowClosed(false);                                            \
    kelvaro::registerProgramFonts();                                                 \
    const QTemporaryDir settings;                                                    \
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path()); \
    TestClass test;                                                                  \
    return QTest::qExec(&test, argc, argv);                                          \
  }

// The same on a desktop screen, where the main window has all its room.
#define KELVARO_QTEST_MAIN(TestClass) KELVARO_QTEST_MAIN_ON_SCREEN(TestClass, 1920, 1080)
