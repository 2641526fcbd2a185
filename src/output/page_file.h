#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/transit_record.h"

// Files of printed pages: a printout saved as PDF, the dial sheet saved as
// a picture. Plain C++: the pages themselves are made by the page painter.
namespace kelvaro {

// The file formats of pages: PDF holds every page, PNG and SVG the first.
enum class PageFormat { pdf, png, svg };

// The file name extension of a format, ".pdf", ".png" or ".svg".
std::string_view pageFormatExtension(PageFormat format);
// The format a file's extension names, in any case; nothing for another one.
std::optional<PageFormat> pageFormatOf(const std::filesystem::path& file);

// The name a printout of a result list is proposed under: the result file
// name with the format's extension in place of its ".txt".
std::string printoutFileName(const TransitRecord& record, PageFormat format);

// The name of a result list's table for spreadsheets: as the saved list's,
// ending in ".csv".
std::string tableFileName(const TransitRecord& record);
// The name of the dial sheet: the same with "_Gradscheibe" before the extension.
std::string dialSheetFileName(const TransitRecord& record, PageFormat format);
// "…_Klientenblatt.pdf": the client sheet.
std::string clientSheetFileName(const TransitRecord& record, PageFormat format);
// "…_Planetenbilder.csv": a table of planetary pictures.
std::string pictureTableFileName(const TransitRecord& record);

// Writes `bytes` as the file `target`, replacing an earlier file only by a
// complete new one. Returns the error message when that failed.
std::optional<std::string> writePageFile(const std::filesystem::path& target,
                                         std::string_view bytes);

// Writes `bytes` as the file `target`, or where a file of that name is
// there, under the next free name beside it ("Blatt (2).pdf"): the command
// lines never replace a file. The path written (UTF-8), or the message.
Checked<std::string> writeNewPageFile(const std::filesystem::path& target, std::string_view bytes);

}  // namespace kelvaro
