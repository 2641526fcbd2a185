#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QString>

#include "support/temp_dir.h"
#include "ui/program.h"
#include "ui/scripted_platform.h"

namespace kelvaro::testing {

// One run of the program inside a temporary folder, never the real home,
// with the settings of a user's first start:
// a start folder (the working folder when the program starts, where result
// files are saved), the program folder and the transit folder. The process's
// working folder is put back when the run ends.
class UiRun {
 public:
  explicit UiRun(bool withProgramFolder = true);
  ~UiRun();
  UiRun(const UiRun&) = delete;
  UiRun& operator=(const UiRun&) = delete;

  // Creates the four windows; the main window's start-up runs.
  ui::Program& start();
  ui::Program& program() { return *program_; }
  ui::TForm1& main() { return program_->form1(); }

  // The usual road of a load: start, "Weiter" to the sample (a copy in the
  // transit folder), the orb typed as keys ("030" for 0:30) and the content
  // overview closed. True when the main window is ready for the searches.
  bool loadToReady(const std::string& sampleName, const QString& orbKeys);
  // The second half of that road, once the orb entry is open.
  bool enterOrbAndContinue(const QString& orbKeys);

  ui::ScriptedPlatform& platform() { return platform_; }
  ui::ProgramFolders folders() const;
  const std::filesystem::path& startFolder() const { return start_; }
  // The file of this UTF-8 name in the start folder, where results are saved.
  std::filesystem::path startFile(const std::string& name) const;

  // A copy of a bundled sample in the transit folder; its full path (UTF-8).
  std::string sample(const std::string& name) const;
  // A file of these bytes and this UTF-8 name in the transit folder; its
  // full path (UTF-8).
  std::string transitFile(const std::string& name, const std::vector<unsigned char>& bytes) const;

 private:
  TempDir dir_;
  std::filesystem::path previous_;
  std::filesystem::path start_;
  ui::ScriptedPlatform platform_;
  std::unique_ptr<ui::Program> program_;
};

}  // namespace kelvaro::testing
