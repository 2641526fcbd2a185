#include "output/transit_file_write.h"

#include <string_view>

#include "output/file_replace.h"
#include "output/save.h"

namespace kelvaro {

std::optional<std::string> writeTransitFile(const std::filesystem::path& target,
                                            const TransitRecord& record) {
  const auto bytes = serializeTransitRecord(record);
  const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (const std::error_code error = replaceFileContents(target, content)) {
    return saveFailureMessage(target, error);
  }
  return std::nullopt;
}

}  // namespace kelvaro
