// Any bytes as the content of a transit file: the load, and everything that
// is made of the record and the orb alone (header line, readable
// description, result file name and headers, the angle texts of every
// position, the axis overview with its magic squares, the content overview,
// the correspondences). The overviews run with the orb after a load and,
// when the file goes on after its record, with an orb entered from the
// bytes that follow (the load never reads them).
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/std_ho.h"
#include "core/transit_record.h"
#include "fuzz_support.h"
#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/magic_squares.h"
#include "loading/orb_entry.h"
#include "loading/transit_description.h"
#include "output/file_name_check.h"
#include "output/output_lines.h"
#include "output/result_file.h"
#include "output/save.h"
#include "search/correspondences.h"

namespace {

using namespace kelvaro;
using fuzz::require;

bool hasLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

// The description reads back as the same record, unless a text field holds
// a line break (one line per field is the format).
void checkDescription(const TransitRecord& record) {
  const std::string text = describeTransitRecord(record);
  require(fuzz::isWellFormedUtf8(text), "the description is not UTF-8");
  for (const std::string& field : record.texts) {
    if (hasLineBreak(field)) return;
  }
  const auto back = parseTransitDescription(text);
  require(std::holds_alternative<TransitRecord>(back), "the description does not read back");
  require(std::get<TransitRecord>(back) == record, "the description reads back differently");
}

bool isOnCircle(double longitude) { return longitude >= 0 && longitude < 360; }

void checkAngleTexts(const TransitRecord& record) {
  for (Variant v : kVariants) {
    for (int number = 1; number <= factor::kCount; ++number) {
      const double x = record.position(v, number);
      const double mc = record.position(v, factor::MC);
      require(fuzz::isWellFormedUtf8(winkel_text(x, 2, AngleMode::dial22) +
                                     winkel_text(x, 2, AngleMode::sign30) + grad3_text(x) +
                                     grad3_kurz(x) + grad_minuten_text(x) + signAbbreviation(x)),
              "an angle text is not UTF-8");
      // Longitudes outside the circle are used as they are, houses included.
      if (isOnCircle(x) && isOnCircle(mc)) {
        const int house = haus(number, x, mc);
        require(house >= 1 && house <= 12, "a house outside 1 to 12");
      }
    }
  }
}

void checkOutput(const TransitRecord& record) {
  const std::vector<std::string> lines = {headerLine(record)};
  fuzz::requireShowable(lines);
  fuzz::requireShowable(printedLines(record, ResultText(lines)));
  fuzz::requireShowable(savedLines(record, ResultText(lines)));
  const std::string name = resultFileName(record);
  require(fuzz::isWellFormedUtf8(name), "the file name is not UTF-8");
  if (!fileNameRefusal(name)) {
    require(name.find('/') == std::string::npos && name != "." && name != "..",
            "an accepted file name leaves the folder");
  }
  resultFileText(record, ResultText(lines));
}

void checkOverviews(const TransitRecord& record, double orb) {
  const AxisOverview overview = axisOverview(record, orb);
  for (const std::string& label : overview.labels) {
    require(fuzz::isWellFormedUtf8(label), "an axis label is not UTF-8");
  }
  fuzz::requireShowable(overview.lines);
  fuzz::requireShowable(overviewMagicSquares(record));
  fuzz::requireShowable(vier_summen(record, orb));
  const SearchResult report = correspondences(record, orb);
  require(report.lines.size() == 171 || report.lines.size() == 169,
          "the correspondences have neither 171 nor 169 lines");
  fuzz::requireShowable(report);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto record = parseTransitRecord(std::span<const unsigned char>(data, size));
  if (!record) return 0;
  const auto bytes = serializeTransitRecord(*record);
  require(parseTransitRecord(bytes) == record, "a record does not survive writing and reading");
  checkDescription(*record);
  checkAngleTexts(*record);
  checkOutput(*record);
  checkOverviews(*record, kOrbAfterLoad);
  if (size > kRecordSize) {
    FuzzedDataProvider rest(data + kRecordSize, size - kRecordSize);
    checkOverviews(*record, fuzz::consumeOrb(rest));
  }
  return 0;
}
