#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/result_text.h"
#include "core/search_result.h"
#include "core/transit_record.h"

// What the fuzz targets share: turning the fuzzer's bytes into a record and
// an orb, and the checks that every output must pass besides not crashing.
namespace kelvaro::fuzz {

// Ends the run when an invariant is broken; libFuzzer keeps the input.
void require(bool condition, const char* what);

// Well-formed UTF-8: the encoders of the program read it back unchanged.
bool isWellFormedUtf8(std::string_view text);

// Every line (and the heading) must be well-formed UTF-8: the windows show
// it and a save converts it to Windows-1252 character by character.
void requireShowable(const std::vector<std::string>& lines);
void requireShowable(const SearchResult& result);
void requireShowable(const ResultText& lines);

// The record of the next 2560 bytes, padded with zero bytes when fewer are
// left; nothing when a position is not a finite number (the load refuses it).
std::optional<TransitRecord> consumeRecord(FuzzedDataProvider& data);

// An orb as the orb entry leaves it (from two field texts: any whole
// degrees, 1.0 after a refused entry) or any finite orb from −1° to 12°
// (from 11.25° on every pair meets; beyond that nothing new happens).
double consumeOrb(FuzzedDataProvider& data);

// A field text of up to 300 bytes: longer than any line limit, short
// enough to keep the runs fast (every check reads fixed positions).
std::string consumeText(FuzzedDataProvider& data);

}  // namespace kelvaro::fuzz
