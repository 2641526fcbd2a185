#include "core/line_buffer.h"

#include "core/text_encoding.h"

namespace kelvaro {

LineBuffer::LineBuffer(std::string start, std::size_t limit) : limit_(limit) {
  reset(std::move(start));
}

void LineBuffer::reset(std::string start) {
  text_ = utf8Left(start, limit_);
  length_ = utf8Length(text_);
}

void LineBuffer::append(std::string_view text) {
  if (length_ >= limit_) return;
  const std::size_t room = limit_ - length_;
  const std::size_t added = utf8Length(text);
  if (added <= room) {
    text_ += text;
    length_ += added;
  } else {
    text_ += utf8Left(text, room);
    length_ = limit_;
  }
}

}  // namespace kelvaro
