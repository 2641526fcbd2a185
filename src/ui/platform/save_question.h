#pragma once

#include <filesystem>
#include <string>

#include "output/file_replace.h"

class QWidget;

namespace kelvaro::ui {

class Platform;

// Whether a save may replace an earlier file of its name. Where `name` is
// taken in `folder`, the user is asked "Die Datei … gibt es schon.
// Ersetzen?": Ja replaces it, Nein keeps it, and the save then takes the
// next free name ("… (2).txt"). A free name needs no question.
ExistingFile askAboutExistingFile(Platform& platform, QWidget* parent,
                                  const std::filesystem::path& folder, const std::string& name);

}  // namespace kelvaro::ui
