#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include <QPageLayout>

#include "core/checked.h"
#include "output/page_file.h"
#include "print/printout.h"

namespace kelvaro::offscreen {

// How an offscreen command speaks on stderr: every message after the
// command's name ("kelvaro --sheet: …"), as the terminal shows it.
struct CommandVoice {
  std::ostream& err;
  std::string_view command;

  void tell(std::string_view message) const;
  // tell(), and the exit status of a refused command line.
  int refuse(std::string_view message) const;
};

// The format that OUT names by its extension, or why it names none.
Checked<PageFormat> outputFormat(const std::string& outName);

// Writes the printout as OUT in `format`, laid out on `layout`, as a new
// file: a file of that name that is already there is kept, and the printout
// goes under a free name that is told. Returns the exit status.
int writeOutput(Printout& printout, const std::string& outName, PageFormat format,
                const QPageLayout& layout, const CommandVoice& voice);

}  // namespace kelvaro::offscreen
