#include "ui/program.h"

namespace kelvaro::ui {

Program::Program(Platform& platform, ProgramFolders folders)
    : form1_(platform, std::move(folders)), form2_(platform) {
  form1_.useWindows(form2_, form3_, form4_);
}

}  // namespace kelvaro::ui
