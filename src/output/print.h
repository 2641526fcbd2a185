#pragma once

#include <optional>
#include <string>

#include "core/result_text.h"
#include "core/transit_record.h"
#include "output/output_lines.h"

class QImage;
class QPrinter;

namespace kelvaro {

// Prints printedLines(record, lines) on an already configured printer (the
// window shows the print dialog first): font "courier new" (a fixed-pitch
// font) at the printer's default size, one line below the other from the
// left edge, a new page when the next line would not fit, no page headers
// or footers. A line wider than the page wraps at its edge and continues
// indented (see wrapLine), so no character is lost on paper. Returns
// nothing on success, else the error message with what the system reported.
std::optional<std::string> printResultList(QPrinter& printer, const TransitRecord& record,
                                           const ResultText& lines);

// Prints a picture with its lines (the dial with the list at its pointer):
// the print header, the picture centred in the upper half of the page, the
// lines below it in a fixed-pitch font small enough for the widest line to
// fit the page width. Lines that do not fit the page go on further pages.
std::optional<std::string> printPictureWithLines(QPrinter& printer, const TransitRecord& record,
                                                 const QImage& picture, const ResultText& lines);

// Presets the printer, before its dialog, to landscape when the widest
// printed line does not fit across a portrait page, so that the columns of
// wide lists stay whole; otherwise to portrait.
void presetPageOrientation(QPrinter& printer, const TransitRecord& record, const ResultText& lines);

}  // namespace kelvaro
