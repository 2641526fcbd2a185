#pragma once

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

// The text of an AAF file as UTF-8: a file that is valid UTF-8 is read as
// such (without a leading byte-order mark), any other as Windows-1252.
std::string aafText(std::string_view bytes);

// Every record of the file, in order: each begins with a line "#A93:" and
// takes the blocks up to the next one (#B93, #ZNAM, #SRC, #VIA, #COM; the
// blocks of sub-horoscopes after a #SUB, and blocks Kelvaro does not use,
// are read past). A line that does not begin with "#" continues the block
// before it; lines "#:" are comments. Lines end in CR LF, LF or CR.
//
// The Julian day of a #B93 decides the birth moment; the zone is then the
// offset from UT that it and the local time of #A93 imply. Without a Julian
// day the moment follows from the zone difference and the summer time of
// #B93 ("L": the local mean time of the longitude). A #ZNAM that names a
// zone of the tz database ("Europe/Berlin", "UT") becomes the zone where it
// gives the same offset at that moment; any other #ZNAM ("MEZ") is kept as
// the zone's abbreviation.
std::vector<AafRecord> readAaf(std::string_view bytes);

}  // namespace kelvaro::archive
