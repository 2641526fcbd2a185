#include "ui/platform/printer_setup.h"

#include <string_view>

#include "ui/platform/platform.h"

namespace kelvaro::ui {
namespace {

constexpr std::string_view kNoPrinterQuestion =
    "Auf diesem Rechner ist kein Drucker eingerichtet.\r"
    "Sollen die Seiten stattdessen als PDF-Datei gespeichert werden (wie mit „Als PDF "
    "speichern“)?";

}  // namespace

bool setUpPrinterOrOfferPdf(Platform& platform, QWidget* parent, QPrinter& printer,
                            const std::function<void()>& savePdf) {
  if (platform.hasPrinter()) return platform.setUpPrinter(parent, printer);
  if (platform.askYesNo(parent, std::string(kNoPrinterQuestion))) savePdf();
  return false;
}

}  // namespace kelvaro::ui
