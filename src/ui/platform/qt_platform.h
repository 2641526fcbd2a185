#pragma once

#include "ui/platform/platform.h"

namespace kelvaro::ui {

// The platform of the running program: QMessageBox, QFileDialog, QPrintDialog.
class QtPlatform final : public Platform {
 public:
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
  bool hasPrinter() override;
};

}  // namespace kelvaro::ui
