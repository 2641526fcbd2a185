#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform/platform.h"

namespace kelvaro::ui {

enum class BoxKind { error, information, question };

// One save dialog as the windows opened it.
struct SaveDialog {
  std::string title;
  std::filesystem::path folder;
  std::string proposedName;
  std::vector<std::string> filters;
};

// One message box as the windows showed it.
struct ShownBox {
  BoxKind kind;
  std::string text;  // with its "\r" line breaks
  friend bool operator==(const ShownBox&, const ShownBox&) = default;
};

// The platform of the window tests and the screenshots: it records every
// box in order and answers the dialogs from a script, at once, without a
// nested event loop. A dialog or question that finds no scripted answer is
// noted in unscripted() and answered with Cancel or No.
class ScriptedPlatform : public Platform {
 public:
  // The file dialog's next answers, in order.
  ScriptedPlatform& chooseNext(std::string path);
  ScriptedPlatform& cancelNextFileDialog();
  // The next answers of question boxes, in order: true for Yes.
  ScriptedPlatform& answerNext(bool yes);
  // The next save dialogs: the file chosen (a full path), or cancelled.
  ScriptedPlatform& saveNextAs(std::filesystem::path file);
  ScriptedPlatform& cancelNextSaveDialog();
  // The next print dialog: accepted with PDF output into `pdf`, or cancelled.
  ScriptedPlatform& printNextTo(std::filesystem::path pdf);
  ScriptedPlatform& cancelNextPrintDialog();
  // From now on the system has no printer (at the start it has one).
  ScriptedPlatform& removePrinters();

  const std::vector<ShownBox>& boxes() const { return boxes_; }
  void forgetBoxes() { boxes_.clear(); }
  // The initial folder of every file dialog opened so far.
  const std::vector<std::filesystem::path>& fileDialogFolders() const { return fileDialogs_; }
  // The file types every file dialog offered (none: every file).
  const std::vector<std::vector<std::string>>& fileDialogFilters() const {
    return fileDialogFilters_;
  }
  const std::vector<SaveDialog>& saveDialogs() const { return saveDialogs_; }
  int printDialogCount() const { return printDialogs_; }
  // A description of every dialog or question that had no scripted answer.
  const std::vector<std::string>& unscripted() const { return unscripted_; }

  void showError(QWidget* parent, const std::string& text) override;
  void showInformation(QWidget* parent, const std::string& text) override;
  bool askYesNo(QWidget* parent, const std::string& text) override;
  std::optional<std::string> chooseFile(QWidget* parent, const std::filesystem::path& initialFolder,
                                        const std::vector<std::string>& filters) override;
  std::optional<std::string> chooseSaveFile(QWidget* parent, const std::string& title,
                                            const std::filesystem::path& folder,
                                            const std::string& proposedName,
                                            const std::vector<std::string>& filters) override;
  bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
  bool hasPrinter() override { return hasPrinter_; }

 private:
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<std::filesystem::path>> savedFiles_;
  std::vector<SaveDialog> saveDialogs_;
  std::deque<bool> answers_;
  std::deque<std::optional<std::filesystem::path>> printers_;
  std::vector<ShownBox> boxes_;
  std::vector<std::filesystem::path> fileDialogs_;
  std::vector<std::vector<std::string>> fileDialogFilters_;
  int printDialogs_ = 0;
  bool hasPrinter_ = true;
  std::vector<std::string> unscripted_;
};

}  // namespace kelvaro::ui
