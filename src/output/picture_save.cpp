#include "output/picture_save.h"

#include "core/text_encoding.h"
#include "output/file_name_check.h"
#include "output/free_file_name.h"
#include "output/result_file.h"
#include "output/save.h"

namespace kelvaro {

std::string dialPictureFileName(const TransitRecord& record) {
  std::string name = resultFileName(record);
  if (name.ends_with(".txt")) name.resize(name.size() - 4);
  return name + "_Gradscheibe.png";
}

Checked<SavedFile> saveDialPicture(const std::filesystem::path& folder, const TransitRecord& record,
                                   std::string_view png, ExistingFile existing) {
  const std::string name = dialPictureFileName(record);
  if (auto refusal = fileNameRefusal(name)) return Rejection{std::move(*refusal)};
  const WrittenFile written = writeIntoFolder(folder, name, png, existing);
  if (written.error) {
    return Rejection{saveFailureMessage(folder / pathFromUtf8(written.name), written.error)};
  }
  return SavedFile{
      written.name,
      "Das Bild der Gradscheibe wurde im Programm-Ordner gespeichert unter\r" + written.name};
}

}  // namespace kelvaro
