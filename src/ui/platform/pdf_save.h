#pragma once

#include <filesystem>
#include <string>

#include <QPageLayout>

class QWidget;

namespace kelvaro {
class Printout;
}

namespace kelvaro::ui {

class Platform;

// "Als PDF speichern …": writes the pages of `printout` on `layout` as a
// PDF file named `name` into `folder` (the folder of the result files),
// without a dialog. When that file exists the user is asked whether to
// replace it; No saves under the next free name ("… (2).pdf"). An
// information box names the file written, an error box says why none was.
void savePdf(Platform& platform, QWidget* parent, const std::filesystem::path& folder,
             const std::string& name, Printout& printout, const QPageLayout& layout);

}  // namespace kelvaro::ui
