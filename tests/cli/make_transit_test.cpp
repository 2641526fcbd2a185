#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

using Options = std::map<std::string, std::string>;

Options cologneOptions() {
  return {{"name", "Müller"},
          {"first-name", "Anna"},
          {"birth", "05.03.1970 14:30"},
          {"birth-zone", "Europe/Berlin"},
          {"birth-lat", "50°56' N"},
          {"birth-lon", "6°57' O"},
          {"transit", "08.12.2026 12:00"},
          {"transit-zone", "+01:00"},
          {"place", "Köln"},
          {"transit-lat", "50.9333"},
          {"transit-lon", "6.95"}};
}

ProcessOutput makeTransit(const Options& options, const std::string& target) {
  std::vector<std::string> command = {makeTransitPath()};
  for (const auto& [key, value] : options) command.push_back("--" + key + "=" + value);
  command.push_back(target);
  return runProcess(command);
}

TEST(MakeTransitFromBirthData, WritesAFileThatLoads) {
  TempDir dir;
  const auto target = dir.path() / "Müller-Anna-08122026.dat";
  // Values may also follow their option as the next argument.
  std::vector<std::string> command = {makeTransitPath()};
  for (const auto& [key, value] : cologneOptions()) {
    command.push_back("--" + key);
    command.push_back(value);
  }
  command.push_back(target.string());
  const ProcessOutput run = runProcess(command);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto loaded = loadTransitFile(target.string());
  ASSERT_TRUE(std::holds_alternative<TransitRecord>(loaded));
  const TransitRecord& record = std::get<TransitRecord>(loaded);
  EXPECT_EQ(record.texts, (std::array<std::string, 7>{"Müller", "Anna", "Köln", "08.12.2026",
                                                      "12:00:00", "50°56' N", "06°57' O"}));
  // 8 December: the Sun in the middle of Sagittarius.
  EXPECT_NEAR(record.position(Variant::t, 3), 256.4, 0.2);
}

TEST(MakeTransitFromBirthData, EveryRefusalExitsWithTwoAndWritesNothing) {
  const std::pair<std::string, std::string> refused[] = {
      {"name", ""},
      {"first-name", "Łucja"},
      {"birth", "31.02.1970 14:30"},
      {"birth", "05.03.1970"},
      {"birth-zone", "Mars/Olymp"},
      {"birth-lat", "95"},
      {"birth-lon", "6°57' N"},
      {"transit", "29.03.2026 02:30"},  // skipped in Europe/Berlin (set below)
      {"transit-zone", "+25:00"},
      {"transit-lat", "50°56'"},
      {"transit-lon", "x"},
      {"transit", "01.01.1960 12:00"},
  };
  TempDir dir;
  const auto target = dir.path() / "out.dat";
  for (const auto& [key, value] : refused) {
    Options options = cologneOptions();
    options[key] = value;
    if (value == "29.03.2026 02:30") options["transit-zone"] = "Europe/Berlin";
    const ProcessOutput run = makeTransit(options, target.string());
    EXPECT_EQ(run.status, 2) << key << "=" << value;
    EXPECT_NE(run.err, "") << key;
    EXPECT_FALSE(std::filesystem::exists(target)) << key;
  }
  // An unwritable target keeps nothing either.
  const ProcessOutput run =
      makeTransit(cologneOptions(), (dir.path() / "nix" / "out.dat").string());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            0);
}

TEST(MakeTransitFromBirthData, WrongUsageExitsWithOne) {
  TempDir dir;
  const std::string target = (dir.path() / "out.dat").string();
  Options unknown = cologneOptions();
  unknown["colour"] = "blue";
  Options missing = cologneOptions();
  missing.erase("place");
  EXPECT_EQ(makeTransit(unknown, target).status, 1);
  EXPECT_EQ(makeTransit(missing, target).status, 1);
  EXPECT_EQ(makeTransit(cologneOptions(), "").status, 1);
  EXPECT_EQ(runProcess({makeTransitPath(), "--name", target}).status, 1);  // the name, no target
  std::vector<std::string> command = {makeTransitPath(), "--name=A", "--name", "B"};
  for (const auto& [key, value] : cologneOptions()) command.push_back("--" + key + "=" + value);
  command.push_back(target);
  EXPECT_EQ(runProcess(command).status, 1);
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(MakeTransitFromBirthData, PlaceLookupFillsTheTransitPlace) {
  Options options = cologneOptions();
  for (const char* key : {"place", "transit-lat", "transit-lon", "transit-zone"})
    options.erase(key);
  options["place-lookup"] = "Cologne";
  TempDir dir;
  const auto target = dir.path() / "out.dat";
  const ProcessOutput run = makeTransit(options, target.string());
  if (run.status == 2 && run.err.find("keinen Ortsatlas") != std::string::npos) {
    GTEST_SKIP() << "built without the place atlas";
  }
  ASSERT_EQ(run.status, 0) << run.err;
  const TransitRecord record = std::get<TransitRecord>(loadTransitFile(target.string()));
  EXPECT_EQ(record.place(), "Köln");
  EXPECT_EQ(record.coordinate1(), "50°56' N");
  EXPECT_EQ(record.coordinate2(), "06°57' O");
  options["place-lookup"] = "Nirgendheim am Nichts";
  EXPECT_EQ(makeTransit(options, (dir.path() / "other.dat").string()).status, 2);
}

}  // namespace
}  // namespace kelvaro::testing
