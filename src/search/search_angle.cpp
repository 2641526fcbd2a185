#include "search/search_angle.h"

#include "core/whole_number.h"

namespace kelvaro {

SearchAngleCheck checkSearchAngle(std::string_view degreesText, std::string_view minutesText) {
  SearchAngleCheck check;
  check.degreesText = isEmptyField(degreesText) ? "0" : std::string(degreesText);
  check.minutesText = isEmptyField(minutesText) ? "00" : std::string(minutesText);
  const auto degrees = parseWholeNumber(check.degreesText);
  const auto minutes = parseWholeNumber(check.minutesText);
  if (!degrees || !minutes) return check;
  check.angle = *degrees + *minutes / 60.0;
  check.valid = *degrees <= 22 && *minutes <= 59;
  return check;
}

}  // namespace kelvaro
