#include <string>

#include "output/file_replace.h"

namespace kelvaro {
namespace {

class ReplaceRefusalCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "kelvaro-replace"; }
  std::string message(int value) const override {
    switch (static_cast<ReplaceRefusal>(value)) {
      case ReplaceRefusal::notAPlainFile:
        return "An ihrer Stelle steht keine gewöhnliche Datei (sondern etwa eine Verknüpfung, "
               "eine Pipe oder ein Gerät)";
      case ReplaceRefusal::writeProtected:
        return "Die vorhandene Datei ist schreibgeschützt";
      case ReplaceRefusal::heldDatabase:
        return "Die vorhandene Datei gehört zum Personenarchiv, das gerade geöffnet ist";
    }
    return "Die vorhandene Datei lässt sich nicht ersetzen";
  }
};

}  // namespace

std::error_code make_error_code(ReplaceRefusal refusal) {
  static const ReplaceRefusalCategory kCategory;
  return {static_cast<int>(refusal), kCategory};
}

}  // namespace kelvaro
