#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive.h"
#include "atlas/place_atlas.h"

namespace kelvaro::archive {

// What an import did.
struct ImportReport {
  int added = 0;
  int present = 0;  // already in the archive (or twice in the file)
  int faulty = 0;
  std::vector<std::string> faults;          // "Zeile 12: …", one per faulty record, the first 100
  std::optional<std::string> encodingNote;  // for a file that mixes UTF-8 and Windows-1252
};

// "3 übernommen, 1 schon vorhanden, 2 fehlerhaft", then one line per faulty
// record listed (and how many more there are), then the note on the
// encoding.
std::string reportText(const ImportReport& report);

// The atlas places of a name (atlas::findPlaces); tests give their own.
using PlaceFinder = std::function<std::vector<atlas::AtlasPlace>(std::string_view name)>;
std::vector<atlas::AtlasPlace> atlasPlaces(std::string_view name);

// Imports the records of an AAF file (see readAafFile()) into the archive,
// in one transaction: after any failure (unreadable file, busy or full disk)
// the archive is as it was. The records are read and stored one by one. A faulty record is reported
// and leaves the others alone; a record without #B93 takes coordinates and zone from the atlas when
// its place and country name exactly one place there, and is otherwise imported with "Ort prüfen"
// (placeUnchecked()).
Checked<ImportReport> importAafFile(Archive& archive, const std::filesystem::path& file,
                                    const PlaceFinder& findPlaces = atlasPlaces);
// The same for the bytes of a file; a text without any record is refused.
Checked<ImportReport> importAaf(Archive& archive, std::string_view bytes,
                                const PlaceFinder& findPlaces = atlasPlaces);

// Whether an atlas place lies in the country an AAF record names: by the
// international vehicle code AAF uses ("D", "A", "CH"), the ISO code ("DE")
// or the country's name ("Deutschland").
bool inCountry(const atlas::AtlasPlace& place, std::string_view country);

// The atlas places of a name in a country named as above (in any country
// when it is empty), the most populous first, at most `limit` of them.
std::vector<atlas::AtlasPlace> atlasPlacesIn(std::string_view name, std::string_view country,
                                             std::size_t limit);

// The country of an atlas place as AAF records name it: the international
// vehicle code ("D" for Germany), or the ISO code where no other is known
// ("CH", "PL").
std::string aafCountryCode(const atlas::AtlasPlace& place);

}  // namespace kelvaro::archive
