#include "ui/windows/dial_window.h"

#include <variant>

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/pair_texts.h"
#include "core/text_encoding.h"
#include "output/page_file.h"
#include "print/printout.h"
#include "search/angle_search.h"
#include "search/dial_pointer.h"
#include "ui/help/dial_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/pdf_save.h"
#include "ui/platform/platform.h"
#include "ui/platform/printer_setup.h"
#include "ui/widgets/dial_disc.h"
#include "ui/widgets/dial_size_box.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_keys.h"
#include "ui/widgets/window_style.h"

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

QPushButton* smallButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(captionFont(9, true));
  return button;
}

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

DialWindow::DialWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform) {
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
  list_->setToolTip(
      QStringLiteral("Doppelklick auf eine Summe oder Halbsumme: ihre Faktoren auf der Scheibe "
                     "zeigen"));

  print_ = smallButton(this, "DialPrint", QStringLiteral("Drucken"));
  savePdf_ = smallButton(this, "DialPdf", QStringLiteral("Als PDF speichern …"));
  save_ = smallButton(this, "DialSave", QStringLiteral("Bild speichern"));
  addPrintAndSaveKeys(*this, *print_, *save_);
  closeOnEscape(*this);
  QPushButton* help = addWindowHelp(*this, QStringLiteral("Gradscheibe"), dialHelp());
  help->setFont(captionFont(9, true));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(help);
  buttons->addStretch();
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
}

void DialWindow::showDial(const TransitRecord& record, double orb,
                          const std::filesystem::path& saveFolder,
                          std::vector<std::string> sheetPersons) {
  record_ = record;
  sheetPersons_ = std::move(sheetPersons);
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

DialSheetContent DialWindow::sheet() const {
  return {*record_,        orb_,         disc_->pointer(),  disc_->shownRings(),
          disc_->marked(), pointerList_, disc_->dialSize(), sheetPersons_};
}

void DialWindow::print() {
  if (!record_) return;
  QPrinter printer;
  if (!setUpPrinterOrOfferPdf(platform_, this, printer, [this] { savePdf(); })) return;
  Printout printout = dialSheetPrintout(sheet(), false);
  if (const auto failure = printPages(printer, printout)) platform_.showError(this, *failure);
}

void DialWindow::savePdf() {
  if (!record_) return;
  Printout printout = dialSheetPrintout(sheet(), false);
  ui::savePdf(platform_, this, saveFolder_, dialSheetFileName(*record_, PageFormat::pdf), printout,
              printoutPageLayout());
}

// "Bild speichern": the sheet in the format the chosen name's extension
// names; the file dialog has asked before replacing a file.
void DialWindow::saveSheet() {
  if (!record_) return;
  const std::optional<std::string> chosen = platform_.chooseSaveFile(
      this, "Bild speichern", saveFolder_, dialSheetFileName(*record_, PageFormat::png),
      writesSvg() ? std::vector<std::string>{"PNG-Bild (*.png)", "SVG-Grafik (*.svg)",
                                             "PDF-Dokument (*.pdf)"}
                  : std::vector<std::string>{"PNG-Bild (*.png)", "PDF-Dokument (*.pdf)"});
  if (!chosen) return;
  const std::filesystem::path target = pathFromUtf8(*chosen);
  const std::optional<PageFormat> format = pageFormatOf(target);
  if (!format) {
    return platform_.showError(this,
                               "Das Blatt lässt sich nur als PNG, SVG oder PDF speichern; "
                               "bitte einen Namen mit der Endung .png, .svg oder .pdf "
                               "wählen:\r" +
                                   *chosen);
  }
  Printout printout = dialSheetPrintout(sheet(), *format != PageFormat::pdf);
  const Checked<std::string> bytes = printoutFile(printout, *format);
  if (const Rejection* failure = rejection(bytes))
    return platform_.showError(this, failure->message);
  if (auto failure = writePageFile(target, std::get<std::string>(bytes))) {
    return platform_.showError(this, *failure);
  }
  platform_.showInformation(this, "Das Blatt der Gradscheibe wurde gespeichert unter\r" + *chosen);
}

}  // namespace kelvaro::ui
