#pragma once

#include <filesystem>
#include <vector>

#include <QStringList>

namespace kelvaro {

// The fonts Kelvaro brings, so that every table lines up whatever fonts a
// system has: a fixed-pitch font with the widths of Courier New and a
// proportional one with those of Arial (Debian's Liberation fonts).
inline constexpr char kFixedPitchFamily[] = "Liberation Mono";
inline constexpr char kProportionalFamily[] = "Liberation Sans";

// The families a text asks for: Courier New (Arial) where the system has
// it, else the program's own font of the same widths.
QStringList fixedPitchFamilies();
QStringList proportionalFamilies();

// Where the fonts are: "fonts" beside the program (the Windows setup, the
// build tree), then the system's folder of these fonts (Linux).
std::vector<std::filesystem::path> programFontFolders();

// Makes the fonts of the first folder that holds them known to the running
// Qt program; how many font files it registered (0: the system's fonts
// stand in). Needs a QGuiApplication.
int registerProgramFonts(const std::vector<std::filesystem::path>& folders = programFontFolders());

}  // namespace kelvaro
