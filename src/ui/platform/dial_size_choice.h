#pragma once

#include <QString>

#include "core/dial_size.h"

// The dial size last chosen in a window, kept in the user's settings for
// the next run; the standard 22.5° dial before the first choice, and for a
// value the settings file holds that names no size.
namespace kelvaro::ui {

DialSize rememberedDialSize(const QString& window);
void rememberDialSize(const QString& window, DialSize dial);

}  // namespace kelvaro::ui
