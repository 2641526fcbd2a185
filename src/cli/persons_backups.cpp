// kelvaro-persons backups and restore: the archive's backups, and going back
// to one of them.
#include <charconv>
#include <cstdio>

#include "archive/archive_backup.h"
#include "cli/exit_status.h"
#include "cli/persons_commands.h"
#include "core/text_encoding.h"

namespace kelvaro::cli {
namespace {

std::string personsText(const std::optional<long long>& persons) {
  if (!persons) return "unlesbar";
  return std::to_string(*persons) + (*persons == 1 ? " Person" : " Personen");
}

}  // namespace

int listBackups(const PersonsInvocation& call) {
  const std::vector<archive::Backup> backups = archive::backupsOf(call.archive.file());
  if (backups.empty()) {
    call.out << "Keine Sicherungen in " << utf8FromPath(archive::backupFolder(call.archive.file()))
             << ".\n";
    return kExitDone;
  }
  for (std::size_t i = 0; i < backups.size(); ++i) {
    char number[32];
    std::snprintf(number, sizeof number, "%3llu  ", static_cast<unsigned long long>(i) + 1);
    std::string persons = personsText(backups[i].persons);
    persons.insert(0, persons.size() < 13 ? 13 - persons.size() : 0, ' ');
    call.out << number << backups[i].taken << "  " << persons << "  "
             << utf8FromPath(backups[i].file) << '\n';
  }
  return kExitDone;
}

int restoreBackup(const PersonsInvocation& call) {
  const std::string& word = call.words.positionals.front();
  const std::vector<archive::Backup> backups = archive::backupsOf(call.archive.file());
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
  if (error != std::errc() || end != word.data() + word.size() || number < 1 ||
      number > backups.size()) {
    call.err << "\"" << word
             << "\" ist keine Nummer einer Sicherung (kelvaro-persons backups zeigt sie).\n";
    return kExitRefused;
  }
  const archive::Backup& chosen = backups[number - 1];
  archive::Archive* opened = call.archive.open(call.err);
  if (!opened) return kExitRefused;
  if (const auto failure = opened->restoreBackup(chosen.file)) {
    call.err << *failure << "\n";
    return kExitRefused;
  }
  call.out << "Sicherung vom " << chosen.taken << " (" << personsText(chosen.persons)
           << ") wiederhergestellt; der Stand davor ist gesichert.\n";
  return kExitDone;
}

}  // namespace kelvaro::cli
