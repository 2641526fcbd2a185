#include "cli/parser_texts.h"

#include <string>
#include <string_view>

#include "core/version.h"

namespace kelvaro::cli {
namespace {

// The name in front of the first ": " of a message, such as "--orb".
std::string namePart(std::string_view text) {
  const std::size_t colon = text.find(": ");
  return std::string(text.substr(0, colon == std::string_view::npos ? 0 : colon));
}

std::string missingText(std::string_view text) {
  constexpr std::string_view kSuffix = " is required";
  if (!text.ends_with(kSuffix)) return "Es fehlt eine Angabe.";
  const std::string_view name = text.substr(0, text.size() - kSuffix.size());
  if (name == "A subcommand") return "Es fehlt der Befehl.";
  return "Es fehlt " + std::string(name) + ".";
}

std::string valueText(std::string_view text, std::string_view what) {
  const std::string name = namePart(text);
  if (name.empty()) return std::string(what) + ".";
  return std::string(what) + " bei " + name + ".";
}

std::string failureMessage(const CLI::App* app, const CLI::Error& error) {
  std::string text = usageErrorText(error) + "\n";
  if (app->get_help_ptr() != nullptr) text += "Mehr dazu mit --help oder --help-all.\n";
  return text;
}

}  // namespace

std::string usageErrorText(const CLI::Error& error) {
  const std::string_view text = error.what();
  if (dynamic_cast<const CLI::RequiredError*>(&error)) return missingText(text);
  if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
    const std::size_t colon = text.find(": ");
    return "Nicht erwartet: " + std::string(text.substr(colon + 2));
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
    if (text.ends_with(" missing")) return valueText(text, "Es fehlt ein Wert");
    return valueText(text, "Die Zahl der Werte stimmt nicht");
  }
  // The checks of the arguments already give German texts ("NAME: text").
  if (dynamic_cast<const CLI::ValidationError*>(&error)) return std::string(text);
  if (dynamic_cast<const CLI::ConversionError*>(&error)) {
    constexpr std::string_view kUnconverted = "Could not convert: ";
    if (text.starts_with(kUnconverted)) {
      const std::string_view rest = text.substr(kUnconverted.size());
      return "Ungültiger Wert bei " + std::string(rest.substr(0, rest.find(" = "))) + ".";
    }
    return valueText(text, "Ungültiger Wert");
  }
  return "Der Aufruf ist fehlerhaft.";
}

void useGermanTexts(CLI::App& app) {
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "diese Hilfe zeigen");
  app.set_help_all_flag("--help-all", "die Hilfe zu jedem Befehl zeigen");
  app.set_version_flag("--version", std::string("kelvaro-cli ") + kVersion, "die Version zeigen");
  const std::shared_ptr<CLI::FormatterBase> formatter = app.get_formatter();
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("SUBCOMMAND", "BEFEHL");
  formatter->label("SUBCOMMANDS", "BEFEHLE");
  formatter->label("Positionals", "Argumente");
  formatter->label("REQUIRED", "PFLICHT");
  app.failure_message(failureMessage);
}

}  // namespace kelvaro::cli
