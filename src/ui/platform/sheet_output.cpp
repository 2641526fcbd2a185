#include "ui/platform/sheet_output.h"

#include <QMenu>
#include <QPrinter>
#include <QPushButton>

#include "core/text_encoding.h"
#include "output/page_file.h"
#include "print/printout.h"
#include "ui/platform/platform.h"
#include "ui/platform/printer_setup.h"

namespace kelvaro::ui {

void printSheet(Platform& platform, QWidget* parent, const SheetMaker& make,
                const std::function<void()>& savePdfInstead) {
  QPrinter printer;
  if (!setUpPrinterOrOfferPdf(platform, parent, printer, savePdfInstead)) return;
  Printout printout = make(false);
  if (const auto failure = printPages(printer, printout)) platform.showError(parent, *failure);
}

void saveSheetPicture(Platform& platform, QWidget* parent, const std::filesystem::path& folder,
                      const std::string& name, const SheetMaker& make,
                      const std::string& savedText) {
  const std::optional<std::string> chosen = platform.chooseSaveFile(
      parent, "Bild speichern", folder, name,
      writesSvg() ? std::vector<std::string>{"PNG-Bild (*.png)", "SVG-Grafik (*.svg)",
                                             "PDF-Dokument (*.pdf)"}
                  : std::vector<std::string>{"PNG-Bild (*.png)", "PDF-Dokument (*.pdf)"});
  if (!chosen) return;
  const std::filesystem::path target = pathFromUtf8(*chosen);
  const std::optional<PageFormat> format = pageFormatOf(target);
  if (!format) {
    return platform.showError(parent,
                              "Das Blatt lässt sich nur als PNG, SVG oder PDF speichern; "
                              "bitte einen Namen mit der Endung .png, .svg oder .pdf "
                              "wählen:\r" +
                                  *chosen);
  }
  Printout printout = make(*format != PageFormat::pdf);
  const Checked<std::string> bytes = printoutFile(printout, *format);
  if (const Rejection* failure = rejection(bytes)) {
    return platform.showError(parent, failure->message);
  }
  if (auto failure = writePageFile(target, std::get<std::string>(bytes))) {
    return platform.showError(parent, *failure);
  }
  platform.showInformation(parent, savedText + "\r" + *chosen);
}

void addSheetMenu(QPushButton& button, const QString& prefix, const std::function<void()>& print,
                  const std::function<void()>& savePdf, const std::function<void()>& savePicture) {
  auto* menu = new QMenu(&button);
  menu->setObjectName(prefix + QStringLiteral("Menu"));
  const auto add = [menu, &prefix](const char* name, const QString& caption,
                                   const std::function<void()>& action) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(prefix + QString::fromLatin1(name));
    QObject::connect(item, &QAction::triggered, menu, action);
  };
  add("Print", QStringLiteral("Drucken …"), print);
  add("Pdf", QStringLiteral("Als PDF speichern …"), savePdf);
  add("Picture", QStringLiteral("Als Bild speichern …"), savePicture);
  button.setMenu(menu);
}

}  // namespace kelvaro::ui
