#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>

#include "archive/archive.h"
#include "archive/person.h"
#include "chart/pair_chart.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kelvaro::ui {

class PlaceSearch;
class Platform;

// The window "Vergleich": two persons of the archive become one transit file
// of the kind chosen (Vergleich, Composit, Davison) for a date and a transit
// place, in the transit folder under a name that names both. Shown modally
// without blocking; after a file is written it asks whether to load it and
// reports the answer through made().
class PairChartDialog : public QDialog {
  Q_OBJECT

 public:
  PairChartDialog(Platform& platform, std::filesystem::path transitFolder,
                  std::filesystem::path archiveFile, QWidget* parent);

  // Shows the window for A and B, the transit now at the transit place used
  // last (else at A's birth place).
  void openFor(const archive::Person& first, const archive::Person& second);

 signals:
  void made(const QString& path, bool load);

 private:
  void createControls();
  void showPersons();
  void swapPersons();
  void prefillTransit();
  void showTransitPlace(const archive::TransitPlace& place);
  chart::PairKind chosenKind() const;
  void save();
  bool writeFile(const chart::PairChart& chart, const chart::ChartEntry& first,
                 const chart::ChartEntry& second);
  void rememberInArchive(const chart::PairChart& chart);

  Platform& platform_;
  const std::filesystem::path transitFolder_;
  const std::filesystem::path archiveFile_;
  std::optional<archive::Person> first_;
  std::optional<archive::Person> second_;
  bool transitFollowsA_ = false;  // the transit place is A's birth place

  QLabel* personA_;
  QLabel* personB_;
  QPushButton* swapButton_;
  QRadioButton* comparisonButton_;
  QRadioButton* compositeButton_;
  QRadioButton* davisonButton_;
  QLineEdit* place_;
  QListWidget* placeMatches_;
  PlaceSearch* placeSearch_;
  QLineEdit* date_;
  QLineEdit* time_;
  QLineEdit* zone_;
  QLineEdit* latitude_;
  QLineEdit* longitude_;
  QCheckBox* storeDavisonBox_;
  QPushButton* saveButton_;
  QPushButton* cancelButton_;
};

}  // namespace kelvaro::ui
