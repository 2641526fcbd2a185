#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace kelvaro::ui {

// Everything the windows ask of the desktop besides their own widgets: the
// message boxes, the file dialogs and the print dialog. The program uses
// the Qt implementation; tests use a scripted one that records every box and
// answers from a script, so no test ever waits in a nested event loop.
//
// Texts are UTF-8 and keep their "\r" line breaks; the implementation shows
// them as line breaks. `parent` is the window the box or dialog belongs to.
class Platform {
 public:
  virtual ~Platform() = default;

  // A box with the error symbol and one OK button.
  virtual void showError(QWidget* parent, const std::string& text) = 0;
  // A box with the information symbol and one OK button.
  virtual void showInformation(QWidget* parent, const std::string& text) = 0;
  // A confirmation box with the buttons Yes and No; true for Yes.
  virtual bool askYesNo(QWidget* parent, const std::string& text) = 0;

  // The file-open dialog, opened in `initialFolder`, offering the file
  // types of `filters` ("AAF-Dateien (*.aaf *.AAF)"), the first one chosen;
  // without filters it shows every file. The chosen file's full path
  // (UTF-8), or nothing when the user cancelled.
  virtual std::optional<std::string> chooseFile(QWidget* parent,
                                                const std::filesystem::path& initialFolder,
                                                const std::vector<std::string>& filters) = 0;

  // The save dialog titled `title`, opened in `folder` with `proposedName`
  // filled in, offering the file types of `filters` ("PNG-Bild (*.png)"),
  // the first one chosen. The dialog asks before it replaces a file that
  // exists. The chosen file's full path (UTF-8), or nothing when cancelled.
  virtual std::optional<std::string> chooseSaveFile(QWidget* parent, const std::string& title,
                                                    const std::filesystem::path& folder,
                                                    const std::string& proposedName,
                                                    const std::vector<std::string>& filters) = 0;

  // The print dialog, which configures `printer`; false when cancelled.
  virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;

  // Whether the system has a printer set up at all.
  virtual bool hasPrinter() = 0;
};

}  // namespace kelvaro::ui
