#include "output/result_file.h"

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

// `count` characters from the 1-based character position `first`.
std::string characters(const std::string& text, std::size_t first, std::size_t count) {
  return utf8Mid(text, first - 1, count);
}

// Place, date and time as every header writes them after the first comma.
std::string headerTail(const TransitRecord& r) {
  return r.firstName() + ", " + r.place() + ", " + r.date() + ", " + r.time();
}

}  // namespace

std::string resultFileName(const TransitRecord& r) {
  const std::string& date = r.date();
  const std::string& time = r.time();
  return utf8Left(r.surname() + "," + r.firstName() + " " + r.place() + "_" +
                      characters(date, 1, 2) + "_" + characters(date, 4, 2) + "_" +
                      characters(date, 7, 4) + "_" + characters(time, 1, 2) + "_" +
                      characters(time, 4, 2) + "_" + characters(time, 7, 2) + ".txt",
                  kLineLimit);
}

std::string printHeader(const TransitRecord& r) {
  return utf8Left(r.surname() + "," + headerTail(r), kLineLimit);
}

std::string saveHeader(const TransitRecord& r) {
  return utf8Left(r.surname() + ", " + headerTail(r), kLineLimit);
}

}  // namespace kelvaro
