#include "ui/aaf_folder.h"

#include <system_error>

#include <QDir>
#include <QStandardPaths>

#include "core/text_encoding.h"
#include "ui/text_view.h"
#include "ui/user_settings.h"

namespace kelvaro::ui {
namespace {

const QString kFolderKey = QStringLiteral("aaf/folder");

bool isFolder(const std::filesystem::path& folder) {
  std::error_code error;
  return !folder.empty() && std::filesystem::is_directory(folder, error);
}

std::filesystem::path pathOf(const QString& text) { return pathFromUtf8(toUtf8(text)); }

}  // namespace

const std::vector<std::string>& aafFileTypes() {
  static const std::vector<std::string> kTypes = {"AAF-Dateien (*.aaf *.AAF)", "Alle Dateien (*)"};
  return kTypes;
}

std::filesystem::path aafFolder() {
  const std::filesystem::path remembered = pathOf(UserSettings().value(kFolderKey).toString());
  if (isFolder(remembered)) return remembered;
  const std::filesystem::path documents =
      pathOf(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  if (isFolder(documents)) return documents;
  return pathOf(QDir::homePath());
}

void rememberAafFolder(const std::filesystem::path& chosenFile) {
  UserSettings().setValue(kFolderKey, pathText(chosenFile.parent_path()));
}

}  // namespace kelvaro::ui
