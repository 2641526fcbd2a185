#include "core/pair_texts.h"

#include <string_view>

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

constexpr std::string_view kComparisonMark = "(r, p, s), t = Radix ";
constexpr std::string_view kBothMark = " & ";
constexpr std::size_t kFieldLimit = kTextFieldSize - 1;

}  // namespace

std::string personLabel(const std::string& name, const std::string& firstName) {
  return firstName.empty() ? name : name + ", " + firstName;
}

std::string fullName(const std::string& name, const std::string& firstName) {
  return firstName.empty() ? name : firstName + " " + name;
}

std::string comparisonFirstName(const std::string& firstName, const std::string& partnerLabel) {
  const std::string lead = firstName.empty() ? "" : firstName + " ";
  return utf8Left(lead + std::string(kComparisonMark) + partnerLabel, kFieldLimit);
}

std::optional<std::string> comparisonPartner(const TransitRecord& record) {
  const std::string& text = record.firstName();
  const std::size_t mark = text.find(kComparisonMark);
  if (mark == std::string::npos) return std::nullopt;
  if (mark != 0 && text[mark - 1] != ' ') return std::nullopt;
  return text.substr(mark + kComparisonMark.size());
}

std::optional<std::string> comparisonPerson(const TransitRecord& record) {
  const auto partner = comparisonPartner(record);
  if (!partner) return std::nullopt;
  const std::string& text = record.firstName();
  const std::size_t mark = text.size() - partner->size() - kComparisonMark.size();
  return personLabel(record.surname(), mark == 0 ? "" : text.substr(0, mark - 1));
}

std::vector<std::pair<std::string, std::string>> bothPersonsParts(const TransitRecord& record) {
  std::vector<std::pair<std::string, std::string>> parts;
  if (record.surname() != "Composit" && record.surname() != "Davison") return parts;
  const std::string& text = record.firstName();
  for (std::size_t mark = text.find(kBothMark); mark != std::string::npos;
       mark = text.find(kBothMark, mark + 1)) {
    parts.emplace_back(text.substr(0, mark), text.substr(mark + kBothMark.size()));
  }
  return parts;
}

std::string transitRingName(const TransitRecord& record) {
  const auto partner = comparisonPartner(record);
  return partner ? "Radix " + *partner : "Transit";
}

std::string bothPersonsText(const std::string& firstLabel, const std::string& secondLabel) {
  return utf8Left(firstLabel + std::string(kBothMark) + secondLabel, kFieldLimit);
}

}  // namespace kelvaro
