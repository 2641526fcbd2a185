#include "ui/pdf_save.h"

#include <variant>

#include "core/text_encoding.h"
#include "output/file_name_check.h"
#include "output/page_file.h"
#include "output/printout.h"
#include "ui/platform.h"

namespace kelvaro::ui {

void savePdf(Platform& platform, QWidget* parent, const std::filesystem::path& folder,
             const std::string& name, Printout& printout, const QPageLayout& layout) {
  if (auto refusal = fileNameRefusal(name)) return platform.showError(parent, *refusal);
  std::filesystem::path target = folder / pathFromUtf8(name);
  std::error_code ignored;
  if (std::filesystem::exists(std::filesystem::symlink_status(target, ignored)) &&
      !platform.askYesNo(parent, "Die Datei " + name + " gibt es schon. Ersetzen?")) {
    target = nextFreeFileName(target);
  }
  const Checked<std::string> pdf = printoutFile(printout, PageFormat::pdf, layout);
  if (const Rejection* failure = rejection(pdf))
    return platform.showError(parent, failure->message);
  if (auto failure = writePageFile(target, std::get<std::string>(pdf))) {
    return platform.showError(parent, *failure);
  }
  platform.showInformation(parent, "Das PDF wurde im Programm-Ordner gespeichert unter\r" +
                                       utf8FromPath(target.filename()));
}

}  // namespace kelvaro::ui
