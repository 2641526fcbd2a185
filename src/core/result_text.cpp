#include "core/result_text.h"

#include <algorithm>
#include <stdexcept>

namespace kelvaro {

ResultText::ResultText(std::initializer_list<std::string_view> lines) {
  for (const std::string_view line : lines) push_back(line);
}

ResultText::ResultText(const std::vector<std::string>& lines) {
  std::size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size() + 1;
  reserve(bytes, lines.size());
  for (const std::string& line : lines) push_back(line);
}

void ResultText::reserve(std::size_t bytes, std::size_t lines) {
  buffer_.reserve(bytes);
  starts_.reserve(lines);
}

void ResultText::push_back(std::string_view line) {
  starts_.push_back(buffer_.size());
  buffer_ += line;
  buffer_ += '\n';
}

void ResultText::pushPieces(std::initializer_list<std::string_view> pieces) {
  starts_.push_back(buffer_.size());
  for (const std::string_view piece : pieces) buffer_ += piece;
  buffer_ += '\n';
}

ResultText::Writer::Writer(ResultText& text, std::size_t bytes) : text_(text) {
  const std::size_t start = text.buffer_.size();
  text.buffer_.resize(start + bytes);
  next_ = text.buffer_.data() + start;
  end_ = next_ + bytes;
}

ResultText::Writer::~Writer() {
  text_.buffer_.resize(static_cast<std::size_t>(next_ - text_.buffer_.data()));
}

void ResultText::Writer::outgrown() {
  throw std::length_error("ResultText::Writer: a line beyond the room");
}

std::string_view ResultText::operator[](std::size_t k) const {
  const std::size_t start = starts_[k];
  const std::size_t end = k + 1 < starts_.size() ? starts_[k + 1] : buffer_.size();
  return std::string_view(buffer_).substr(start, end - 1 - start);
}

std::vector<std::string> ResultText::lines() const {
  return std::vector<std::string>(begin(), end());
}

bool operator==(const ResultText& text, const std::vector<std::string>& lines) {
  return text.size() == lines.size() && std::equal(text.begin(), text.end(), lines.begin());
}

}  // namespace kelvaro
