#include "cli/angle_argument.h"

namespace kelvaro::cli {

CLI::Option* addAngleArgument(CLI::App* command, std::string& angleText) {
  const CLI::Validator hasColon(
      [](const std::string& text) {
        return text.find(':') == std::string::npos ? "erwartet G:MM, nicht " + text : std::string();
      },
      "G:MM");
  return command
      ->add_option("WINKEL", angleText,
                   "der Suchachs-Winkel als G:MM (die Felder für Grad und Minuten)")
      ->required()
      ->check(hasColon);
}

SearchAngleCheck checkAngleArgument(const std::string& angleText) {
  const std::string_view text = angleText;
  const std::size_t colon = text.find(':');
  return checkSearchAngle(text.substr(0, colon), text.substr(colon + 1));
}

}  // namespace kelvaro::cli
