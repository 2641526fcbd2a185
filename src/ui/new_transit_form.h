#pragma once

#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "chart/chart_entry.h"
#include "chart/place_atlas.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

namespace kelvaro::ui {

class Platform;

// The window "Neue Transit-Datei": birth data and a transit moment become a
// transit data file in the transit folder. Shown modally without blocking
// (openEntry()); after a file is written it asks whether to load it and
// reports the answer through made().
class NewTransitForm : public QDialog {
  Q_OBJECT

 public:
  NewTransitForm(Platform& platform, std::filesystem::path transitFolder, QWidget* parent);

  // Shows the window with empty birth fields and the present moment of the
  // system's zone as the transit.
  void openEntry();

  // The persons archive: a person whose file is made is stored there when
  // "Im Personenarchiv speichern" is ticked (as it is at first), and the
  // transit place is remembered for openForPerson().
  void useArchive(std::filesystem::path archiveFile);
  // openEntry() with the birth data of a person of the archive, and the
  // transit now at the transit place used last.
  void openForPerson(const chart::ChartEntry& birth, const std::string& birthPlace);

 signals:
  // A file was written; `load` is the answer to "load it now?".
  void made(const QString& path, bool load);

 private:
  // A place field with its atlas matches below it.
  struct PlaceSearch {
    QLineEdit* place;
    QListWidget* matches;
    QLineEdit* latitude;
    QLineEdit* longitude;
    QLineEdit* zone;
    QTimer* pause;  // runs from the last keystroke to the search
    std::vector<chart::AtlasPlace> found;
  };

  void createControls();
  void connectPlaceSearch(PlaceSearch& search);
  void searchPlaces(PlaceSearch& search);
  void choosePlace(PlaceSearch& search, int row);
  void followBirthPlace();
  void Speichern();
  chart::ChartEntry entry() const;
  QLineEdit* field(chart::ChartField which) const;
  bool writeFile(const chart::ChartRequest& request);
  void storeInArchive();
  void useLastTransitPlace();

  Platform& platform_;
  const std::filesystem::path transitFolder_;
  std::filesystem::path archiveFile_;  // empty: no archive
  bool transitFollowsBirth_ = true;    // the transit place is the birth place until edited

  QLineEdit* Name;
  QLineEdit* Vorname;
  QLineEdit* Geburtsdatum;
  QLineEdit* Geburtszeit;
  QLineEdit* Geburtsort;
  QListWidget* GeburtsortTreffer;
  QLineEdit* Geburtsbreite;
  QLineEdit* Geburtslaenge;
  QLineEdit* Geburtszeitzone;
  QLineEdit* Ort;
  QListWidget* OrtTreffer;
  QLineEdit* Datum;
  QLineEdit* Zeit;
  QLineEdit* Zeitzone;
  QLineEdit* Breite;
  QLineEdit* Laenge;
  QCheckBox* storeInArchiveBox_;
  QPushButton* SpeichernButton;
  QPushButton* AbbrechenButton;
  PlaceSearch birthSearch_;
  PlaceSearch transitSearch_;
};

}  // namespace kelvaro::ui
