// kelvaro_bench: every overview and search on the sample record, at the
// default and at the largest orb, and complete kelvaro-cli runs.
//
//   kelvaro_bench [benchmark flags]   Google Benchmark's own output
//   kelvaro_bench --table [flags]     one table: name, min, median, target, ok
//                                     (floor/ rows: the least the lines of a missed case cost)
//   kelvaro_bench --list              the names --count takes
//   kelvaro_bench --list-cli          per kelvaro-cli case: name, then its arguments, tab-separated
//   kelvaro_bench --count NAME        runs one case once with callgrind collecting (run it
//                                     under valgrind --tool=callgrind --collect-atstart=no)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iterator>
#include <string>
#include <variant>

#include <benchmark/benchmark.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define KELVARO_TOGGLE_COLLECT() CALLGRIND_TOGGLE_COLLECT
#else
#define KELVARO_TOGGLE_COLLECT() ((void)0)
#endif

#include "bench/cases.h"
#ifdef KELVARO_WITH_ARCHIVE
#include "archive/aaf_import.h"
#include "archive/person_entry.h"
#include "atlas/atlas_files.h"
#include "atlas/atlas_search.h"
#include "atlas/atlas_source.h"
#include "atlas/place_atlas.h"
#include "bench/persons_data.h"
#endif
#include "bench/quiet_process.h"
#include "bench/table_reporter.h"
#include "loading/transit_file.h"

namespace kelvaro::bench {
namespace {

Sample loadSample() {
  const std::string path = std::string(KELVARO_SAMPLES_DIR) + "/mueller-juergen.dat";
  LoadResult loaded = loadTransitFile(path);
  if (auto* failure = std::get_if<LoadFailure>(&loaded)) {
    std::fprintf(stderr, "kelvaro_bench: %s\n", failure->message.c_str());
    std::exit(2);
  }
  return {path, std::get<TransitRecord>(std::move(loaded))};
}

std::string cliName(const CliCase& c) {
  std::string name = "cli/";
  name += c.name;
  name += '/';
  name += kLargestOrb.text;
  return name;
}

// Reference rows for the cases whose lines alone outweigh their target:
// the same lines copied into a new list of strings and freed again (what
// any search returning them as one std::string per line costs at least),
// and the same bytes copied into one buffer with the line ends beside it.
constexpr std::string_view kFloorCases[] = {"triple-all/1:12", "triple-all/9:59", "magic/9:59"};
constexpr std::string_view kFloorPrefix = "floor/";

void registerFloors(const Sample& sample) {
  for (const Measurement& m : measurements()) {
    const auto* const floorCase = std::find(std::begin(kFloorCases), std::end(kFloorCases), m.name);
    if (floorCase == std::end(kFloorCases)) continue;
    const std::vector<std::string> lines = m.searchCase->work(sample, m.orb).lines();
    const std::string strings = std::string(kFloorPrefix) + "strings/" + m.name;
    benchmark::RegisterBenchmark(strings.c_str(), [lines](benchmark::State& state) {
      for (auto _ : state) {
        std::vector<std::string> copy(lines.begin(), lines.end());
        benchmark::DoNotOptimize(copy.data());
      }
    })->Unit(benchmark::kMicrosecond);
    const std::string buffer = std::string(kFloorPrefix) + "one-buffer/" + m.name;
    benchmark::RegisterBenchmark(buffer.c_str(), [lines](benchmark::State& state) {
      for (auto _ : state) {
        std::string text;
        std::vector<std::size_t> ends;
        ends.reserve(lines.size());
        for (const std::string& line : lines) {
          text += line;
          ends.push_back(text.size());
        }
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(ends.data());
      }
    })->Unit(benchmark::kMicrosecond);
  }
}

#if defined(KELVARO_WITH_ARCHIVE) && defined(KELVARO_MAKE_TRANSIT)
// A person of the archive for the comparison row.
archive::Person benchPerson(const char* name, const char* birthDate, const char* zone,
                            const char* latitude, const char* longitude) {
  archive::PersonEntry entry;
  entry.name = name;
  entry.firstName = "Bench";
  entry.birthDate = birthDate;
  entry.birthTime = "06:10";
  entry.zone = zone;
  entry.place = name;
  entry.latitude = latitude;
  entry.longitude = longitude;
  return std::get<archive::Person>(archive::checkPersonEntry(entry));
}

// kelvaro-make-transit --partner from process start to exit: two persons of
// an archive, A's chart and B's radix, the file in memory as above.
void registerComparisonFile() {
  benchmark::RegisterBenchmark(
      "make-transit/comparison",
      [](benchmark::State& state) {
        std::error_code error;
        const auto folder = std::filesystem::is_directory("/dev/shm", error)
                                ? std::filesystem::path("/dev/shm")
                                : std::filesystem::temp_directory_path();
        // The archive in a folder of its own: its backup goes beside it.
        const auto home = std::filesystem::temp_directory_path() / "kelvaro-bench-paar";
        std::filesystem::remove_all(home, error);
        std::filesystem::create_directories(home, error);
        const auto file = home / "personen.sqlite";
        const auto target = folder / "kelvaro-bench-vergleich.dat";
        {
          auto opened = archive::Archive::open(file);
          auto* archive = std::get_if<archive::Archive>(&opened);
          if (!archive ||
              rejection(archive->storeAll(
                  {benchPerson("Hamburg", "14.02.1958", "Europe/Berlin", "53°33' N", "9°59' O"),
                   benchPerson("Wien", "03.11.1975", "Europe/Vienna", "48°12' N", "16°22' O")}))) {
            state.SkipWithError("the archive could not be made");
            return;
          }
        }
        const std::vector<std::string> arguments = {"--archive",
                                                    file.string(),
                                                    "--person=1",
                                                    "--partner=2",
                                                    "--transit=08.12.2026 12:00",
                                                    "--transit-zone=Europe/Berlin",
                                                    "--place=Köln",
                                                    "--transit-lat=50°56' N",
                                                    "--transit-lon=6°57' O",
                                                    target.string()};
        for (auto _ : state) {
          if (runQuietly(KELVARO_MAKE_TRANSIT, arguments) != 0) {
            state.SkipWithError("kelvaro-make-transit --partner failed");
            break;
          }
        }
        std::filesystem::remove(target, error);
        std::filesystem::remove_all(home, error);
      })
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
}
#endif

#ifdef KELVARO_WITH_ARCHIVE
// 10,000 generated AAF records with #B93 into a new archive on the disk (its
// flush counts: the import is not done before it), without the atlas.
void registerArchiveImport() {
  benchmark::RegisterBenchmark(
      "archive/import-10000-aaf",
      [](benchmark::State& state) {
        const std::string aaf = generatedAaf(kArchivePersons);
        const auto file = std::filesystem::temp_directory_path() / "kelvaro-bench-personen.sqlite";
        const auto noAtlas = [](std::string_view) { return std::vector<atlas::AtlasPlace>{}; };
        for (auto _ : state) {
          state.PauseTiming();
          for (const char* suffix : {"", "-wal", "-shm"}) {
            std::filesystem::remove(file.string() + suffix);
          }
          state.ResumeTiming();
          auto opened = archive::Archive::open(file);
          auto* archive = std::get_if<archive::Archive>(&opened);
          const auto report = archive ? archive::importAaf(*archive, aaf, noAtlas)
                                      : Checked<archive::ImportReport>(Rejection{});
          if (rejection(report) ||
              std::get<archive::ImportReport>(report).added != kArchivePersons) {
            state.SkipWithError("the import failed");
            break;
          }
        }
        for (const char* suffix : {"", "-wal", "-shm"})
          std::filesystem::remove(file.string() + suffix);
      })
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
}

// Four searches of the place atlas, as the new-transit window makes them
// while a place name is typed (at most 30 places each); the atlas is read
// beforehand.
void registerAtlasSearch() {
  if (!atlas::atlasAvailable()) return;
  benchmark::RegisterBenchmark("atlas/find-30", [](benchmark::State& state) {
    atlas::findPlaces("Köln", 30);
    for (auto _ : state) {
      for (const char* typed : {"Köln", "Frankfurt", "San", "Koeln"}) {
        benchmark::DoNotOptimize(atlas::findPlaces(typed, 30));
      }
    }
  })->Unit(benchmark::kMicrosecond);
  // The first query of a program: the files read, then one search.
  benchmark::RegisterBenchmark("atlas-first/read-and-find", [](benchmark::State& state) {
    const auto folders = atlas::atlasFolders();
    for (auto _ : state) {
      for (const auto& folder : folders) {
        const auto files = atlas::AtlasFiles::read(folder);
        if (!files) continue;
        benchmark::DoNotOptimize(atlas::matchingPlaces(*files, "Gengenbach", 30));
        break;
      }
    }
  })->Unit(benchmark::kMicrosecond);
  // Each further query, one at a time: whole names, beginnings, other
  // spellings, names of many places.
  benchmark::RegisterBenchmark("atlas-query/one", [](benchmark::State& state) {
    atlas::findPlaces("Köln", 30);
    const char* const queries[] = {"Gengenbach", "Bad Isch",    "Brig",  "KÖLN",  "Cologne",
                                   "San",        "Springfield", "Koeln", "Sankt", "New"};
    std::size_t next = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(atlas::findPlaces(queries[next], 30));
      next = (next + 1) % std::size(queries);
    }
  })->Unit(benchmark::kMicrosecond);
}

// Resident memory of the process in megabytes (Linux; 0 elsewhere).
double residentMegabytes() {
  std::FILE* file = std::fopen("/proc/self/statm", "r");
  if (!file) return 0;
  long pages = 0, resident = 0;
  const bool read = std::fscanf(file, "%ld %ld", &pages, &resident) == 2;
  std::fclose(file);
  return read ? static_cast<double>(resident) * 4096 / (1024 * 1024) : 0;
}

// What the atlas adds to the program's memory once read, against its target.
void reportAtlasMemory() {
  const double before = residentMegabytes();
  if (!atlas::atlasAvailable() || before == 0) return;
  const double grown = residentMegabytes() - before;
  std::printf("%-32s  %10.1f MB  target %.0f MB  %s\n", "atlas/memory", grown,
              kTargetAtlasMegabytes, grown <= kTargetAtlasMegabytes ? "yes" : "NO");
}
#endif

void registerAll(const Sample& sample) {
  for (const Measurement& m : measurements()) {
    benchmark::RegisterBenchmark(m.name.c_str(), [&sample, m](benchmark::State& state) {
      try {
        for (auto _ : state) benchmark::DoNotOptimize(m.searchCase->work(sample, m.orb));
      } catch (const std::exception& error) {
        state.SkipWithError(error.what());
      }
    })->Unit(benchmark::kMicrosecond);
  }
  registerFloors(sample);
  for (const CliCase& c : cliCases(sample.path)) {
    benchmark::RegisterBenchmark(cliName(c).c_str(),
                                 [c](benchmark::State& state) {
                                   for (auto _ : state) {
                                     if (runQuietly(KELVARO_CLI, c.arguments) != 0) {
                                       state.SkipWithError("kelvaro-cli failed");
                                       break;
                                     }
                                   }
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
  }
#ifdef KELVARO_MAKE_TRANSIT
  // The file goes to memory where the system has such a folder: the row
  // measures the program, not how long the disk takes to flush it.
  benchmark::RegisterBenchmark(
      "make-transit/birth-data",
      [](benchmark::State& state) {
        std::error_code error;
        const auto folder = std::filesystem::is_directory("/dev/shm", error)
                                ? std::filesystem::path("/dev/shm")
                                : std::filesystem::temp_directory_path();
        const auto target = folder / "kelvaro-bench-transit.dat";
        for (auto _ : state) {
          if (runQuietly(KELVARO_MAKE_TRANSIT, makeTransitArguments(target.string())) != 0) {
            state.SkipWithError("kelvaro-make-transit failed");
            break;
          }
        }
        std::filesystem::remove(target);
      })
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
#endif
#ifdef KELVARO_WITH_ARCHIVE
  registerArchiveImport();
  registerAtlasSearch();
#ifdef KELVARO_MAKE_TRANSIT
  registerComparisonFile();
#endif
#endif
}

// The target of a benchmark; 0 for the reference rows, which have none.
double targetOf(const std::string& name) {
  if (name.rfind(kFloorPrefix, 0) == 0) return 0;
  if (name.rfind("cli/", 0) == 0) return kTargetCliRun;
  if (name == "make-transit/comparison") return kTargetPairTransitRun;
  if (name.rfind("make-transit/", 0) == 0) return kTargetMakeTransitRun;
  if (name.rfind("archive/", 0) == 0) return kTargetArchiveImport;
  if (name.rfind("atlas/", 0) == 0) return kTargetAtlasSearches;
  if (name.rfind("atlas-first/", 0) == 0) return kTargetAtlasFirstQuery;
  if (name.rfind("atlas-query/", 0) == 0) return kTargetAtlasQuery;
  for (const Measurement& m : measurements()) {
    if (m.name == name) return m.targetMicros;
  }
  return 0;
}

void list() {
  for (const Measurement& m : measurements()) std::printf("%s\n", m.name.c_str());
}

void listCli(const Sample& sample) {
  for (const CliCase& c : cliCases(sample.path)) {
    std::printf("%s", cliName(c).c_str());
    for (const std::string& argument : c.arguments) std::printf("\t%s", argument.c_str());
    std::printf("\n");
  }
}

// Kept out of line so that callgrind collects exactly one run of the work.
[[gnu::noinline]] std::size_t measuredRun(const Measurement& m, const Sample& sample) {
  KELVARO_TOGGLE_COLLECT();
  const std::size_t lines = m.searchCase->work(sample, m.orb).size();
  KELVARO_TOGGLE_COLLECT();
  return lines;
}

int count(const Sample& sample, const std::string& name) {
  for (const Measurement& m : measurements()) {
    if (m.name != name) continue;
    m.searchCase->work(sample, m.orb);  // first run: lazy binding, first allocations
    std::printf("%zu lines\n", measuredRun(m, sample));
    return 0;
  }
  std::fprintf(stderr, "kelvaro_bench: no case named %s (see --list)\n", name.c_str());
  return 1;
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
  using namespace kelvaro::bench;
  const Sample sample = loadSample();
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) return list(), 0;
  if (argc == 2 && std::strcmp(argv[1], "--list-cli") == 0) return listCli(sample), 0;
  if (argc == 3 && std::strcmp(argv[1], "--count") == 0) return count(sample, argv[2]);

  bool table = false;
  if (argc >= 2 && std::strcmp(argv[1], "--table") == 0) {
    table = true;
    argv[1] = argv[0];
    ++argv;
    --argc;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
#ifdef KELVARO_WITH_ARCHIVE
  if (table) reportAtlasMemory();  // before the atlas rows are registered, which read it
#endif
  registerAll(sample);
  if (table) {
    TableReporter reporter(targetOf);
    benchmark::RunSpecifiedBenchmarks(&reporter);
  } else {
    benchmark::RunSpecifiedBenchmarks();
  }
  benchmark::Shutdown();
  return 0;
}
