#pragma once

#include <optional>
#include <string>

#include <QPageLayout>

#include "core/result_text.h"
#include "core/transit_record.h"
#include "output/output_lines.h"
#include "print/printout.h"

class QPrinter;

namespace kelvaro {

// The printout of a result list or of the content overview: its first page
// begins as a print always began, with a blank line, the print header, a
// blank line, the first line and a blank line, then the other lines follow
// (wrapped where wider than the page); every page has the header on top
// and its number at the foot. The font is "courier new" (a fixed-pitch
// font) at the device's default size.
Printout resultListPrintout(const TransitRecord& record, const ResultText& lines);

// Prints resultListPrintout(record, lines) on an already configured printer
// (the window shows the print dialog first). Returns nothing on success,
// else the error message with what the system reported.
std::optional<std::string> printResultList(QPrinter& printer, const TransitRecord& record,
                                           const ResultText& lines);

// Landscape when the widest printed line does not fit across the portrait
// page `layout` at `resolution`, so that the columns of wide lists stay
// whole; otherwise portrait.
QPageLayout::Orientation pageOrientationFor(const QPageLayout& layout, int resolution,
                                            const TransitRecord& record, const ResultText& lines);

// Presets the printer, before its dialog, to that orientation.
void presetPageOrientation(QPrinter& printer, const TransitRecord& record, const ResultText& lines);

}  // namespace kelvaro
