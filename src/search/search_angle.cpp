#include "search/search_angle.h"

#include "core/whole_number.h"

namespace kelvaro {

SearchAngleCheck checkSearchAngle(std::string_view degreesText, std::string_view minutesText) {
  const auto [degreesField, minutesField, degrees, minutes] =
      readDegreeMinuteFields(degreesText, minutesText);
  SearchAngleCheck check{degreesField, minutesField};
  if (!degrees || !minutes) return check;
  check.angle = *degrees + *minutes / 60.0;
  check.valid = *degrees <= 22 && *minutes <= 59;
  return check;
}

}  // namespace kelvaro
