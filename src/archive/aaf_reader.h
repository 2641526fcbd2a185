#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/person.h"
#include "core/checked.h"

namespace kelvaro::archive {

// One record of an AAF file (the "Astrologisches Austauschformat"), as read.
struct AafRecord {
  int line = 0;            // the line of its #A93
  Checked<Person> person;  // the person, or why the record is faulty
  // The record has no #B93: its coordinates and zone are still to be looked
  // up in the atlas (see aaf_import.h).
  bool withoutCoordinates = false;
};

// How the lines of a file were read: each line that is valid UTF-8 as UTF-8,
// any other as Windows-1252.
struct AafLineEncodings {
  int utf8Lines = 0;  // lines with characters beyond ASCII read as UTF-8
  int windows1252Lines = 0;
  std::vector<int> firstWindows1252Lines;  // the numbers of the first 20 of them
};

// For a file that mixes the two: which lines were read as Windows-1252.
// Nothing for a file in one encoding.
std::optional<std::string> mixedEncodingNote(const AafLineEncodings& encoding);

// Reads the records of an AAF file one after the other, in memory bounded by
// the longest record (a record of more than 64 KB of text is faulty), so a
// file of any size and shape costs little beyond its bytes.
//
// Each record begins with a line "#A93:" and takes the blocks up to the next
// one (#B93, #ZNAM, #SRC, #VIA, #COM; the blocks of sub-horoscopes after a
// #SUB, and blocks Kelvaro does not use, are read past). A line that does not
// begin with "#" continues the block before it; lines "#:" are comments.
// Lines end in CR LF, LF or CR; a byte-order mark before the first is dropped.
//
// The Julian day of a #B93 decides the birth moment. It must fit: with a
// birth time and a zone in #B93 (difference and summer time, or "L" or "m"
// for the local mean time of the longitude) the moment they give within a
// minute; with a time but no zone within 14 hours; without a time the birth
// date within 14 hours. The zone is then the offset from UT that the moment
// and the local time of #A93 imply. Without a Julian day the moment follows
// from the zone difference and the summer time of #B93. A #ZNAM that names a
// zone of the tz database ("Europe/Berlin", "UT") becomes the zone where it
// gives the same offset at that moment; any other #ZNAM ("MEZ") is kept as
// the zone's abbreviation. Coordinates take the range of every entry of a
// place (chart::latitudeInRange()).
class AafReader {
 public:
  explicit AafReader(std::string_view bytes);

  // The next record; nothing after the last.
  std::optional<AafRecord> next();

  // How the lines read so far were read: all of them once next() gave nothing.
  const AafLineEncodings& encoding() const { return encoding_; }

 private:
  struct Line {
    std::string_view bytes;  // without its end
    int number = 0;
    bool utf8 = true;  // read as UTF-8, else as Windows-1252
  };
  // The next line, counted in encoding(); nothing at the end of the bytes.
  std::optional<Line> takeLine();

  std::string_view rest_;
  int lineCount_ = 0;
  std::optional<Line> pending_;  // the #A93 that ended the record before
  AafLineEncodings encoding_;
};

// Every record of the file, in order (see AafReader).
std::vector<AafRecord> readAaf(std::string_view bytes);

}  // namespace kelvaro::archive
