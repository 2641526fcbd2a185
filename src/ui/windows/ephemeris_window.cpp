#include "ui/windows/ephemeris_window.h"

#include <chrono>

#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/ephemeris.h"
#include "core/text_encoding.h"
#include "print/printout.h"
#include "ui/help/ephemeris_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/pdf_save.h"
#include "ui/platform/platform.h"
#include "ui/platform/printer_setup.h"
#include "ui/widgets/ephemeris_canvas.h"
#include "ui/widgets/named_controls.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_keys.h"

namespace kelvaro::ui {
namespace {

double julianDayNow() {
  return chart::julianDayUt(
      std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
}

}  // namespace

EphemerisWindow::EphemerisWindow(Platform& platform, QWidget* parent,
                                 std::filesystem::path resultFolder)
    : QDialog(parent), platform_(platform), resultFolder_(std::move(resultFolder)) {
  setObjectName(QStringLiteral("EphemerisWindow"));
  setWindowTitle(QStringLiteral("Grafische Ephemeride"));
  titleLabel_ = named(new QLabel, "EphemerisTitle");
  canvas_ = named(new EphemerisCanvas, "EphemerisCanvas");
  navigationHint_ = named(
      new QLabel(QStringLiteral("Mausrad: Zeitraum vergrößern oder verkleinern; Ziehen: "
                                "verschieben; Klick auf einen Punkt: Zeile in der Liste wählen")),
      "EphemerisHint");
  todayButton_ = named(new QPushButton(QStringLiteral("Heute")), "TodayButton");
  wholeRangeButton_ = named(new QPushButton(QStringLiteral("Ganzer Zeitraum")), "WholeRangeButton");
  printButton_ = named(new QPushButton(QStringLiteral("Drucken")), "PrintButton");
  pdfButton_ = named(new QPushButton(QStringLiteral("Als PDF speichern")), "PdfButton");
  pictureButton_ = named(new QPushButton(QStringLiteral("Als Bild speichern …")), "PictureButton");
  closeButton_ = named(new QPushButton(QStringLiteral("Schließen")), "CloseButton");
  addPrintAndSaveKeys(*this, *printButton_, *pictureButton_);
  QPushButton* helpButton =
      addWindowHelp(*this, QStringLiteral("Grafische Ephemeride"), ephemerisHelp());

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {todayButton_, wholeRangeButton_}) buttons->addWidget(button);
  buttons->addStretch(1);
  for (QPushButton* button : {printButton_, pdfButton_, pictureButton_, helpButton, closeButton_}) {
    buttons->addWidget(button);
  }
  auto* column = new QVBoxLayout(this);
  column->addWidget(titleLabel_);
  column->addWidget(canvas_, 1);
  column->addWidget(navigationHint_);
  column->addLayout(buttons);
  resize(1000, 640);

  connect(todayButton_, &QPushButton::clicked, this, &EphemerisWindow::showToday);
  connect(wholeRangeButton_, &QPushButton::clicked, canvas_, &EphemerisCanvas::showWholeRange);
  connect(printButton_, &QPushButton::clicked, this, &EphemerisWindow::print);
  connect(pdfButton_, &QPushButton::clicked, this, &EphemerisWindow::savePdf);
  connect(pictureButton_, &QPushButton::clicked, this, &EphemerisWindow::savePicture);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
  connect(canvas_, &EphemerisCanvas::markClicked, this,
          [this](std::size_t mark) { emit lineChosen(sheet_->layout.marks.at(mark).line); });
}

void EphemerisWindow::showTimeline(const chart::BirthData& birth, const std::string& place,
                                   const timing::CalendarRequest& request,
                                   timing::Timeline timeline) {
  timeline_ = std::move(timeline);
  sheet_ = ephemerisSheetContent(birth, place, request, timeline_);
  titleLabel_->setText(toQString(timing::timelineTitle(birth, request)));
  canvas_->setContent(&sheet_->layout, &timeline_, request.zone);
  canvas_->setToday(std::nullopt);
  show();
  raise();
  activateWindow();
}

void EphemerisWindow::showToday() {
  const double today = julianDayNow();
  canvas_->setToday(today);
  canvas_->centreOn(today);
}

// "Müller-Anna-Ephemeride-01012031-31122031.pdf"
std::string EphemerisWindow::proposedName(PageFormat format) const {
  const chart::BirthData& birth = sheet_->birth;
  std::string name = birth.name;
  if (!birth.firstName.empty()) name += "-" + birth.firstName;
  const auto compact = [](const chart::Date& day) {
    std::string text = chart::dateText(day);
    std::erase(text, '.');
    return text;
  };
  return name + "-Ephemeride-" + compact(sheet_->request.from) + "-" + compact(sheet_->request.to) +
         std::string(pageFormatExtension(format));
}

void EphemerisWindow::print() {
  if (!sheet_) return;
  QPrinter printer;
  printer.setPageLayout(ephemerisPageLayout());
  if (!setUpPrinterOrOfferPdf(platform_, this, printer, [this] { savePdf(); })) return;
  Printout printout = ephemerisPrintout(sheet_->showing(canvas_->shownFrom(), canvas_->shownTo()));
  if (const auto failure = printPages(printer, printout)) platform_.showError(this, *failure);
}

void EphemerisWindow::savePdf() {
  if (!sheet_) return;
  Printout printout = ephemerisPrintout(sheet_->showing(canvas_->shownFrom(), canvas_->shownTo()));
  ui::savePdf(platform_, this, resultFolder_, proposedName(PageFormat::pdf), printout,
              ephemerisPageLayout());
}

// "Als Bild speichern …": PNG or SVG as the chosen name's extension says;
// the file dialog has asked before replacing a file.
void EphemerisWindow::savePicture() {
  if (!sheet_) return;
  const std::optional<std::string> chosen = platform_.chooseSaveFile(
      this, "Als Bild speichern", resultFolder_, proposedName(PageFormat::png),
      writesSvg() ? std::vector<std::string>{"PNG-Bild (*.png)", "SVG-Grafik (*.svg)"}
                  : std::vector<std::string>{"PNG-Bild (*.png)"});
  if (!chosen) return;
  const std::filesystem::path target = pathFromUtf8(*chosen);
  const std::optional<PageFormat> format = pageFormatOf(target);
  if (!format || *format == PageFormat::pdf) {
    return platform_.showError(this,
                               "Das Bild lässt sich nur als PNG oder SVG speichern; bitte einen "
                               "Namen mit der Endung .png oder .svg wählen:\r" +
                                   *chosen);
  }
  Printout printout = ephemerisPrintout(sheet_->showing(canvas_->shownFrom(), canvas_->shownTo()));
  const Checked<std::string> bytes = printoutFile(printout, *format, ephemerisPageLayout());
  if (const Rejection* failure = rejection(bytes)) {
    return platform_.showError(this, failure->message);
  }
  if (auto failure = writePageFile(target, std::get<std::string>(bytes))) {
    return platform_.showError(this, *failure);
  }
  platform_.showInformation(this, "Die grafische Ephemeride wurde gespeichert unter\r" + *chosen);
}

}  // namespace kelvaro::ui
