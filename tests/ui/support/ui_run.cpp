#include "ui/support/ui_run.h"

#include <QTest>
#include <fstream>

#include "core/text_encoding.h"
#include "ui/support/ui_helpers.h"
#include "ui/user_settings.h"

namespace kelvaro::testing {

UiRun::UiRun(bool withProgramFolder)
    : previous_(std::filesystem::current_path()), start_(dir_.path() / "start") {
  std::filesystem::create_directories(start_);
  std::filesystem::create_directories(folders().transit);
  if (withProgramFolder) std::filesystem::create_directories(folders().program);
  std::filesystem::current_path(start_);
  ui::UserSettings().clear();  // every run starts as the user's first
}

UiRun::~UiRun() {
  program_.reset();
  std::filesystem::current_path(previous_);
}

ui::Program& UiRun::start() {
  program_ = std::make_unique<ui::Program>(platform_, folders());
  return *program_;
}

bool UiRun::loadToReady(const std::string& sampleName, const QString& orbKeys) {
  platform_.chooseNext(sample(sampleName));
  start();
  click(child(main(), "Button2"));
  return enterOrbAndContinue(orbKeys);
}

bool UiRun::enterOrbAndContinue(const QString& orbKeys) {
  if (!QTest::qWaitForWindowActive(&program_->form2())) return false;
  if (!typeIntoFocus(orbKeys)) return false;
  click(child(program_->form4(), "Button1"));
  platform_.forgetBoxes();
  // A window system gives the main window its activation back when the modal
  // windows close; the offscreen platform leaves that to the caller.
  main().activateWindow();
  return main().state() == ui::TForm1::State::ready && QTest::qWaitForWindowActive(&main());
}

ui::ProgramFolders UiRun::folders() const {
  return {dir_.path() / "home" / "Astro" / "Kelvaro", dir_.path() / "home" / "Astro" / "transdat"};
}

std::filesystem::path UiRun::startFile(const std::string& name) const {
  return start_ / pathFromUtf8(name);
}

// The copy is removed first: MinGW's copy_file refuses to overwrite, taking
// any two files of one drive for the same one.
std::string UiRun::sample(const std::string& name) const {
  const std::filesystem::path copy = folders().transit / pathFromUtf8(name);
  std::filesystem::remove(copy);
  std::filesystem::copy_file(std::filesystem::path(KELVARO_SAMPLES_DIR) / pathFromUtf8(name), copy);
  return utf8FromPath(copy);
}

std::string UiRun::transitFile(const std::string& name,
                               const std::vector<unsigned char>& bytes) const {
  const std::filesystem::path file = folders().transit / pathFromUtf8(name);
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return utf8FromPath(file);
}

}  // namespace kelvaro::testing
