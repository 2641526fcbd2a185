#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <QString>

#include "core/transit_record.h"

class QPushButton;
class QWidget;

namespace kelvaro {
class Printout;
}

namespace kelvaro::ui {

class Platform;

// Makes a sheet's printout: of one page (a picture) or with all its pages.
using SheetMaker = std::function<Printout(bool onePage)>;

// Prints the sheet; where no printer is set up the user may save it as a
// PDF instead (`savePdfInstead`).
void printSheet(Platform& platform, QWidget* parent, const SheetMaker& make,
                const std::function<void()>& savePdfInstead);

// "Bild speichern": asks for a name (proposing `name`, a PNG) in `folder`
// and writes the sheet as the name's extension says, PNG, SVG or PDF; the
// file dialog has asked before a file is replaced. `savedText` leads the
// message that names the file written.
void saveSheetPicture(Platform& platform, QWidget* parent, const std::filesystem::path& folder,
                      const std::string& name, const SheetMaker& make,
                      const std::string& savedText);

// Gives `button` the menu of a sheet's ways out: "Drucken …", "Als PDF
// speichern …" and "Als Bild speichern …" (object names `prefix` + "Print",
// "Pdf" and "Picture").
void addSheetMenu(QPushButton& button, const QString& prefix, const std::function<void()>& print,
                  const std::function<void()>& savePdf, const std::function<void()>& savePicture);

}  // namespace kelvaro::ui
