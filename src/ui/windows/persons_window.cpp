#include "ui/windows/persons_window.h"

#include <algorithm>
#include <chrono>

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "archive/aaf_import.h"
#include "archive/aaf_writer.h"
#include "archive/person_birth.h"
#include "archive/persons_table.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/csv_text.h"
#include "output/file_replace.h"
#include "timing/ephemeris_layout.h"
#include "ui/help/persons_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/aaf_folder.h"
#include "ui/platform/platform.h"
#include "ui/widgets/person_list_model.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"
#include "ui/windows/backups_dialog.h"
#include "ui/windows/ephemeris_window.h"
#include "ui/windows/person_form.h"

namespace kelvaro::ui {
namespace {

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

PersonsWindow::PersonsWindow(Platform& platform, std::filesystem::path archiveFile,
                             std::filesystem::path resultFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      platform_(platform),
      archiveFile_(std::move(archiveFile)),
      resultFolder_(std::move(resultFolder)) {
  setObjectName(QStringLiteral("PersonsWindow"));
  setWindowTitle(QStringLiteral("Personen"));
  setFont(captionFont(10));
  createControls();
  connectControls();
  resize(820, 560);
}

PersonsWindow::~PersonsWindow() = default;

void PersonsWindow::createControls() {
  searchField_ = new QLineEdit(this);
  searchField_->setObjectName(QStringLiteral("PersonSearch"));
  searchField_->setPlaceholderText(QStringLiteral("Name, Vorname oder Ort"));
  searchField_->setClearButtonEnabled(true);
  countLabel_ = new QLabel(this);
  countLabel_->setObjectName(QStringLiteral("PersonCount"));

  persons_ = new PersonListModel(this);
  personTable_ = new QTableView(this);
  personTable_->setObjectName(QStringLiteral("PersonTable"));
  personTable_->setModel(persons_);
  personTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Ctrl or Shift with a click chooses a second person for "Vergleich …".
  personTable_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  personTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  personTable_->setSortingEnabled(true);
  personTable_->sortByColumn(PersonListModel::name, Qt::AscendingOrder);
  personTable_->verticalHeader()->hide();
  // Rows of one height: the view lays out ten thousand of them at once.
  personTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  personTable_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  personTable_->horizontalHeader()->setStretchLastSection(true);
  for (int column = 0; column < PersonListModel::place; ++column) {
    personTable_->setColumnWidth(column, 140);
  }

  newButton_ = commandButton(this, "NewPerson", QStringLiteral("Neu …"));
  editButton_ = commandButton(this, "EditPerson", QStringLiteral("Ändern …"));
  deleteButton_ = commandButton(this, "DeletePerson", QStringLiteral("Löschen"));
  restoreButton_ = commandButton(this, "RestorePerson", QStringLiteral("Wiederherstellen"));
  importButton_ = commandButton(this, "ImportAaf", QStringLiteral("AAF importieren …"));
  exportButton_ = commandButton(this, "ExportAaf", QStringLiteral("AAF exportieren …"));
  csvButton_ = commandButton(this, "SaveCsv", QStringLiteral("Als CSV speichern …"));
  backupButton_ =
      commandButton(this, "RestoreBackup", QStringLiteral("Sicherung wiederherstellen …"));
  transitButton_ = commandButton(this, "TransitFile", QStringLiteral("Transit-Datei …"));
  timelineButton_ = commandButton(this, "Timeline", QStringLiteral("Zeitleiste …"));
  pairButton_ = commandButton(this, "PairChart", QStringLiteral("Vergleich …"));
  ephemerisButton_ = commandButton(this, "Ephemeris", QStringLiteral("Grafische Ephemeride …"));
  closeButton_ = commandButton(this, "ClosePersons", QStringLiteral("Schließen"));

  auto* search = new QHBoxLayout;
  auto* searchCaption = new QLabel(QStringLiteral("&Suchen"), this);
  searchCaption->setBuddy(searchField_);
  search->addWidget(searchCaption);
  search->addWidget(searchField_, 1);
  search->addWidget(countLabel_);

  auto* commands = new QVBoxLayout;
  for (QPushButton* button : {newButton_, editButton_, deleteButton_, restoreButton_}) {
    commands->addWidget(button);
  }
  commands->addSpacing(12);
  commands->addWidget(transitButton_);
  commands->addWidget(timelineButton_);
  commands->addWidget(ephemerisButton_);
  commands->addWidget(pairButton_);
  commands->addSpacing(12);
  commands->addWidget(importButton_);
  commands->addWidget(exportButton_);
  commands->addWidget(csvButton_);
  commands->addSpacing(12);
  commands->addWidget(backupButton_);
  commands->addStretch();
  // F1 and the "Hilfe" button open the help.
  commands->addWidget(addWindowHelp(*this, QStringLiteral("Personen"), personsHelp()));
  commands->addWidget(closeButton_);

  auto* body = new QHBoxLayout;
  body->addWidget(personTable_, 1);
  body->addLayout(commands);

  auto* all = new QVBoxLayout(this);
  all->addLayout(search);
  all->addLayout(body, 1);
}

void PersonsWindow::connectControls() {
  connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& text) {
    persons_->setSearchText(text);
    showCount();
    updateButtons();
  });
  connect(personTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &PersonsWindow::updateButtons);
  connect(persons_, &QAbstractItemModel::modelReset, this, &PersonsWindow::updateButtons);
  connect(personTable_, &QTableView::doubleClicked, this, &PersonsWindow::editPerson);
  connect(newButton_, &QPushButton::clicked, this, &PersonsWindow::newPerson);
  connect(editButton_, &QPushButton::clicked, this, &PersonsWindow::editPerson);
  connect(deleteButton_, &QPushButton::clicked, this, &PersonsWindow::deletePerson);
  connect(restoreButton_, &QPushButton::clicked, this, &PersonsWindow::restorePerson);
  connect(importButton_, &QPushButton::clicked, this, &PersonsWindow::importAaf);
  connect(exportButton_, &QPushButton::clicked, this, &PersonsWindow::exportAaf);
  connect(csvButton_, &QPushButton::clicked, this, &PersonsWindow::saveCsv);
  connect(backupButton_, &QPushButton::clicked, this, &PersonsWindow::restoreArchiveBackup);
  connect(transitButton_, &QPushButton::clicked, this, &PersonsWindow::requestTransitFile);
  connect(timelineButton_, &QPushButton::clicked, this, [this] {
    if (const auto person = chosenPerson()) emit timelineRequested(*person);
  });
  connect(ephemerisButton_, &QPushButton::clicked, this, &PersonsWindow::openEphemeris);
  connect(pairButton_, &QPushButton::clicked, this, [this] {
    const auto both = chosenPersons();
    if (both.size() == 2) emit pairChartRequested(both[0], both[1]);
  });
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
}

void PersonsWindow::openWindow() {
  if (!archive_) {
    auto opened = archive::Archive::open(archiveFile_);
    if (const Rejection* refused = rejection(opened)) {
      platform_.showError(parentWidget(), refused->message);
      return;
    }
    archive_.emplace(std::get<archive::Archive>(std::move(opened)));
    if (!reload()) {
      archive_.reset();
      return;
    }
  }
  show();
  raise();
  activateWindow();
  searchField_->setFocus(Qt::OtherFocusReason);
}

// Closing lets go of the archive; the deleted persons are gone for good then.
void PersonsWindow::closeEvent(QCloseEvent* event) {
  deletedPersons_.clear();
  archive_.reset();
  QWidget::closeEvent(event);
}

// What another program (kelvaro-persons, a second Kelvaro) changed in the
// archive shows when the user comes back to the window; the chosen persons
// stay chosen. A read that fails now says so at the next action instead.
void PersonsWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !archive_) return;
  auto all = archive_->persons();
  if (rejection(all)) return;
  const std::vector<archive::Person> chosen = chosenPersons();
  showPersons(std::get<std::vector<archive::Person>>(std::move(all)),
              chosen.empty() ? std::nullopt : std::optional(chosen.front().id));
  // Two persons chosen for "Vergleich …" stay chosen, too.
  for (std::size_t k = 1; k < chosen.size(); ++k) {
    const int row = persons_->rowOf(chosen[k].id);
    if (row < 0) continue;
    personTable_->selectionModel()->select(persons_->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

bool PersonsWindow::reload(std::optional<archive::PersonId> select) {
  auto all = archive_->persons();
  if (const Rejection* refused = rejection(all)) {
    platform_.showError(this, refused->message);
    return false;
  }
  showPersons(std::get<std::vector<archive::Person>>(std::move(all)), select);
  return true;
}

void PersonsWindow::showPersons(std::vector<archive::Person> all,
                                std::optional<archive::PersonId> select) {
  persons_->setPersons(std::move(all));
  if (select) {
    const int row = persons_->rowOf(*select);
    if (row >= 0) {
      personTable_->selectRow(row);
      personTable_->scrollTo(persons_->index(row, 0));
    }
  }
  showCount();
  updateButtons();
}

std::optional<archive::Person> PersonsWindow::chosenPerson() const {
  const QModelIndexList rows = personTable_->selectionModel()->selectedRows();
  if (rows.size() != 1) return std::nullopt;
  return persons_->person(rows.front().row());
}

std::vector<archive::Person> PersonsWindow::chosenPersons() const {
  std::vector<int> rows;
  for (const QModelIndex& index : personTable_->selectionModel()->selectedRows()) {
    rows.push_back(index.row());
  }
  std::sort(rows.begin(), rows.end());
  std::vector<archive::Person> chosen;
  for (const int row : rows) chosen.push_back(persons_->person(row));
  return chosen;
}

void PersonsWindow::updateButtons() {
  const bool chosen = chosenPerson().has_value();
  for (QPushButton* button :
       {editButton_, deleteButton_, transitButton_, timelineButton_, ephemerisButton_}) {
    button->setEnabled(chosen);
  }
  pairButton_->setEnabled(personTable_->selectionModel()->selectedRows().size() == 2);
  restoreButton_->setEnabled(!deletedPersons_.empty());
}

void PersonsWindow::showCount() {
  const int shown = persons_->rowCount();
  const int all = persons_->personCount();
  countLabel_->setText(shown == all ? (all == 1 ? QStringLiteral("1 Person")
                                                : QStringLiteral("%1 Personen").arg(all))
                                    : QStringLiteral("%1 von %2 Personen").arg(shown).arg(all));
}

bool PersonsWindow::storePerson(const archive::Person& person) {
  if (person.id != 0) {
    if (const auto failure = archive_->update(person)) {
      platform_.showError(personForm_, *failure);
      return false;
    }
    reload(person.id);
    return true;
  }
  const auto stored = archive_->store(person);
  if (const Rejection* refused = rejection(stored)) {
    platform_.showError(personForm_, refused->message);
    return false;
  }
  const archive::Stored& where = std::get<archive::Stored>(stored);
  if (!where.added) {
    platform_.showError(personForm_, archive::displayName(person) +
                                         " steht mit denselben Geburtsdaten schon im Archiv.");
    reload(where.id);
    return false;
  }
  reload(where.id);
  return true;
}

void PersonsWindow::newPerson() {
  if (!personForm_) personForm_ = new PersonForm(platform_, this);
  personForm_->openNew([this](const archive::Person& person) { return storePerson(person); });
}

void PersonsWindow::editPerson() {
  const auto person = chosenPerson();
  if (!person) return;
  if (!personForm_) personForm_ = new PersonForm(platform_, this);
  personForm_->openFor(*person,
                       [this](const archive::Person& changed) { return storePerson(changed); });
}

void PersonsWindow::deletePerson() {
  const auto person = chosenPerson();
  if (!person || !platform_.askYesNo(this, "Soll " + archive::displayName(*person) + " (" +
                                               archive::birthDateText(*person) +
                                               ") aus dem Archiv gelöscht werden?")) {
    return;
  }
  if (const auto failure = archive_->remove(person->id)) {
    platform_.showError(this, *failure);
    return;
  }
  deletedPersons_.push_back(*person);
  reload();
}

void PersonsWindow::restorePerson() {
  if (deletedPersons_.empty()) return;
  const archive::Person person = deletedPersons_.back();
  if (const auto failure = archive_->restore(person)) {
    platform_.showError(this, *failure);
    return;
  }
  deletedPersons_.pop_back();
  reload(person.id);
}

void PersonsWindow::importAaf() {
  const auto chosen = platform_.chooseFile(this, aafFolder(), aafFileTypes());
  if (!chosen) return;
  rememberAafFolder(pathFromUtf8(*chosen));
  const auto report = archive::importAafFile(*archive_, pathFromUtf8(*chosen));
  if (const Rejection* refused = rejection(report)) {
    platform_.showError(this, refused->message);
    return;
  }
  reload();
  platform_.showInformation(this, archive::reportText(std::get<archive::ImportReport>(report)));
}

void PersonsWindow::exportAaf() {
  const std::vector<archive::Person> shown = persons_->shownPersons();
  const auto target = platform_.chooseSaveFile(this, "AAF exportieren", aafFolder(), "personen.aaf",
                                               aafFileTypes());
  if (!target) return;
  rememberAafFolder(pathFromUtf8(*target));
  auto text = archive::aafFile(shown, archive::AafEncoding::windows1252);
  if (const Rejection* refused = rejection(text)) {
    if (!platform_.askYesNo(this, refused->message + "\rSoll die Datei als UTF-8 geschrieben "
                                                     "werden?")) {
      return;
    }
    text = archive::aafFile(shown, archive::AafEncoding::utf8);
  }
  if (const auto error = replaceFileContents(pathFromUtf8(*target), std::get<std::string>(text))) {
    platform_.showError(this, "Die Datei " + *target +
                                  " lässt sich nicht schreiben: " + systemErrorText(error) + ".");
    return;
  }
  platform_.showInformation(this, std::to_string(shown.size()) +
                                      (shown.size() == 1 ? " Person" : " Personen") + " nach " +
                                      *target + " exportiert.");
}

// The persons the list shows as a table for spreadsheets, proposed in the
// result folder.
void PersonsWindow::saveCsv() {
  const std::vector<archive::Person> shown = persons_->shownPersons();
  const auto target = platform_.chooseSaveFile(this, "Als CSV speichern", resultFolder_,
                                               "personen.csv", {"CSV-Tabelle (*.csv)"});
  if (!target) return;
  if (const auto error =
          replaceFileContents(pathFromUtf8(*target), csvText(archive::personsTable(shown)))) {
    platform_.showError(this, "Die Datei " + *target +
                                  " lässt sich nicht schreiben: " + systemErrorText(error) + ".");
    return;
  }
  platform_.showInformation(this, std::to_string(shown.size()) +
                                      (shown.size() == 1 ? " Person" : " Personen") + " nach " +
                                      *target + " geschrieben.");
}

// The backups to choose from; the chosen one, after a question, replaces the
// archive (after a backup of the state before) and the list shows it.
void PersonsWindow::restoreArchiveBackup() {
  std::vector<archive::Backup> backups = archive::backupsOf(archiveFile_);
  if (backups.empty()) {
    platform_.showInformation(
        this,
        "Es gibt noch keine Sicherung des Personenarchivs. Kelvaro legt sie vor der ersten "
        "Änderung eines Tages und vor jedem Import im Ordner " +
            utf8FromPath(archive::backupFolder(archiveFile_)) + " an.");
    return;
  }
  if (!backupsDialog_) backupsDialog_ = new BackupsDialog(this);
  backupsDialog_->openWith(std::move(backups), [this](const archive::Backup& backup) {
    const std::string persons =
        backup.persons
            ? std::to_string(*backup.persons) + (*backup.persons == 1 ? " Person" : " Personen")
            : "unlesbar";
    if (!platform_.askYesNo(this, "Soll das Personenarchiv auf den Stand vom " + backup.taken +
                                      " (" + persons +
                                      ") zurückgesetzt werden? Der jetzige Stand wird vorher "
                                      "gesichert.")) {
      return;
    }
    if (const auto failure = archive_->restoreBackup(backup.file)) {
      platform_.showError(this, *failure);
      return;
    }
    deletedPersons_.clear();  // what was deleted before is the backup's business now
    reload();
    platform_.showInformation(this,
                              "Die Sicherung vom " + backup.taken + " ist wiederhergestellt.");
  });
}

void PersonsWindow::requestTransitFile() {
  if (const auto person = chosenPerson()) emit transitFileRequested(*person);
}

// The ephemeris of the chosen person for the current year; a person whose
// place is unchecked has none, and the message says why.
void PersonsWindow::openEphemeris() {
  const auto person = chosenPerson();
  if (!person) return;
  const auto birth = archive::birthDataOf(*person);
  if (const Rejection* refused = rejection(birth))
    return platform_.showError(this, refused->message);
  const chart::BirthData& born = std::get<chart::BirthData>(birth);
  const auto today =
      born.zone.toLocal(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
  const timing::CalendarRequest request = timing::ephemerisRequest(born, today.date.year);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  auto timeline = timing::timeline(born, request);
  QApplication::restoreOverrideCursor();
  if (!ephemerisWindow_) ephemerisWindow_ = new EphemerisWindow(platform_, this, resultFolder_);
  ephemerisWindow_->showTimeline(born, person->place, request, std::move(*timeline));
}

}  // namespace kelvaro::ui
