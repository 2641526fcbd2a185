#include "loading/transit_file.h"

#include <filesystem>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/record_builder.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;
using testing::TempDir;

LoadFailure failureOf(const LoadResult& result) {
  const auto* failure = std::get_if<LoadFailure>(&result);
  if (!failure) throw std::runtime_error("the load did not fail");
  return *failure;
}

TEST(TransitFile, LoadsARecordOfExactly2560Bytes) {
  TempDir dir;
  const auto path = dir.write("a.dat", RecordBuilder(12.5).text(0, "Müller").bytes());
  const LoadResult result = loadTransitFile(path);
  ASSERT_TRUE(std::holds_alternative<TransitRecord>(result));
  EXPECT_EQ(std::get<TransitRecord>(result).surname(), "Müller");
  EXPECT_EQ(std::get<TransitRecord>(result).position(Variant::t, factor::PO), 12.5);
}

TEST(TransitFile, ALongerFileLoadsLikeItsFirst2560Bytes) {
  TempDir dir;
  auto bytes = RecordBuilder(7.0).bytes();
  const auto exact = loadTransitFile(dir.write("exact.dat", bytes));
  bytes.resize(10000, 0xAB);
  const auto longer = loadTransitFile(dir.write("longer.txt", bytes));
  ASSERT_TRUE(std::holds_alternative<TransitRecord>(longer));
  EXPECT_EQ(std::get<TransitRecord>(exact), std::get<TransitRecord>(longer));
}

TEST(TransitFile, AShortFileCannotBeLoaded) {
  TempDir dir;
  for (std::size_t size : {0u, 1u, 2559u}) {
    auto bytes = RecordBuilder().bytes();
    bytes.resize(size);
    const std::string path = dir.write("short.dat", bytes);
    const LoadFailure failure = failureOf(loadTransitFile(path));
    EXPECT_EQ(failure.kind, LoadFailure::Kind::unreadable);
    EXPECT_EQ(failure.message, "Ladeversuch mit " + path + " ging daneben");
  }
}

TEST(TransitFile, APositionThatIsNoNumberMakesTheRecordUnreadable) {
  TempDir dir;
  const auto path = dir.write("nan.dat", std::vector<unsigned char>(2560, 0xFF));
  EXPECT_EQ(failureOf(loadTransitFile(path)).kind, LoadFailure::Kind::unreadable);
}

TEST(TransitFile, AMissingFileOrAFolderCannotBeOpened) {
  TempDir dir;
  const std::string missing = (dir.path() / "fehlt.dat").string();
  const LoadFailure failure = failureOf(loadTransitFile(missing));
  EXPECT_EQ(failure.kind, LoadFailure::Kind::cannotOpen);
  EXPECT_EQ(failure.message,
            "Die Datei " + missing + " lässt sich nicht öffnen: No such file or directory");
  const LoadFailure folder = failureOf(loadTransitFile(dir.path().string()));
  EXPECT_EQ(folder.kind, LoadFailure::Kind::cannotOpen);
  EXPECT_NE(folder.message.find("Is a directory"), std::string::npos);
}

TEST(TransitFile, AFileWithoutReadPermissionCannotBeOpened) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  TempDir dir;
  const auto path = dir.write("locked.dat", RecordBuilder().bytes());
  std::filesystem::permissions(path, std::filesystem::perms::none);
  EXPECT_EQ(failureOf(loadTransitFile(path)).kind, LoadFailure::Kind::cannotOpen);
}

TEST(TransitFile, TheMessageNamesThePathCutTo255Characters) {
  TempDir dir;
  const std::string name(200, 'n');
  const auto sub = dir.path() / name;
  std::filesystem::create_directories(sub);
  const std::string path = dir.write(name + "/" + name, {1, 2, 3});
  const std::string message = failureOf(loadTransitFile(path)).message;
  EXPECT_EQ(message, "Ladeversuch mit " + path.substr(0, 255) + " ging daneben");
}

}  // namespace
}  // namespace kelvaro
