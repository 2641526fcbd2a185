#pragma once

#include <string>
#include <type_traits>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <QtTest>

#include "ui/platform/scripted_platform.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/text_view.h"

// Readable failure messages for the values the window tests compare.
namespace QTest {
template <>
inline char* toString(const std::string& text) {
  return qstrdup(("\"" + text + "\"").c_str());
}
template <>
inline char* toString(const std::vector<std::string>& lines) {
  std::string all = std::to_string(lines.size()) + " lines:";
  for (const std::string& line : lines) all += "\n  \"" + line + "\"";
  return qstrdup(all.c_str());
}
template <>
inline char* toString(const std::vector<kelvaro::ui::ShownBox>& boxes) {
  static const char* const kKinds[] = {"error", "information", "question"};
  std::string all = std::to_string(boxes.size()) + " boxes:";
  for (const auto& box : boxes) {
    all += std::string("\n  ") + kKinds[static_cast<int>(box.kind)] + " \"" + box.text + "\"";
  }
  return qstrdup(all.c_str());
}
}  // namespace QTest

// Finding the controls by their system names and using them as a user does.
namespace kelvaro::testing {

// A misspelt name fails the test with the name; the test goes on with a
// hidden stand-in instead of crashing on a null pointer (windows of the
// program that need their arguments have none: null then).
template <typename Widget = QWidget>
Widget* child(QWidget& window, const char* name) {
  if (auto* found = window.findChild<Widget*>(QString::fromLatin1(name))) return found;
  QTest::qFail(qPrintable(QStringLiteral("no control named %1 of that type in %2")
                              .arg(QString::fromLatin1(name), window.objectName())),
               __FILE__, __LINE__);
  if constexpr (std::is_default_constructible_v<Widget>) {
    static Widget* const kStandIn = new Widget;  // never shown, lives to the end
    return kStandIn;
  } else {
    return nullptr;
  }
}

// The lines of a line view of the window (the result lists, the dial's list).
inline std::vector<std::string> viewLines(QWidget& window, const char* name) {
  const auto* view = child<ui::LineView>(window, name);
  return view ? view->lines().lines() : std::vector<std::string>{};
}

// The lines of a text view of the window, as they stand.
inline std::vector<std::string> textLines(QWidget& window, const char* name) {
  const auto* view = child<QPlainTextEdit>(window, name);
  return view ? ui::linesOf(*view) : std::vector<std::string>{};
}

inline std::string text(QWidget& window, const char* name) {
  const auto* shown = child<QLabel>(window, name);
  return shown ? shown->text().toStdString() : std::string("<no ") + name + ">";
}

// Types keys into whichever widget has the focus at each key, as a user
// at the keyboard does: "\b" is Backspace, "\n" Enter, "\x1b" Escape.
// False when no widget had the focus.
inline bool typeIntoFocus(const QString& keys) {
  for (const QChar key : keys) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return false;
    if (key == QLatin1Char('\b')) {
      QTest::keyClick(focus, Qt::Key_Backspace);
    } else if (key == QLatin1Char('\n')) {
      QTest::keyClick(focus, Qt::Key_Return);
    } else if (key == QLatin1Char('\x1b')) {
      QTest::keyClick(focus, Qt::Key_Escape);
    } else {
      QTest::keyClick(focus, key.toLatin1());
    }
  }
  return true;
}

// A list of exactly one box, for comparisons.
inline std::vector<ui::ShownBox> oneBox(ui::BoxKind kind, std::string text) {
  return {{kind, std::move(text)}};
}

inline void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// Types the text key by key into the widget, umlauts and "°" included
// (which QTest's own key clicks do not take).
inline void typeText(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

// Replaces the text of the window's line edit `name` key by key, as a user does.
inline void retype(QWidget& window, const char* name, const QString& text) {
  QLineEdit* entry = child<QLineEdit>(window, name);
  entry->setFocus();
  entry->selectAll();
  QTest::keyClick(entry, Qt::Key_Delete);
  typeText(entry, text);
}

// The command buttons of the main window: the six options, restart, print,
// save, the dial, the transit calendar and the PDF.
inline const std::vector<const char*>& commandButtonNames() {
  static const std::vector<const char*> kNames = {
      "Button10", "Button3", "Button13", "Button14", "Button1",  "Button5",
      "Button4",  "Button6", "Button7",  "Button15", "Button16", "SavePdfButton"};
  return kNames;
}

// The entry controls of the six options, the variant panel and Memo1 included.
inline const std::vector<const char*>& entryControlNames() {
  static const std::vector<const char*> kNames = {
      "Edit1",   "Edit2",   "Edit3",   "Edit4",   "Edit5",   "Edit6",
      "Edit7",   "Edit8",   "Label9",  "Label11", "Label15", "Label16",
      "Label17", "Label18", "Label22", "Label23", "Memo1",   "Panel4"};
  return kNames;
}

// The ten axis labels, left to right.
inline const std::vector<const char*>& axisLabelNames() {
  static const std::vector<const char*> kNames = {"Label20", "Label21", "Label1",  "Label2",
                                                  "Label8",  "Label10", "Label12", "Label13",
                                                  "Label14", "Label19"};
  return kNames;
}

}  // namespace kelvaro::testing
