#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include <QWidget>

#include "archive/archive.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kelvaro::ui {

class BackupsDialog;
class EphemerisWindow;
class PersonForm;
class PersonListModel;
class Platform;

// The window "Personen": the persons of the archive in a list that a search
// field filters as the user types and a click on a column heading sorts;
// "Neu", "Ändern", "Löschen" (a deleted person can be brought back with
// "Wiederherstellen" until the window closes), AAF import and export, and
// "Transit-Datei …", which hands the chosen person to the window of a new
// transit file, "Zeitleiste …", which hands it to the calendar window, and
// "Vergleich …", which hands two persons chosen together to the window of a
// chart of both.
// The archive stays open while the window is shown.
class PersonsWindow : public QWidget {
  Q_OBJECT

 public:
  // `archiveFile`: the archive; `resultFolder`: where the graphic
  // ephemeris proposes its files. The AAF dialogs open where the user chose
  // an AAF file last (aaf_folder.h).
  PersonsWindow(Platform& platform, std::filesystem::path archiveFile,
                std::filesystem::path resultFolder, QWidget* parent);
  ~PersonsWindow() override;

  // Opens the archive and shows the window (or brings it to the front); an
  // archive that cannot be opened is reported and the window stays closed.
  void openWindow();

 signals:
  void transitFileRequested(const archive::Person& person);
  void timelineRequested(const archive::Person& person);
  // Two persons chosen together, A the upper one in the list.
  void pairChartRequested(const archive::Person& first, const archive::Person& second);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void createControls();
  void connectControls();
  bool reload(std::optional<archive::PersonId> select = std::nullopt);
  void showPersons(std::vector<archive::Person> all, std::optional<archive::PersonId> select);
  // The chosen person when exactly one is chosen.
  std::optional<archive::Person> chosenPerson() const;
  // The persons chosen, in the order of the list.
  std::vector<archive::Person> chosenPersons() const;
  void updateButtons();
  void showCount();
  void openEphemeris();

  void newPerson();
  void editPerson();
  void deletePerson();
  void restorePerson();
  void importAaf();
  void exportAaf();
  void saveCsv();  // "Als CSV speichern …": the persons shown
  void restoreArchiveBackup();
  void requestTransitFile();
  // Stores a person of the form: added, or changed where it has a number.
  bool storePerson(const archive::Person& person);

  Platform& platform_;
  const std::filesystem::path archiveFile_;
  const std::filesystem::path resultFolder_;
  std::optional<archive::Archive> archive_;
  std::vector<archive::Person> deletedPersons_;  // last deleted last

  PersonListModel* persons_;
  PersonForm* personForm_ = nullptr;  // made at its first use
  QLineEdit* searchField_;
  QTableView* personTable_;
  QLabel* countLabel_;
  QPushButton* newButton_;
  QPushButton* editButton_;
  QPushButton* deleteButton_;
  QPushButton* restoreButton_;
  QPushButton* importButton_;
  QPushButton* exportButton_;
  QPushButton* csvButton_;
  QPushButton* backupButton_;
  BackupsDialog* backupsDialog_ = nullptr;  // made at its first use
  QPushButton* transitButton_;
  QPushButton* timelineButton_;
  QPushButton* pairButton_;
  QPushButton* ephemerisButton_;
  EphemerisWindow* ephemerisWindow_ = nullptr;  // made when first asked for
  QPushButton* closeButton_;
};

}  // namespace kelvaro::ui
