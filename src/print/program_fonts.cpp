#include "print/program_fonts.h"

#include <string>
#include <system_error>

#include <QFontDatabase>
#include <QString>

#include "core/running_program.h"
#include "core/text_encoding.h"

namespace kelvaro {
namespace {

// The regular, bold and italic faces of both families.
std::vector<std::filesystem::path> fontFilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const char* family : {"LiberationMono", "LiberationSans"}) {
    for (const char* face : {"Regular", "Bold", "Italic", "BoldItalic"}) {
      const std::filesystem::path file = folder / (std::string(family) + "-" + face + ".ttf");
      std::error_code error;
      if (std::filesystem::is_regular_file(file, error)) files.push_back(file);
    }
  }
  return files;
}

}  // namespace

QStringList fixedPitchFamilies() {
  return {QStringLiteral("Courier New"), QString::fromLatin1(kFixedPitchFamily)};
}

QStringList proportionalFamilies() {
  return {QStringLiteral("Arial"), QString::fromLatin1(kProportionalFamily)};
}

std::vector<std::filesystem::path> programFontFolders() {
  std::vector<std::filesystem::path> folders;
  if (const std::filesystem::path program = runningProgram(); !program.empty()) {
    folders.push_back(program.parent_path() / "fonts");
  }
#ifdef KELVARO_FONTS_INSTALLED
  folders.push_back(pathFromUtf8(KELVARO_FONTS_INSTALLED));
#endif
  return folders;
}

int registerProgramFonts(const std::vector<std::filesystem::path>& folders) {
  for (const std::filesystem::path& folder : folders) {
    int registered = 0;
    for (const std::filesystem::path& file : fontFilesIn(folder)) {
      const QString name = QString::fromStdU16String(file.generic_u16string());
      if (QFontDatabase::addApplicationFont(name) >= 0) ++registered;
    }
    if (registered > 0) return registered;
  }
  return 0;
}

}  // namespace kelvaro
