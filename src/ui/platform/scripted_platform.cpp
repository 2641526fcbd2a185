#include "ui/platform/scripted_platform.h"

#include <QPrinter>

#include "core/text_encoding.h"
#include "ui/widgets/text_view.h"

namespace kelvaro::ui {

ScriptedPlatform& ScriptedPlatform::chooseNext(std::string path) {
  files_.emplace_back(std::move(path));
  return *this;
}

ScriptedPlatform& ScriptedPlatform::cancelNextFileDialog() {
  files_.emplace_back(std::nullopt);
  return *this;
}

ScriptedPlatform& ScriptedPlatform::answerNext(bool yes) {
  answers_.push_back(yes);
  return *this;
}

ScriptedPlatform& ScriptedPlatform::saveNextAs(std::filesystem::path file) {
  savedFiles_.emplace_back(std::move(file));
  return *this;
}

ScriptedPlatform& ScriptedPlatform::cancelNextSaveDialog() {
  savedFiles_.emplace_back(std::nullopt);
  return *this;
}

ScriptedPlatform& ScriptedPlatform::printNextTo(std::filesystem::path pdf) {
  printers_.emplace_back(std::move(pdf));
  return *this;
}

ScriptedPlatform& ScriptedPlatform::cancelNextPrintDialog() {
  printers_.emplace_back(std::nullopt);
  return *this;
}

ScriptedPlatform& ScriptedPlatform::removePrinters() {
  hasPrinter_ = false;
  return *this;
}

void ScriptedPlatform::showError(QWidget*, const std::string& text) {
  boxes_.push_back({BoxKind::error, text});
}

void ScriptedPlatform::showInformation(QWidget*, const std::string& text) {
  boxes_.push_back({BoxKind::information, text});
}

bool ScriptedPlatform::askYesNo(QWidget*, const std::string& text) {
  boxes_.push_back({BoxKind::question, text});
  if (answers_.empty()) {
    unscripted_.push_back("question: " + text);
    return false;
  }
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

std::optional<std::string> ScriptedPlatform::chooseFile(QWidget*,
                                                        const std::filesystem::path& initialFolder,
                                                        const std::vector<std::string>& filters) {
  fileDialogs_.push_back(initialFolder);
  fileDialogFilters_.push_back(filters);
  if (files_.empty()) {
    unscripted_.push_back("file dialog in " + utf8FromPath(initialFolder));
    return std::nullopt;
  }
  std::optional<std::string> chosen = std::move(files_.front());
  files_.pop_front();
  return chosen;
}

std::optional<std::string> ScriptedPlatform::chooseSaveFile(
    QWidget*, const std::string& title, const std::filesystem::path& folder,
    const std::string& proposedName, const std::vector<std::string>& filters) {
  saveDialogs_.push_back({title, folder, proposedName, filters});
  if (savedFiles_.empty()) {
    unscripted_.push_back("save dialog " + title);
    return std::nullopt;
  }
  const std::optional<std::filesystem::path> chosen = std::move(savedFiles_.front());
  savedFiles_.pop_front();
  if (!chosen) return std::nullopt;
  return utf8FromPath(*chosen);
}

bool ScriptedPlatform::setUpPrinter(QWidget*, QPrinter& printer) {
  ++printDialogs_;
  if (printers_.empty()) {
    unscripted_.emplace_back("print dialog");
    return false;
  }
  const std::optional<std::filesystem::path> pdf = std::move(printers_.front());
  printers_.pop_front();
  if (!pdf) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pathText(*pdf));
  return true;
}

}  // namespace kelvaro::ui
