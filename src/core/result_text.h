#pragma once

#include <compare>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/short_text.h"

namespace kelvaro {

// The lines of a result list in one UTF-8 buffer: every line is followed by
// "\n" in the buffer, and the offset where each line starts is kept. A line is
// a view into the buffer, and the whole text is written out at once.
class ResultText {
 public:
  class const_iterator;
  class Writer;

  ResultText() = default;
  ResultText(std::initializer_list<std::string_view> lines);
  explicit ResultText(const std::vector<std::string>& lines);

  // Room for `bytes` characters of text (line ends included) and `lines` lines.
  void reserve(std::size_t bytes, std::size_t lines);
  // Room for `lines` lines of about `lineBytes` characters each.
  void reserveLines(std::size_t lines, std::size_t lineBytes) {
    reserve(lines * (lineBytes + 1), lines);
  }

  // Appends one whole line (named as in the standard containers, for
  // std::back_inserter).
  // NOLINTNEXTLINE(readability-identifier-naming)
  void push_back(std::string_view line);
  // Appends one line made of its pieces, each copied once into the buffer.
  void pushPieces(std::initializer_list<std::string_view> pieces);

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  std::string_view operator[](std::size_t k) const;
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }

  const_iterator begin() const;
  const_iterator end() const;

  // All lines, each ended by "\n".
  std::string_view text() const { return buffer_; }
  std::vector<std::string> lines() const;

  friend bool operator==(const ResultText& a, const ResultText& b) {
    return a.buffer_ == b.buffer_;
  }
  friend bool operator==(const ResultText& text, const std::vector<std::string>& lines);

 private:
  std::string buffer_;
  std::vector<std::size_t> starts_;
};

// Walks the lines in order; random access, as the lines of a vector.
class ResultText::const_iterator {
 public:
  // The names std::iterator_traits looks for.
  // NOLINTBEGIN(readability-identifier-naming)
  using iterator_category = std::random_access_iterator_tag;
  using value_type = std::string_view;
  using difference_type = std::ptrdiff_t;
  using pointer = void;
  using reference = std::string_view;
  // NOLINTEND(readability-identifier-naming)

  const_iterator() = default;
  const_iterator(const ResultText* text, std::size_t k) : text_(text), k_(k) {}

  std::string_view operator*() const { return (*text_)[k_]; }
  std::string_view operator[](difference_type n) const { return (*text_)[advanced(n)]; }
  const_iterator& operator++() { return ++k_, *this; }
  const_iterator operator++(int) { return {text_, k_++}; }
  const_iterator& operator--() { return --k_, *this; }
  const_iterator operator--(int) { return {text_, k_--}; }
  const_iterator& operator+=(difference_type n) { return k_ = advanced(n), *this; }
  const_iterator& operator-=(difference_type n) { return k_ = advanced(-n), *this; }
  friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
  friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
  friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
  friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
    return static_cast<difference_type>(a.k_) - static_cast<difference_type>(b.k_);
  }
  friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.k_ == b.k_; }
  friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
    return a.k_ <=> b.k_;
  }

 private:
  std::size_t advanced(difference_type n) const {
    return static_cast<std::size_t>(static_cast<difference_type>(k_) + n);
  }

  const ResultText* text_ = nullptr;
  std::size_t k_ = 0;
};

// Lines written straight into the end of the text, for the longest lists:
// room for `bytes` bytes is made once and what is left unwritten is given
// back when the writer ends. A short text is copied as its whole array, so
// each line asks for room up to ShortText::kCapacity bytes beyond its text;
// a line that finds no such room is refused with std::length_error.
class ResultText::Writer {
 public:
  class Line;

  Writer(ResultText& text, std::size_t bytes);
  ~Writer();
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  // A line that writes at most `bytes` bytes (over-copies included).
  Line beginLine(std::size_t bytes);
  void endLine(Line line);

 private:
  [[noreturn]] static void outgrown();

  ResultText& text_;
  char* next_;
  char* end_;
};

// One line being written, piece by piece. It is a value that holds where the
// next byte goes, so the pieces chain without a round trip through memory.
class ResultText::Writer::Line {
 public:
  Line& operator<<(const ShortText& piece) {
    std::memcpy(next_, piece.bytes.data(), ShortText::kCapacity);
    next_ += piece.size;
    return *this;
  }
  Line& operator<<(std::string_view piece) {
    std::memcpy(next_, piece.data(), piece.size());
    next_ += piece.size();
    return *this;
  }
  template <std::size_t N>
  Line& operator<<(const char (&literal)[N]) {
    std::memcpy(next_, literal, N - 1);
    next_ += N - 1;
    return *this;
  }

 private:
  friend class Writer;
  explicit Line(char* start) : next_(start) {}

  char* next_;
};

inline ResultText::Writer::Line ResultText::Writer::beginLine(std::size_t bytes) {
  if (bytes >= static_cast<std::size_t>(end_ - next_)) outgrown();  // and the line end
  text_.starts_.push_back(static_cast<std::size_t>(next_ - text_.buffer_.data()));
  return Line(next_);
}

inline void ResultText::Writer::endLine(Line line) {
  *line.next_++ = '\n';
  next_ = line.next_;
}

inline ResultText::const_iterator ResultText::begin() const { return {this, 0}; }
inline ResultText::const_iterator ResultText::end() const { return {this, size()}; }

}  // namespace kelvaro
