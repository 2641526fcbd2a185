#include "ui/widgets/text_view.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "core/result_text.h"
#include "core/text_encoding.h"
#include "print/program_fonts.h"

namespace kelvaro::ui {

QString toQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toUtf8(const QString& text) { return text.toStdString(); }

QString messageText(std::string_view utf8) {
  return toQString(utf8).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString pathText(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(toQString(utf8FromPath(path)));
}

QFont fixedPitchFont(int pointSize, bool bold) {
  QFont font(fixedPitchFamilies().front(), pointSize, bold ? QFont::Bold : QFont::Normal);
  font.setFamilies(fixedPitchFamilies());
  font.setStyleHint(QFont::TypeWriter);
  if (!QFontInfo(font).fixedPitch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(pointSize);
    font.setBold(bold);
  }
  return font;
}

void setLines(QPlainTextEdit& view, const std::vector<std::string>& lines) {
  QString text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    text += toQString(lines[i]);
  }
  view.setPlainText(text);
}

// The whole text converted at once, without the end of the last line.
void setLines(QPlainTextEdit& view, const ResultText& lines) {
  std::string_view text = lines.text();
  if (!text.empty()) text.remove_suffix(1);
  view.setPlainText(toQString(text));
}

// Read block by block: QTextDocument::toPlainText() would turn no-break
// spaces of a record's text fields into plain blanks.
std::vector<std::string> linesOf(const QPlainTextEdit& view) {
  const QTextDocument* document = view.document();
  std::vector<std::string> lines;
  if (document->isEmpty()) return lines;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    lines.push_back(toUtf8(block.text()));
  }
  return lines;
}

void showFromTop(QPlainTextEdit& view) {
  view.moveCursor(QTextCursor::Start);
  view.verticalScrollBar()->setValue(0);
  view.horizontalScrollBar()->setValue(0);
}

void showLastLine(QPlainTextEdit& view) {
  view.moveCursor(QTextCursor::End);
  view.ensureCursorVisible();
  view.horizontalScrollBar()->setValue(0);
}

}  // namespace kelvaro::ui
