#include "ui/widgets/place_search.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <chrono>

#include "archive/aaf_import.h"
#include "chart/chart_entry.h"
#include "core/text_encoding.h"
#include "ui/widgets/text_view.h"

namespace kelvaro::ui {
namespace {

constexpr std::chrono::milliseconds kTypingPause{250};

}  // namespace

QListWidget* PlaceSearch::matchList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setFixedHeight(66);
  list->setVisible(atlas::atlasAvailable());
  return list;
}

PlaceSearch::PlaceSearch(Fields fields, QListWidget* matches, QObject* parent)
    : QObject(parent), fields_(fields), matches_(matches), pause_(new QTimer(this)) {
  if (!atlas::atlasAvailable()) return;
  pause_->setSingleShot(true);
  pause_->setInterval(kTypingPause);
  connect(pause_, &QTimer::timeout, this, &PlaceSearch::search);
  connect(fields_.place, &QLineEdit::textEdited, pause_, qOverload<>(&QTimer::start));
  if (fields_.country) {  // another country, other places
    connect(fields_.country, &QLineEdit::textEdited, this, [this] {
      if (matches_->count() > 0) pause_->start();
    });
  }
  connect(fields_.place, &QLineEdit::returnPressed, this, [this] {
    if (pause_->isActive()) {
      pause_->stop();
      search();
    }
    if (!found_.empty()) choose(0);
  });
  connect(matches_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { choose(matches_->row(item)); });
  connect(matches_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { choose(matches_->row(item)); });
}

void PlaceSearch::clear() {
  pause_->stop();
  found_.clear();
  matches_->clear();
}

void PlaceSearch::search() {
  const std::string typed = toUtf8(fields_.place->text().trimmed());
  const std::string country = fields_.country ? toUtf8(fields_.country->text().trimmed()) : "";
  found_ = utf8Length(typed) >= 2 ? archive::atlasPlacesIn(typed, country, 30)
                                  : std::vector<atlas::AtlasPlace>{};
  matches_->clear();
  for (const atlas::AtlasPlace& place : found_) {
    matches_->addItem(toQString(atlas::placeLabel(place) + "  (" + place.zone + ")"));
  }
  if (found_.empty() && utf8Length(typed) >= 2) {
    // A line to read, not to choose: it says why the list stays empty.
    const QString where =
        country.empty() ? QString() : QStringLiteral(" im Land %1").arg(toQString(country));
    auto* none = new QListWidgetItem(
        QStringLiteral("Kein Ort gefunden%1. Bitte die Schreibweise%2 prüfen oder Breite, Länge "
                       "und Zeitzone selbst eintragen.")
            .arg(where, country.empty() ? QString() : QStringLiteral(" und das Land")),
        matches_);
    none->setFlags(Qt::NoItemFlags);
  }
}

void PlaceSearch::choose(int row) {
  if (row < 0 || row >= static_cast<int>(found_.size())) return;
  const atlas::AtlasPlace place = found_[static_cast<std::size_t>(row)];
  fields_.place->setText(toQString(place.name));
  fields_.latitude->setText(toQString(chart::latitudeEntryText(place.latitude)));
  fields_.longitude->setText(toQString(chart::longitudeEntryText(place.longitude)));
  fields_.zone->setText(toQString(place.zone));
  if (fields_.country) fields_.country->setText(toQString(archive::aafCountryCode(place)));
  chosen_ = place;
  clear();
  emit placeChosen();
}

}  // namespace kelvaro::ui
