#include "ui/platform/pdf_save.h"

#include <variant>

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/file_name_check.h"
#include "output/free_file_name.h"
#include "output/page_file.h"
#include "print/printout.h"
#include "ui/platform/platform.h"
#include "ui/platform/save_question.h"

namespace kelvaro::ui {

void savePdf(Platform& platform, QWidget* parent, const std::filesystem::path& folder,
             const std::string& name, Printout& printout, const QPageLayout& layout) {
  if (auto refusal = fileNameRefusal(name)) return platform.showError(parent, *refusal);
  const ExistingFile existing = askAboutExistingFile(platform, parent, folder, name);
  const Checked<std::string> pdf = printoutFile(printout, PageFormat::pdf, layout);
  if (const Rejection* failure = rejection(pdf))
    return platform.showError(parent, failure->message);
  const WrittenFile written = writeIntoFolder(folder, name, std::get<std::string>(pdf), existing);
  if (written.error) {
    return platform.showError(parent,
                              "Die Datei " + utf8FromPath(folder / pathFromUtf8(name)) +
                                  " lässt sich nicht speichern: " + systemErrorText(written.error));
  }
  platform.showInformation(parent,
                           "Das PDF wurde im Programm-Ordner gespeichert unter\r" + written.name);
}

}  // namespace kelvaro::ui
