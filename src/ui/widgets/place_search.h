#pragma once

#include <optional>
#include <vector>

#include <QObject>

#include "atlas/place_atlas.h"

class QLineEdit;
class QListWidget;
class QTimer;
class QWidget;

namespace kelvaro::ui {

// A place field that searches the place atlas: typing lists the atlas
// places of that name below it (of the country in the form's "Land", if
// it names one); Enter there (or a click on a match) takes the first (or
// the clicked) one, and its coordinates, zone and country go into their
// fields. A search through the atlas takes a noticeable moment, so it waits
// for a pause in the typing; Enter searches at once. Without an atlas in the
// build the field is an ordinary one.
class PlaceSearch : public QObject {
  Q_OBJECT

 public:
  struct Fields {
    QLineEdit* place;
    QLineEdit* latitude;
    QLineEdit* longitude;
    QLineEdit* zone;
    QLineEdit* country = nullptr;  // "Land": limits the search, gets the chosen place's
  };

  // The list of matches to lay out below a place field: always there (so the
  // window keeps its size), left out where the build has no atlas.
  static QListWidget* matchList(QWidget* parent, const char* name);

  PlaceSearch(Fields fields, QListWidget* matches, QObject* parent);

  // Forgets the places found and empties the list.
  void clear();
  // The atlas place taken last.
  const std::optional<atlas::AtlasPlace>& chosen() const { return chosen_; }

 signals:
  // A place was taken into the fields.
  void placeChosen();

 private:
  void search();
  void choose(int row);

  Fields fields_;
  QListWidget* matches_;
  QTimer* pause_;  // runs from the last keystroke to the search
  std::vector<atlas::AtlasPlace> found_;
  std::optional<atlas::AtlasPlace> chosen_;
};

}  // namespace kelvaro::ui
