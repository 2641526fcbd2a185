#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace kelvaro::ui {

class Platform;

// "Drucken": the print dialog for `printer`; true when the user printed.
// On a system without a printer the user is told so instead and asked
// whether to save the pages as a PDF file; Yes runs `savePdf` (the window's
// "Als PDF speichern"), and nothing is printed.
bool setUpPrinterOrOfferPdf(Platform& platform, QWidget* parent, QPrinter& printer,
                            const std::function<void()>& savePdf);

}  // namespace kelvaro::ui
