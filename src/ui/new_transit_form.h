#pragma once

#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "chart/chart_entry.h"
#include "chart/place_atlas.h"

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

  Platform& platform_;
  const std::filesystem::path transitFolder_;
  bool transitFollowsBirth_ = true;  // the transit place is the birth place until edited

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
  QPushButton* SpeichernButton;
  QPushButton* AbbrechenButton;
  PlaceSearch birthSearch_;
  PlaceSearch transitSearch_;
};

}  // namespace kelvaro::ui
