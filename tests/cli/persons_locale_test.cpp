// kelvaro-persons writes the same bytes whatever the process' locale: its
// lines, its TSV, its AAF and iCalendar files, and what it reads back.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <sstream>

#include "cli/persons_commands.h"
#include "core/text_encoding.h"
#include "support/german_locale.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

std::string contentOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of an output but those that name the moment they were made:
// the export's DTSTAMP, the person's times of creation and change.
std::string withoutMoments(const std::string& text) {
  std::string kept;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("DTSTAMP:") || line.starts_with("Angelegt:") ||
        line.starts_with("Geändert:")) {
      continue;
    }
    kept += line + "\n";
  }
  return kept;
}

// Everything a session of kelvaro-persons writes into a fresh folder: a
// person numbered beyond 999 (where a stream would group the digits), the
// list, the TSV, the person shown, the AAF export imported into a second
// archive and listed there, and a timeline with its iCalendar file.
std::vector<std::string> session() {
  const TempDir dir;
  const std::string archive = utf8FromPath(dir.path() / "personen.sqlite");
  std::vector<std::string> written;
  const auto persons = [&](std::vector<std::string> words, const std::string& on = {}) {
    words.insert(words.begin(), {"--archive", on.empty() ? archive : on});
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runPersons(words, out, err);
    EXPECT_EQ(status, 0) << err.str();
    written.push_back(out.str());
  };
  const std::vector<std::string> anna = {"add",
                                         "--name=Müller",
                                         "--first-name=Anna",
                                         "--birth=05.03.1970 14:30:15",
                                         "--birth-zone=Europe/Berlin",
                                         "--birth-lat=50°56'12\" N",
                                         "--birth-lon=6°57'30\" O",
                                         "--place=Köln"};
  persons(anna);
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open(archive.c_str(), &db), SQLITE_OK);
  sqlite3_exec(db, "UPDATE sqlite_sequence SET seq = 12344 WHERE name = 'persons'", nullptr,
               nullptr, nullptr);
  sqlite3_close(db);
  persons({"add", "--name=Zorn", "--first-name=Zoe", "--birth=29.02.1984 06:05",
           "--birth-zone=+05:30", "--birth-lat=-33.8667", "--birth-lon=151.2075",
           "--place=Sydney"});
  persons({"list"});
  persons({"list", "--tsv"});
  persons({"show", "12345"});
  written.back() = withoutMoments(written.back());
  const std::string aaf = utf8FromPath(dir.path() / "alle.aaf");
  persons({"export", aaf, "--utf8"});
  written.back() = contentOf(dir.path() / "alle.aaf");
  const std::string other = utf8FromPath(dir.path() / "andere.sqlite");
  persons({"import", aaf}, other);
  persons({"list", "--tsv"}, other);
  const std::string ics = utf8FromPath(dir.path() / "zeitleiste.ics");
  persons(
      {"timeline", "12345", "--from=01.01.2026", "--to=31.03.2026", "--orb=1:30", "--ics", ics});
  written.push_back(withoutMoments(contentOf(dir.path() / "zeitleiste.ics")));
  return written;
}

TEST(PersonsLocale, EveryWrittenByteIsTheSameUnderAGermanLocale) {
  const std::vector<std::string> inC = session();
  ASSERT_NE(
      inC[3].find("12345\tZorn\tZoe\t29.02.1984\t06:05\t+05:30\tSydney\t\t-33.8667\t151.2075"),
      std::string::npos)
      << inC[3];
  const GermanLocale german;
#ifndef _WIN32
  ASSERT_TRUE(german.inEffect()) << "the locale de_DE.UTF-8 is missing (scripts/install-deps)";
#endif
  const std::vector<std::string> inGerman = session();
  ASSERT_EQ(inGerman.size(), inC.size());
  for (std::size_t i = 0; i < inC.size(); ++i) EXPECT_EQ(inGerman[i], inC[i]) << "output " << i;
}

}  // namespace
}  // namespace kelvaro::testing
