#include "ui/windows/picture_table_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/orb_entry.h"
#include "output/csv_text.h"
#include "output/file_replace.h"
#include "output/page_file.h"
#include "print/client_sheet.h"
#include "print/printout.h"
#include "search/dial_pointer.h"
#include "ui/help/picture_table_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/keywords_file.h"
#include "ui/platform/pdf_save.h"
#include "ui/platform/platform.h"
#include "ui/platform/sheet_output.h"
#include "ui/widgets/named_controls.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_keys.h"
#include "ui/widgets/window_style.h"
#include "ui/windows/keywords_dialog.h"

namespace kelvaro::ui {
namespace {

enum Column { kPicture, kPlace, kDeviation, kKeywords, kColumnCount };

// A cell that sorts by a number of its own (the row's index in the result,
// its place or its deviation) rather than by its text.
class NumberCell : public QTableWidgetItem {
 public:
  NumberCell(const QString& text, double number) : QTableWidgetItem(text) {
    setData(Qt::UserRole, number);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

// "0:30": the orb as the field takes it back.
QString orbFieldText(double orb) {
  const auto [degrees, minutes] = orbEntryFieldTexts(orb);
  return toQString(degrees + ":" + (minutes.size() < 2 ? "0" + minutes : minutes));
}

QTableWidgetItem* readOnly(QTableWidgetItem* item) {
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

}  // namespace

PictureTableWindow::PictureTableWindow(Platform& platform, KeywordsFile& keywords, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), keywords_(keywords) {
  setObjectName(QStringLiteral("PictureTableWindow"));
  setWindowTitle(QStringLiteral("Planetenbilder als Tabelle"));
  resize(900, 640);

  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("TableHeading"));
  heading_->setFont(captionFont(10, true));

  auto* orbLabel = new QLabel(QStringLiteral("&Orbis bis (G:MM)"), this);
  orb_ = new QLineEdit(this);
  orb_->setObjectName(QStringLiteral("TableOrb"));
  orb_->setMaximumWidth(70);
  orb_->setToolTip(QStringLiteral(
      "Nur Planetenbilder, deren Abweichung kleiner ist, zum Beispiel 0:30 (höchstens der Orbis "
      "der Suche); Enter oder Tab übernimmt"));
  orbLabel->setBuddy(orb_);
  byDeviation_ = new QCheckBox(QStringLiteral("Nach &Abweichung sortieren"), this);
  byDeviation_->setObjectName(QStringLiteral("TableByDeviation"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("TableCount"));
  auto* controls = new QHBoxLayout;
  controls->addWidget(orbLabel);
  controls->addWidget(orb_);
  controls->addSpacing(16);
  controls->addWidget(byDeviation_);
  controls->addStretch();
  controls->addWidget(count_);

  table_ = new QTableWidget(0, kColumnCount, this);
  table_->setObjectName(QStringLiteral("PictureTable"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Planetenbild"), QStringLiteral("Stelle"),
                                     QStringLiteral("Abweichung"), QStringLiteral("Stichworte")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setFont(fixedPitchFont(9, false));
  table_->setToolTip(QStringLiteral(
      "Ein Klick auf einen Spaltenkopf sortiert; mit Strg oder Umschalt mehrere Zeilen für das "
      "Klientenblatt wählen"));

  keywordsButton_ = smallButton(this, "TableKeywords", QStringLiteral("Stichworte …"));
  csvButton_ = smallButton(this, "TableCsv", QStringLiteral("Als CSV speichern …"));
  sheetButton_ = smallButton(this, "TableClientSheet", QStringLiteral("Klientenblatt …"));
  sheetButton_->setToolTip(
      QStringLiteral("Die gewählten Zeilen (ohne Wahl alle gezeigten) mit Geburtsdaten und "
                     "Gradscheibe auf einer Seite"));
  addSheetMenu(
      *sheetButton_, QStringLiteral("ClientSheet"), [this] { printClientSheet(); },
      [this] { saveClientSheetPdf(); }, [this] { saveClientSheetPicture(); });
  auto* close = smallButton(this, "TableClose", QStringLiteral("Schließen"));
  QPushButton* help = addWindowHelp(*this, windowTitle(), pictureTableHelp());
  help->setFont(captionFont(9, true));
  closeOnEscape(*this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(help);
  buttons->addStretch();
  buttons->addWidget(keywordsButton_);
  buttons->addWidget(csvButton_);
  buttons->addWidget(sheetButton_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addLayout(controls);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);

  connect(orb_, &QLineEdit::editingFinished, this, &PictureTableWindow::orbEdited);
  connect(byDeviation_, &QCheckBox::toggled, this, &PictureTableWindow::fill);
  connect(keywordsButton_, &QPushButton::clicked, this, &PictureTableWindow::editKeywords);
  connect(csvButton_, &QPushButton::clicked, this, &PictureTableWindow::saveCsv);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void PictureTableWindow::showTable(PictureTableSource source,
                                   const std::filesystem::path& saveFolder) {
  source_ = std::move(source);
  saveFolder_ = saveFolder;
  tableOrb_ = source_.orb;
  heading_->setText(toQString(source_.heading));
  orb_->setText(orbFieldText(tableOrb_));
  rows_ = pictureRows(source_.record, source_.pictures, source_.dial, keywords_.keywords());
  if (keywords_.failure()) platform_.showError(this, *keywords_.failure());
  fill();
  const bool first = !isVisible();
  show();
  if (first) fitOnScreen(*this);
  raise();
  activateWindow();
}

// A smaller orb than the search's leaves out the farther rows; a larger one
// finds nothing more, so it is taken back to the search's.
void PictureTableWindow::orbEdited() {
  if (!orb_->isModified()) return;  // the focus only passed through
  orb_->setModified(false);
  const std::optional<double> orb = parseOrbText(orb_->text().trimmed().toStdString());
  if (!orb) {
    platform_.showError(this, orbTextRefusal(orb_->text().toStdString()));
    orb_->setText(orbFieldText(tableOrb_));
    return;
  }
  tableOrb_ = std::min(*orb, source_.orb);
  orb_->setText(orbFieldText(tableOrb_));
  fill();
}

void PictureTableWindow::fill() {
  const auto shown = chooseRows(rows_, {tableOrb_, byDeviation_->isChecked()});
  table_->setSortingEnabled(false);
  table_->clearContents();
  table_->setRowCount(static_cast<int>(shown.size()));
  for (std::size_t k = 0; k < shown.size(); ++k) {
    const PictureRow& row = shown[k];
    const int r = static_cast<int>(k);
    table_->setItem(
        r, kPicture,
        readOnly(new NumberCell(toQString(pictureText(row.picture)), static_cast<double>(k))));
    table_->setItem(
        r, kPlace,
        readOnly(new NumberCell(toQString(source_.dial.placeText(row.place)), row.place)));
    auto* deviation = new NumberCell(toQString(deviationText(row.deviation)), row.deviation);
    deviation->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(r, kDeviation, readOnly(deviation));
    auto* words = new QTableWidgetItem(toQString(row.keywords));
    words->setToolTip(toQString(row.keywords));
    table_->setItem(r, kKeywords, readOnly(words));
  }
  table_->resizeColumnsToContents();
  // The first column sorts by the order just made: the list's or the deviation's.
  table_->horizontalHeader()->setSortIndicator(kPicture, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  count_->setText(QStringLiteral("%1 von %2 Planetenbildern").arg(shown.size()).arg(rows_.size()));
  csvButton_->setEnabled(!shown.empty());
}

std::vector<PictureRow> PictureTableWindow::shownRows() const {
  const auto shown = chooseRows(rows_, {tableOrb_, byDeviation_->isChecked()});
  std::vector<PictureRow> rows;
  rows.reserve(shown.size());
  for (int r = 0; r < table_->rowCount(); ++r) {
    const auto index = table_->item(r, kPicture)->data(Qt::UserRole).toDouble();
    rows.push_back(shown.at(static_cast<std::size_t>(index)));
  }
  return rows;
}

std::vector<PictureRow> PictureTableWindow::sheetRows() const {
  const std::vector<PictureRow> shown = shownRows();
  std::vector<PictureRow> chosen;
  for (int r = 0; r < table_->rowCount(); ++r) {
    if (table_->item(r, kPicture)->isSelected())
      chosen.push_back(shown[static_cast<std::size_t>(r)]);
  }
  return chosen.empty() ? shown : chosen;
}

void PictureTableWindow::saveCsv() {
  const auto chosen =
      platform_.chooseSaveFile(this, "Als CSV speichern", saveFolder_,
                               pictureTableFileName(source_.record), {"CSV-Tabelle (*.csv)"});
  if (!chosen) return;
  const std::string bytes = csvText(pictureTable(shownRows(), source_.dial));
  if (const std::error_code error = replaceFileContents(pathFromUtf8(*chosen), bytes)) {
    platform_.showError(
        this, "Die Datei " + *chosen + " lässt sich nicht speichern: " + systemErrorText(error));
    return;
  }
  platform_.showInformation(this, "Gespeichert unter\r" + *chosen);
}

namespace {

// Where the client sheet's pointer stands: the dial window's, else on the
// axis of the first row (the left side every row of a search shares).
int sheetPointer(const PictureTableSource& source, const std::vector<PictureRow>& rows) {
  if (source.pointer) return *source.pointer;
  if (rows.empty()) return 0;
  const double axis = source.dial.place(termValue(source.record, rows.front().picture.left));
  return pointerAt(axis, source.dial);
}

}  // namespace

void PictureTableWindow::printClientSheet() {
  printSheet(
      platform_, this, [this](bool) { return clientSheetOf(sheetRows()); },
      [this] { saveClientSheetPdf(); });
}

void PictureTableWindow::saveClientSheetPdf() {
  Printout printout = clientSheetOf(sheetRows());
  savePdf(platform_, this, saveFolder_, clientSheetFileName(source_.record, PageFormat::pdf),
          printout, printoutPageLayout());
}

void PictureTableWindow::saveClientSheetPicture() {
  saveSheetPicture(
      platform_, this, saveFolder_, clientSheetFileName(source_.record, PageFormat::png),
      [this](bool) { return clientSheetOf(sheetRows()); },
      "Das Klientenblatt wurde gespeichert unter");
}

Printout PictureTableWindow::clientSheetOf(std::vector<PictureRow> rows) const {
  const int pointer = sheetPointer(source_, rows);
  return clientSheetPrintout({source_.record, tableOrb_, pointer, source_.shownRings, source_.dial,
                              source_.persons, std::move(rows)});
}

// After the keywords were saved the rows show the new ones.
void PictureTableWindow::editKeywords() {
  auto* dialog = new KeywordsDialog(platform_, keywords_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &KeywordsDialog::saved, this, [this] {
    const Keywords& keywords = keywords_.keywords();
    for (PictureRow& row : rows_) row.keywords = keywords.ofPicture(row.picture);
    fill();
  });
  dialog->open();
}

}  // namespace kelvaro::ui
