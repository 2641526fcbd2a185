#pragma once

#include <QDialog>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_entry.h"
#include "core/transit_record.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvaro::ui {

class PlaceSearch;
class Platform;

// The window "Neue Transit-Datei": birth data and a transit moment become a
// transit data file in the transit folder. Shown modally without blocking
// (openEntry()); after a file is written it asks whether to load it and
// reports the answer through made().
class NewTransitForm : public QDialog {
  Q_OBJECT

 public:
  // The computation of the record from the checked entry.
  using RecordMaker = std::function<TransitRecord(const chart::ChartRequest&)>;

  NewTransitForm(Platform& platform, std::filesystem::path transitFolder, QWidget* parent);

  // Replaces the computation (the ephemeris's by default); the window tests
  // give one that fails.
  void setRecordMaker(RecordMaker maker) { makeRecord_ = std::move(maker); }

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
  void createControls();
  void followBirthPlace();
  void showPresentMoment();
  void saveClicked();
  chart::ChartEntry entry() const;
  QLineEdit* field(chart::ChartField which) const;
  bool writeFile(const chart::ChartRequest& request);
  std::optional<TransitRecord> computedRecord(const chart::ChartRequest& request);
  void storeInArchive();
  void useLastTransitPlace();

  Platform& platform_;
  const std::filesystem::path transitFolder_;
  std::filesystem::path archiveFile_;  // empty: no archive
  RecordMaker makeRecord_;
  bool transitFollowsBirth_ = true;  // the transit place is the birth place until edited
  // The moment the transit date and time stand for while the user has not
  // typed them: they follow it into every zone the zone field gets.
  std::optional<std::chrono::sys_seconds> presentMoment_;

  QLineEdit* nameEdit_;
  QLineEdit* firstNameEdit_;
  QLineEdit* birthDateEdit_;
  QLineEdit* birthTimeEdit_;
  QLineEdit* birthPlaceEdit_;
  QListWidget* birthPlaceMatches_;
  QLineEdit* birthLatitudeEdit_;
  QLineEdit* birthLongitudeEdit_;
  QLineEdit* birthZoneEdit_;
  QLineEdit* birthCountryEdit_;
  QLineEdit* transitPlaceEdit_;
  QListWidget* transitPlaceMatches_;
  QLineEdit* transitDateEdit_;
  QLineEdit* transitTimeEdit_;
  QLineEdit* transitZoneEdit_;
  QLineEdit* transitLatitudeEdit_;
  QLineEdit* transitLongitudeEdit_;
  QCheckBox* storeInArchiveBox_;
  QPushButton* saveButton_;
  QPushButton* cancelButton_;
  PlaceSearch* birthSearch_;
  PlaceSearch* transitSearch_;
};

}  // namespace kelvaro::ui
