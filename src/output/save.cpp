#include "output/save.h"

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/file_name_check.h"
#include "output/free_file_name.h"
#include "output/result_file.h"

namespace kelvaro {
namespace {

std::string savedMessage(const std::string& fileName) {
  return "Der Inhalt wurde im Programm-Ordner gespeichert unter\r" + fileName +
         "\r\rMöchten Sie weitere Suchergebnisse aus dieser Transitdatei speichern,"
         "\rso müssen Sie den Namen der bereits vorhandenen Datei ändern,"
         "\rdamit sie nicht überschrieben wird.";
}

}  // namespace

std::string saveFailureMessage(const std::filesystem::path& target, const std::error_code& error) {
  return "Die Datei " + utf8FromPath(target) +
         " lässt sich nicht speichern: " + systemErrorText(error);
}

// The lines as savedLines() frames them: a blank line, the save header, a
// blank line, then the lines (an empty list as one empty line).
std::string resultFileText(const TransitRecord& record, const ResultText& lines) {
  const std::string head = " \n" + saveHeader(record) + "\n \n";
  const std::string_view text = lines.empty() ? std::string_view("\n") : lines.text();
  std::string bytes;
  bytes.reserve(head.size() + text.size() + lines.size() + 3);
  appendWindows1252Lines(bytes, head);
  appendWindows1252Lines(bytes, text);
  return bytes;
}

Checked<SavedFile> saveResultList(const std::filesystem::path& folder, const TransitRecord& record,
                                  const ResultText& lines, ExistingFile existing) {
  const std::string name = resultFileName(record);
  if (auto refusal = fileNameRefusal(name)) return Rejection{std::move(*refusal)};
  const WrittenFile written =
      writeIntoFolder(folder, name, resultFileText(record, lines), existing);
  if (written.error) {
    return Rejection{saveFailureMessage(folder / pathFromUtf8(written.name), written.error)};
  }
  return SavedFile{written.name, savedMessage(written.name)};
}

}  // namespace kelvaro
