#include "offscreen/page_output.h"

#include "cli/exit_status.h"
#include "cli/terminal_message.h"
#include "core/text_encoding.h"
#include "output/free_file_name.h"

namespace kelvaro::offscreen {

void CommandVoice::tell(std::string_view message) const {
  err << command << ": " << cli::terminalMessage(message) << '\n';
}

int CommandVoice::refuse(std::string_view message) const {
  tell(message);
  return cli::kExitRefused;
}

Checked<PageFormat> outputFormat(const std::string& outName) {
  if (const std::optional<PageFormat> format = pageFormatOf(pathFromUtf8(outName))) return *format;
  return Rejection{"Unbekanntes Format »" + outName + "«: erlaubt sind .pdf, .svg und .png."};
}

int writeOutput(Printout& printout, const std::string& outName, PageFormat format,
                const QPageLayout& layout, const CommandVoice& voice) {
  const Checked<std::string> bytes = printoutFile(printout, format, layout);
  if (const Rejection* failure = rejection(bytes)) return voice.refuse(failure->message);
  const Checked<std::string> written =
      writeNewPageFile(pathFromUtf8(outName), std::get<std::string>(bytes));
  if (const Rejection* failure = rejection(written)) return voice.refuse(failure->message);
  if (std::get<std::string>(written) != outName) {
    voice.tell(takenNameNote(outName, std::get<std::string>(written)));
  }
  return cli::kExitDone;
}

}  // namespace kelvaro::offscreen
