#include <memory>
#include <optional>
#include <string>
#include <utility>

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

void addPanelArguments(CLI::App* command, PanelArguments& panel) {
  const auto variantCaption = CLI::IsMember({"r", "p", "s", "t", "rpst"});
  command->add_option("LEFT", panel.left, "variant of F3: r, p, s, t or rpst")
      ->required()
      ->check(variantCaption);
  command->add_option("KIND", panel.kind, "/ (midpoints) or + (sums)")
      ->required()
      ->check(CLI::IsMember({"/", "+"}));
  command->add_option("RIGHT", panel.right, "variant of F4: r, p, s, t or rpst")
      ->required()
      ->check(variantCaption);
  command->add_flag("--single-factor", panel.singleFactor,
                    "answer Yes to the single-factor question (same single variant on both sides)");
}

void addFreeAxisPictures(CommandSet& commands) {
  auto entry = std::make_shared<std::string>();
  auto panel = std::make_shared<PanelArguments>();
  CLI::App* command = commands.add(
      "pictures", "option 2, method 1: the planetary pictures on a free search axis",
      [entry, panel](const Session& session) {
        if (utf8Length(*entry) != kFreeAxisEntryLength) {
          return wrongLength(*entry, kFreeAxisEntryLength);
        }
        const auto checked = checkFreeAxisEntry(*entry);
        if (const Rejection* refused = rejection(checked)) {
          return CommandResult::refused({refused->message});
        }
        const PictureAxis axis = entryAxis(session.record, std::get<FreeAxisEntry>(checked));
        return CommandResult::listOf(pictureSearch(session.record, session.orb, axis, panel->choices(),
                                      panel->singleFactor));
      });
  command->add_option("ENTRY", *entry, "the search axis, e.g. KNt+JUp")->required();
  addPanelArguments(command, *panel);
}

void addAnglePictures(CommandSet& commands) {
  auto angle = std::make_shared<std::string>();
  auto panel = std::make_shared<PanelArguments>();
  CLI::App* command = commands.add(
      "angle-pictures", "option 3 without a factor: the planetary pictures at a search angle",
      [angle, panel](const Session& session) {
        const SearchAngleCheck check = checkAngleArgument(*angle);
        if (!check.valid) return CommandResult::refused({std::string(kInvalidSearchAngleMessage)});
        // Option 3 empties the stored entry when it starts.
        const PictureAxis axis = angleAxis(check.angle, "");
        return CommandResult::listOf(pictureSearch(session.record, session.orb, axis, panel->choices(),
                                      panel->singleFactor));
      });
  addAngleArgument(command, *angle);
  addPanelArguments(command, *panel);
}

void addQuadro(CommandSet& commands) {
  auto entry = std::make_shared<std::string>();
  CLI::App* command =
      commands.add("quadro", "option 2, method 2: the variants of one planetary picture",
                   [entry](const Session& session) {
                     if (utf8Length(*entry) != kQuadroEntryLength) {
                       return wrongLength(*entry, kQuadroEntryLength);
                     }
                     QuadroOutcome outcome = quadroSearch(session.record, session.orb, *entry);
                     if (outcome.rejection)
                       return CommandResult::refused({outcome.rejection->message});
                     return CommandResult::listOf(std::move(outcome.result));
                   });
  command->add_option("ENTRY", *entry, "the planetary picture, e.g. KN+JU=MO/SA")->required();
}

}  // namespace

void addPictureCommands(CommandSet& commands) {
  addFreeAxisPictures(commands);
  addAnglePictures(commands);
  addQuadro(commands);
}

}  // namespace kelvaro::cli
