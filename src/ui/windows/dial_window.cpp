#include "ui/windows/dial_window.h"

#include <variant>

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/pair_texts.h"
#include "core/text_encoding.h"
#include "output/page_file.h"
#include "print/client_sheet.h"
#include "print/printout.h"
#include "search/angle_search.h"
#include "search/dial_pointer.h"
#include "search/picture_table.h"
#include "ui/help/dial_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/keywords_file.h"
#include "ui/platform/pdf_save.h"
#include "ui/platform/platform.h"
#include "ui/platform/sheet_output.h"
#include "ui/widgets/dial_disc.h"
#include "ui/widgets/dial_size_box.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/named_controls.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_keys.h"
#include "ui/widgets/window_style.h"
#include "ui/windows/picture_table_window.h"

namespace kelvaro::ui {
namespace {

// "Gradscheibe 22,5°".
QString titleOf(DialSize dial) {
  return QStringLiteral("Gradscheibe ") + QString::fromStdString(dial.sizeText());
}

constexpr std::array<const char*, 4> kRingCaptions = {"r  Radix", "p  Progression", "s  Solarbogen",
                                                      "t  Transit"};
constexpr std::array<const char*, 4> kRingNames = {"DialRingR", "DialRingP", "DialRingS",
                                                   "DialRingT"};

// The keys that move the pointer, pressed without a modifier.
bool isPointerKey(const QKeyEvent& key) {
  if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

std::string personText(const TransitRecord& record) {
  return record.firstName().empty() ? record.surname()
                                    : record.surname() + ", " + record.firstName();
}

}  // namespace

DialWindow::DialWindow(Platform& platform, KeywordsFile& keywords, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), keywords_(keywords) {
  setObjectName(QStringLiteral("DialWindow"));
  dialSize_ = new DialSizeBox(QStringLiteral("dial"), this);
  dialSize_->setToolTip(QStringLiteral("Größe der Scheibe: 360°, 90°, 45°, 22,5° oder 11,25°"));
  setWindowTitle(titleOf(dialSize_->dialSize()));
  fillBackground(*this, colour::navy);
  setTextColour(*this, colour::yellow);
  setFont(captionFont(9, true));
  setMinimumSize(880, 560);
  resize(1280, 760);

  person_ = new QLabel(this);
  person_->setObjectName(QStringLiteral("DialPerson"));
  person_->setFont(captionFont(11, true));
  disc_ = new DialDisc(this);
  disc_->setDialSize(dialSize_->dialSize());
  pointerLabel_ = new QLabel(this);
  pointerLabel_->setObjectName(QStringLiteral("DialPointer"));
  pointerLabel_->setFont(captionFont(12, true));
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("DialHeading"));

  auto* ringRow = new QHBoxLayout;
  auto* sizeLabel = new QLabel(QStringLiteral("&Scheibe"), this);
  sizeLabel->setBuddy(dialSize_);
  ringRow->addWidget(sizeLabel);
  ringRow->addWidget(dialSize_);
  ringRow->addSpacing(12);
  for (std::size_t ring = 0; ring < rings_.size(); ++ring) {
    rings_[ring] = new QCheckBox(QString::fromUtf8(kRingCaptions[ring]), this);
    rings_[ring]->setObjectName(QString::fromLatin1(kRingNames[ring]));
    rings_[ring]->setChecked(true);
    setTextColour(*rings_[ring], colour::yellow);
    connect(rings_[ring], &QCheckBox::toggled, this,
            [this, ring](bool shown) { disc_->setRingShown(kVariants[ring], shown); });
    ringRow->addWidget(rings_[ring]);
  }
  ringRow->addStretch();

  list_ = new LineView(this);
  list_->setObjectName(QStringLiteral("DialList"));
  list_->setAccessibleName(QStringLiteral("Liste am Zeiger"));
  list_->setFont(fixedPitchFont(8, true));
  setBaseColour(*list_, colour::cream);
  list_->installEventFilter(this);
  list_->viewport()->installEventFilter(this);

  print_ = smallButton(this, "DialPrint", QStringLiteral("Drucken"));
  savePdf_ = smallButton(this, "DialPdf", QStringLiteral("Als PDF speichern …"));
  save_ = smallButton(this, "DialSave", QStringLiteral("Bild speichern"));
  tableButton_ = smallButton(this, "DialTable", QStringLiteral("Als Tabelle …"));
  tableButton_->setToolTip(QStringLiteral(
      "Die Liste am Zeiger als Tabelle: Abweichung, Sortierung, Stichworte, Klientenblatt"));
  clientSheet_ = smallButton(this, "DialClientSheet", QStringLiteral("Klientenblatt …"));
  clientSheet_->setToolTip(QStringLiteral(
      "Geburtsdaten, Gradscheibe und die Bilder am Zeiger mit Abweichung und Stichworten auf "
      "einer Seite"));
  addSheetMenu(
      *clientSheet_, QStringLiteral("DialClientSheet"),
      [this] {
        if (record_) printSheet(platform_, this, [this](bool) { return clientSheet(); }, {});
      },
      [this] {
        if (!record_) return;
        Printout printout = clientSheet();
        ui::savePdf(platform_, this, saveFolder_, clientSheetFileName(*record_, PageFormat::pdf),
                    printout, printoutPageLayout());
      },
      [this] {
        if (!record_) return;
        saveSheetPicture(
            platform_, this, saveFolder_, clientSheetFileName(*record_, PageFormat::png),
            [this](bool) { return clientSheet(); }, "Das Klientenblatt wurde gespeichert unter");
      });
  addPrintAndSaveKeys(*this, *print_, *save_);
  closeOnEscape(*this);
  QPushButton* help = addWindowHelp(*this, QStringLiteral("Gradscheibe"), dialHelp());
  help->setFont(captionFont(9, true));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(help);
  buttons->addStretch();
  buttons->addWidget(tableButton_);
  buttons->addWidget(clientSheet_);
  buttons->addWidget(print_);
  buttons->addWidget(savePdf_);
  buttons->addWidget(save_);

  auto* side = new QVBoxLayout;
  side->addWidget(pointerLabel_);
  side->addLayout(ringRow);
  side->addWidget(heading_);
  side->addWidget(list_, 1);
  side->addLayout(buttons);
  auto* left = new QVBoxLayout;
  left->addWidget(person_);
  left->addWidget(disc_, 1);
  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left, 4);
  columns->addLayout(side, 5);

  connect(disc_, &DialDisc::pointerMoved, this, &DialWindow::showPointerList);
  connect(dialSize_, &DialSizeBox::dialSizeChosen, this, &DialWindow::setDialSize);
  connect(list_, &LineView::lineDoubleClicked, this, &DialWindow::markAt);
  connect(print_, &QPushButton::clicked, this, &DialWindow::print);
  connect(savePdf_, &QPushButton::clicked, this, &DialWindow::savePdf);
  connect(save_, &QPushButton::clicked, this, &DialWindow::saveSheet);
  connect(tableButton_, &QPushButton::clicked, this, &DialWindow::showTable);
}

void DialWindow::showDial(const TransitRecord& record, double orb,
                          const std::filesystem::path& saveFolder,
                          std::vector<std::string> sheetPersons,
                          std::vector<std::string> clientPersons) {
  record_ = record;
  sheetPersons_ = std::move(sheetPersons);
  clientPersons_ = std::move(clientPersons);
  orb_ = orb;
  saveFolder_ = saveFolder;
  showTitle();
  const std::string moment = comparisonPartner(record) ? "   Datum: " : "   Transit: ";
  person_->setText(toQString(personText(record) + moment + record.date() + ", " + record.time() +
                             ", " + record.place()));
  // In a comparison the outer ring is the partner's radix.
  rings_[3]->setText(QStringLiteral("t  ") + toQString(transitRingName(record)));
  disc_->showRecord(record, orb);
  showPointerList();
  const bool first = !isVisible() && !fitted_;
  show();
  if (first) {
    // On a laptop screen the window's bottom row of buttons stays in sight.
    fitted_ = true;
    fitOnScreen(*this);
    fitAgainWhenFramed(*this, [this] { fitOnScreen(*this); });
  }
  raise();
  activateWindow();
  disc_->setFocus(Qt::OtherFocusReason);
}

void DialWindow::showTitle() {
  QString title = titleOf(disc_->dialSize());
  if (record_) {
    title += QStringLiteral(" – ") + toQString(personText(*record_)) + QStringLiteral(", ") +
             toQString(record_->date());
  }
  setWindowTitle(title);
}

// The pointer keeps its angle where the new dial holds it; the list is
// searched again on the new dial.
void DialWindow::setDialSize(DialSize dial) {
  if (dialSize_->dialSize() != dial) dialSize_->setDialSize(dial);
  disc_->setDialSize(dial);
  showTitle();
  showPointerList();
}

void DialWindow::setOrb(double orb) {
  orb_ = orb;
  disc_->setOrb(orb);
  showPointerList();
}

void DialWindow::showPointerList() {
  const DialSize dial = disc_->dialSize();
  pointerLabel_->setText(toQString(pointerText(disc_->pointer(), dial)));
  if (!record_) return;
  pointerList_ = angleSearch(*record_, orb_, pointerAngle(disc_->pointer()), std::nullopt, dial);
  heading_->setText(toQString(pointerList_.heading));
  list_->setLines(pointerList_.lines);
}

// The keys that move the pointer move it wherever the focus is in the
// window, also after a click in the list; Shift with them selects there.
bool DialWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_->viewport() && event->type() == QEvent::ToolTip) {
    return showKeywordsAt(static_cast<QHelpEvent*>(event)->pos());
  }
  if (watched == list_ && event->type() == QEvent::KeyPress &&
      isPointerKey(*static_cast<QKeyEvent*>(event))) {
    QApplication::sendEvent(disc_, event);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// A double-click on an entry of a line marks exactly the factors of that
// entry; one between two entries changes nothing, one on a line without
// factors (a heading) clears the marks.
void DialWindow::markAt(qsizetype line, qsizetype column) {
  const auto lineFactors = pointerList_.factors[static_cast<std::size_t>(line)];
  const auto factors = pointerList_.entries ? entryFactorsAt(lineFactors, *pointerList_.entries,
                                                             static_cast<std::size_t>(column))
                                            : lineFactors;
  if (factors.empty() && !lineFactors.empty()) return;
  disc_->setMarked({factors.begin(), factors.end()});
}

// Over an entry of the list its keywords, over anything else how to mark one.
bool DialWindow::showKeywordsAt(const QPoint& point) {
  QString tip = QStringLiteral(
      "Doppelklick auf eine Summe oder Halbsumme: ihre Faktoren auf der Scheibe zeigen");
  const LineView::Place place = list_->placeAt(point);
  if (const std::optional<Picture> picture =
          pictureAt(pointerList_, place.line, static_cast<std::size_t>(place.column))) {
    const std::string words = keywords_.keywords().ofPicture(*picture);
    tip = toQString(pictureText(*picture)) + (words.empty()
                                                  ? QStringLiteral("\n(keine Stichworte)")
                                                  : QStringLiteral("\n") + toQString(words));
  }
  QToolTip::showText(list_->viewport()->mapToGlobal(point), tip, list_->viewport());
  return true;
}

void DialWindow::showTable() {
  if (!record_) return;
  if (!table_) table_ = new PictureTableWindow(platform_, keywords_, this);
  PictureTableSource source;
  source.record = *record_;
  source.heading = pointerList_.heading;
  source.pictures = resultPictures(pointerList_);
  source.orb = orb_;
  source.dial = disc_->dialSize();
  source.pointer = disc_->pointer();
  source.shownRings = disc_->shownRings();
  source.persons = clientPersons_;
  table_->showTable(std::move(source), saveFolder_);
}

Printout DialWindow::clientSheet() const {
  const DialSize dial = disc_->dialSize();
  auto rows =
      chooseRows(pictureRows(*record_, resultPictures(pointerList_), dial, keywords_.keywords()),
                 {std::nullopt, true});
  return clientSheetPrintout({*record_, orb_, disc_->pointer(), disc_->shownRings(), dial,
                              clientPersons_, std::move(rows)});
}

DialSheetContent DialWindow::sheet() const {
  return {*record_,        orb_,         disc_->pointer(),  disc_->shownRings(),
          disc_->marked(), pointerList_, disc_->dialSize(), sheetPersons_};
}

void DialWindow::print() {
  if (!record_) return;
  printSheet(
      platform_, this, [this](bool onePage) { return dialSheetPrintout(sheet(), onePage); },
      [this] { savePdf(); });
}

void DialWindow::savePdf() {
  if (!record_) return;
  Printout printout = dialSheetPrintout(sheet(), false);
  ui::savePdf(platform_, this, saveFolder_, dialSheetFileName(*record_, PageFormat::pdf), printout,
              printoutPageLayout());
}

// "Bild speichern": the sheet in the format the chosen name's extension names.
void DialWindow::saveSheet() {
  if (!record_) return;
  saveSheetPicture(
      platform_, this, saveFolder_, dialSheetFileName(*record_, PageFormat::png),
      [this](bool onePage) { return dialSheetPrintout(sheet(), onePage); },
      "Das Blatt der Gradscheibe wurde gespeichert unter");
}

}  // namespace kelvaro::ui
