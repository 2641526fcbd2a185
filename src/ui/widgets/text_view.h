#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <QFont>
#include <QString>

class QPlainTextEdit;

// The borders between the program's UTF-8 lines and Qt's strings and views.
namespace kelvaro {
class ResultText;
}

namespace kelvaro::ui {

QString toQString(std::string_view utf8);
std::string toUtf8(const QString& text);

// A message text for a box: its "\r" line breaks become real ones.
QString messageText(std::string_view utf8);

// A folder or file path as the user reads it (native separators).
QString pathText(const std::filesystem::path& path);

// Courier New, or the program's own font of its widths where the system has
// none (failing both, the system's fixed-pitch font), so the
// result tables line up character by character.
QFont fixedPitchFont(int pointSize, bool bold);

// Replaces the view's text by the lines (no line wrapping is added).
void setLines(QPlainTextEdit& view, const std::vector<std::string>& lines);
void setLines(QPlainTextEdit& view, const ResultText& lines);
// The view's lines as they stand; an empty view has none.
std::vector<std::string> linesOf(const QPlainTextEdit& view);
// Scrolls the view back to its first line.
void showFromTop(QPlainTextEdit& view);
// Shows the view's last line, where a view stands after lines were appended.
void showLastLine(QPlainTextEdit& view);

}  // namespace kelvaro::ui
