#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/angle_argument.h"
#include "cli/command_set.h"
#include "core/text_encoding.h"
#include "search/free_axis_entry.h"
#include "search/picture_search.h"
#include "search/quadro_search.h"

namespace kelvaro::cli {
namespace {

// The arguments that stand for the variant panel: LEFT KIND RIGHT and the
// answer to the single-factor question.
struct PanelArguments {
  std::string left;
  std::string kind;
  std::string right;
  bool singleFactor = false;

  PanelChoices choices() const {
    return {*panelVariantFromCaption(left), *pictureKindFromCaption(kind),
            *panelVariantFromCaption(right)};
  }
};

// Accepts exactly one of `choices`; the message is German.
CLI::Validator oneOf(const std::vector<std::string>& choices) {
  std::string list;
  for (const std::string& choice : choices) list += (list.empty() ? "" : ", ") + choice;
  return CLI::Validator(
      [choices, list](const std::string& text) {
        for (const std::string& choice : choices) {
          if (text == choice) return std::string();
        }
        return text + " ist keins von " + list;
      },
      "{" + list + "}");
}

void addPanelArguments(CLI::App* command, PanelArguments& panel) {
  const CLI::Validator variantCaption = oneOf({"r", "p", "s", "t", "rpst"});
  command->add_option("LINKS", panel.left, "Variante von F3: r, p, s, t oder rpst")
      ->required()
      ->check(variantCaption);
  command->add_option("ART", panel.kind, "/ (Halbsummen) oder + (Summen)")
      ->required()
      ->check(oneOf({"/", "+"}));
  command->add_option("RECHTS", panel.right, "Variante von F4: r, p, s, t oder rpst")
      ->required()
      ->check(variantCaption);
  command->add_flag("--single-factor", panel.singleFactor,
                    "die Frage nach nur einer Faktor-Variante mit Ja beantworten "
                    "(links und rechts dieselbe einzelne Variante)");
}

void addFreeAxisPictures(CommandSet& commands) {
  auto entry = std::make_shared<std::string>();
  auto panel = std::make_shared<PanelArguments>();
  CLI::App* command = commands.add(
      "pictures", "Option 2, Verfahren 1: die Planetenbilder auf einer frei gewählten Suchachse",
      [entry, panel](const Session& session) {
        if (utf8Length(*entry) != kFreeAxisEntryLength) {
          return wrongLength(*entry, kFreeAxisEntryLength);
        }
        const auto checked = checkFreeAxisEntry(*entry);
        if (const Rejection* refused = rejection(checked)) {
          return CommandResult::refused({refused->message});
        }
        const PictureAxis axis = entryAxis(session.record, std::get<FreeAxisEntry>(checked));
        return CommandResult::listOf(pictureSearch(session.record, session.orb, axis,
                                                   panel->choices(), panel->singleFactor));
      });
  command->add_option("EINGABE", *entry, "die Suchachse, z. B. KNt+JUp")->required();
  addPanelArguments(command, *panel);
}

void addAnglePictures(CommandSet& commands) {
  auto angle = std::make_shared<std::string>();
  auto panel = std::make_shared<PanelArguments>();
  CLI::App* command = commands.add(
      "angle-pictures", "Option 3 ohne Faktor: die Planetenbilder in einem Suchachs-Winkel",
      [angle, panel](const Session& session) {
        const SearchAngleCheck check = checkAngleArgument(*angle);
        if (!check.valid) return CommandResult::refused({std::string(kInvalidSearchAngleMessage)});
        // Option 3 empties the stored entry when it starts.
        const PictureAxis axis = angleAxis(check.angle, "");
        return CommandResult::listOf(pictureSearch(session.record, session.orb, axis,
                                                   panel->choices(), panel->singleFactor));
      });
  addAngleArgument(command, *angle);
  addPanelArguments(command, *panel);
}

void addQuadro(CommandSet& commands) {
  auto entry = std::make_shared<std::string>();
  CLI::App* command =
      commands.add("quadro", "Option 2, Verfahren 2: die Varianten eines Planetenbildes",
                   [entry](const Session& session) {
                     if (utf8Length(*entry) != kQuadroEntryLength) {
                       return wrongLength(*entry, kQuadroEntryLength);
                     }
                     QuadroOutcome outcome = quadroSearch(session.record, session.orb, *entry);
                     if (outcome.rejection)
                       return CommandResult::refused({outcome.rejection->message});
                     return CommandResult::listOf(std::move(outcome.result));
                   });
  command->add_option("EINGABE", *entry, "das Planetenbild, z. B. KN+JU=MO/SA")->required();
}

}  // namespace

void addPictureCommands(CommandSet& commands) {
  addFreeAxisPictures(commands);
  addAnglePictures(commands);
  addQuadro(commands);
}

}  // namespace kelvaro::cli
