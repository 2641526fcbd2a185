#include "output/picture_save.h"

#include "core/text_encoding.h"
#include "output/file_name_check.h"
#include "output/file_replace.h"
#include "output/result_file.h"

namespace kelvaro {

std::string dialPictureFileName(const TransitRecord& record) {
  std::string name = resultFileName(record);
  if (name.ends_with(".txt")) name.resize(name.size() - 4);
  return name + "_Gradscheibe.png";
}

Checked<std::string> saveDialPicture(const std::filesystem::path& folder,
                                     const TransitRecord& record, std::string_view png) {
  const std::string name = dialPictureFileName(record);
  if (auto refusal = fileNameRefusal(name)) return Rejection{std::move(*refusal)};
  const std::filesystem::path target = folder / pathFromUtf8(name);
  if (const std::error_code error = replaceFileContents(target, png)) {
    return Rejection{"Die Datei " + utf8FromPath(target) +
                     " lässt sich nicht speichern: " + error.message()};
  }
  return "Das Bild der Gradscheibe wurde im Programm-Ordner gespeichert unter\r" + name;
}

}  // namespace kelvaro
