#include "core/transit_record.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

std::vector<unsigned char> withTextField(std::vector<unsigned char> bytes, std::size_t field,
                                         const std::string& windows1252) {
  unsigned char* start = bytes.data() + field * kTextFieldSize;
  std::memset(start, 'x', kTextFieldSize);  // bytes after the text are ignored
  start[0] = static_cast<unsigned char>(windows1252.size());
  std::copy(windows1252.begin(), windows1252.end(), start + 1);
  return bytes;
}

TEST(TransitRecord, ReadsTextFieldsAsWindows1252) {
  auto bytes = withTextField(RecordBuilder().bytes(), 0,
                             "M\xFC"
                             "ller-Wei\xDF \x80 \xE9");
  bytes = withTextField(bytes, 1, "");
  const auto record = parseTransitRecord(bytes);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->surname(), "Müller-Weiß € é");
  EXPECT_EQ(record->firstName(), "");
}

TEST(TransitRecord, ReadsAFullLengthTextField) {
  const auto bytes = withTextField(RecordBuilder().bytes(), 6, std::string(255, 'A'));
  const auto record = parseTransitRecord(bytes);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->coordinate2(), std::string(255, 'A'));
}

TEST(TransitRecord, ReadsLittleEndianPositionsAtTheirOffsets) {
  auto bytes = RecordBuilder().bytes();
  const double value = 123.456;
  unsigned char raw[8];
  std::memcpy(raw, &value, 8);                                    // this machine is little-endian
  std::memcpy(bytes.data() + 2368 + std::size_t{5} * 8, raw, 8);  // T positions, factor 6 (KN)
  const auto record = parseTransitRecord(bytes);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->position(Variant::t, factor::KN), 123.456);
  EXPECT_EQ(record->position(Variant::s, factor::KN), 0.0);
}

TEST(TransitRecord, RoundTripsThroughItsBytes) {
  const auto original = RecordBuilder(10.0)
                            .at(Variant::r, factor::MC, 359.999999999)
                            .at(Variant::p, factor::Du, -0.0)
                            .at(Variant::s, factor::GZ, 1e308)
                            .text(0, "Müller")
                            .text(5, "48°08' N")
                            .build();
  const auto bytes = serializeTransitRecord(original);
  const auto parsed = parseTransitRecord(bytes);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, original);
}

TEST(TransitRecord, UsesOnlyTheFirst2560Bytes) {
  auto bytes = RecordBuilder(42.0).text(0, "A").bytes();
  const auto exact = parseTransitRecord(bytes);
  bytes.resize(4000, 0xFF);
  const auto longer = parseTransitRecord(bytes);
  ASSERT_TRUE(exact && longer);
  EXPECT_EQ(*exact, *longer);
}

TEST(TransitRecord, RefusesShortInputAndPositionsThatAreNotNumbers) {
  auto bytes = RecordBuilder().bytes();
  EXPECT_FALSE(parseTransitRecord(std::span(bytes.data(), 2559)));
  EXPECT_FALSE(parseTransitRecord(std::span<const unsigned char>()));
  auto nan = RecordBuilder().at(Variant::p, factor::Du, std::nan("")).bytes();
  EXPECT_FALSE(parseTransitRecord(nan));
  auto inf =
      RecordBuilder().at(Variant::r, factor::MC, std::numeric_limits<double>::infinity()).bytes();
  EXPECT_FALSE(parseTransitRecord(inf));
  std::vector<unsigned char> allOnes(kRecordSize, 0xFF);
  EXPECT_FALSE(parseTransitRecord(allOnes));
  std::vector<unsigned char> zeros(kRecordSize, 0x00);
  EXPECT_TRUE(parseTransitRecord(zeros));
}

TEST(HeaderLine, JoinsTheFieldsInTheirOrder) {
  const auto record = RecordBuilder()
                          .text(0, "Müller")
                          .text(1, "Jürgen")
                          .text(2, "München")
                          .text(3, "05.03.2007")
                          .text(4, "14:30:00")
                          .text(5, "48N08")
                          .text(6, "11E34")
                          .build();
  EXPECT_EQ(headerLine(record),
            " Kelvaro mit allen R-P-S-T-Daten für Müller, Jürgen, München, 48N08, 11E34, "
            "05.03.2007  14:30:00");
}

TEST(HeaderLine, EmptyFieldsLeaveTheirSeparatorsAndLongLinesAreCut) {
  EXPECT_EQ(headerLine(RecordBuilder().text(0, "A").build()),
            " Kelvaro mit allen R-P-S-T-Daten für A, , , , ,   ");
  std::string umlauts;
  for (int i = 0; i < 250; ++i) umlauts += "ä";
  const auto record = RecordBuilder().text(0, umlauts).text(4, "12:00").build();
  const std::string header = headerLine(record);
  EXPECT_EQ(utf8Length(header), 255u);
  EXPECT_EQ(header.substr(header.size() - 2), "ä");
}

}  // namespace
}  // namespace kelvaro
