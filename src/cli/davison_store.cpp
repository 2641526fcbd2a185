#include "cli/davison_store.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "archive/archive.h"
#include "archive/person_pair.h"
#include "cli/exit_status.h"
#include "cli/terminal_message.h"
#include "output/file_replace.h"
#include "output/transit_file_write.h"

namespace kelvaro {
namespace {

int refuse(std::ostream& errors, const std::string& message) {
  errors << cli::terminalMessage(message) << "\n";
  return cli::kExitRefused;
}

// The bytes of a plain file at `target`, to put back; nothing where there is none.
std::optional<std::string> earlierContents(const std::filesystem::path& target) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(target, error)) return std::nullopt;
  std::ifstream in(target, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The target as it was before the file was written.
void putBack(const std::filesystem::path& target, const std::optional<std::string>& earlier) {
  std::error_code error;
  if (earlier) {
    writeFileContents(target, *earlier, ExistingFile::replace);
  } else {
    std::filesystem::remove(target, error);
  }
}

}  // namespace

int writeAndStoreDavison(const chart::PairChart& chart, const archive::Person& first,
                         const archive::Person& second, const std::filesystem::path& archiveFile,
                         const std::filesystem::path& target, std::ostream& errors) {
  const auto person = archive::davisonPerson(chart.davison, first, second);
  if (const Rejection* refused = rejection(person)) {
    return refuse(
        errors, "Das Davison-Horoskop lässt sich nicht als Person speichern: " + refused->message);
  }
  auto opened = archive::Archive::open(archiveFile);
  if (const Rejection* refused = rejection(opened)) return refuse(errors, refused->message);
  archive::Archive& archive = std::get<archive::Archive>(opened);

  const std::optional<std::string> earlier = earlierContents(target);
  if (const auto failure = writeTransitFile(target, chart.record)) return refuse(errors, *failure);
  const auto stored = archive.store(std::get<archive::Person>(person));
  if (const Rejection* refused = rejection(stored)) {
    putBack(target, earlier);
    return refuse(errors, refused->message + "\nDie Transit-Datei ist nicht geschrieben.");
  }
  const archive::Stored& where = std::get<archive::Stored>(stored);
  const std::string number = std::to_string(where.id);
  errors << (where.added
                 ? "Das Davison-Horoskop ist im Personenarchiv gespeichert, Nummer " + number + "."
                 : "Das Davison-Horoskop ist schon im Personenarchiv, Nummer " + number +
                       "; es ist nicht noch einmal gespeichert.")
         << "\n";
  return cli::kExitDone;
}

}  // namespace kelvaro
