#include "ui/platform/save_question.h"

#include <system_error>

#include "core/text_encoding.h"
#include "output/file_name_check.h"
#include "ui/platform/platform.h"

namespace kelvaro::ui {

ExistingFile askAboutExistingFile(Platform& platform, QWidget* parent,
                                  const std::filesystem::path& folder, const std::string& name) {
  if (fileNameRefusal(name)) return ExistingFile::keep;  // the save refuses the name itself
  std::error_code ignored;
  const auto found = std::filesystem::symlink_status(folder / pathFromUtf8(name), ignored);
  if (found.type() == std::filesystem::file_type::not_found) return ExistingFile::keep;
  return platform.askYesNo(parent, "Die Datei " + name + " gibt es schon. Ersetzen?")
             ? ExistingFile::replace
             : ExistingFile::keep;
}

}  // namespace kelvaro::ui
