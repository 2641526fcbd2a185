#include "loading/transit_file.h"

#ifndef _WIN32  // file permissions, named pipes, /proc and the sandbox are POSIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif  // _WIN32

#include <bit>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "support/record_builder.h"
#include "support/sandbox.h"
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

// Files a user may choose by mistake: each loads, or fails with the message
// the user sees; nothing may crash.
TEST(TransitFile, BadFilesLoadOrFailWithTheirMessage) {
  TempDir dir;
  const std::string folder = dir.path().string();
  const struct {
    std::string name;
    std::vector<unsigned char> bytes;  // written to name; a folder when name is the folder
    std::optional<LoadFailure::Kind> failure;
    std::string message;  // "@" stands for the path
  } cases[] = {
      {"leer.dat", {}, LoadFailure::Kind::unreadable, "Ladeversuch mit @ ging daneben"},
      {"ein-byte.dat", {0x41}, LoadFailure::Kind::unreadable, "Ladeversuch mit @ ging daneben"},
      {"kurz.dat", std::vector<unsigned char>(2559, 0), LoadFailure::Kind::unreadable,
       "Ladeversuch mit @ ging daneben"},
      {"nullen.dat", std::vector<unsigned char>(2560, 0), std::nullopt, ""},
      {"ff.dat", std::vector<unsigned char>(2560, 0xFF), LoadFailure::Kind::unreadable,
       "Ladeversuch mit @ ging daneben"},
      {"fehlt.dat",
       {},
       LoadFailure::Kind::cannotOpen,
       "Die Datei @ lässt sich nicht öffnen: Datei oder Ordner nicht vorhanden"},
      {"ordner",
       {},
       LoadFailure::Kind::cannotOpen,
       "Die Datei @ lässt sich nicht öffnen: Ist ein Ordner"},
  };
  for (const auto& c : cases) {
    std::string path = (dir.path() / c.name).string();
    if (c.name == "ordner") {
      std::filesystem::create_directory(path);
    } else if (c.name != "fehlt.dat") {
      path = dir.write(c.name, c.bytes);
    }
    const LoadResult result = loadTransitFile(path);
    if (!c.failure) {
      ASSERT_TRUE(std::holds_alternative<TransitRecord>(result)) << c.name;
      EXPECT_EQ(std::get<TransitRecord>(result), TransitRecord{}) << c.name;
      continue;
    }
    const LoadFailure failure = failureOf(result);
    EXPECT_EQ(failure.kind, *c.failure) << c.name;
    std::string message = c.message;
    message.replace(message.find('@'), 1, path);
    EXPECT_EQ(failure.message, message) << c.name;
  }
}

#ifndef _WIN32  // file permissions, named pipes, /proc and the sandbox are POSIX
TEST(TransitFile, AFileWithoutReadPermissionCannotBeOpened) {
  TempDir dir;
  const auto path = dir.write("gesperrt.dat", RecordBuilder().bytes());
  std::filesystem::permissions(path, std::filesystem::perms::none);
  const auto outcome = testing::asOrdinaryUser([&]() -> std::string {
    const LoadResult result = loadTransitFile(path);
    const auto* failure = std::get_if<LoadFailure>(&result);
    if (failure == nullptr) return "the file was loaded";
    const std::string expected =
        "Die Datei " + path + " lässt sich nicht öffnen: Keine Berechtigung";
    if (failure->kind != LoadFailure::Kind::cannotOpen || failure->message != expected) {
      return "unexpected failure: " + failure->message;
    }
    return {};
  });
  if (!outcome.available) GTEST_SKIP() << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}

// Opens the write end of a named pipe after `limit`, unless the test is done
// by then: a load that waits for a writer is set free and the test fails
// instead of hanging.
class PipeUnblocker {
 public:
  PipeUnblocker(std::string path, std::chrono::seconds limit)
      : thread_([this, path = std::move(path), limit] {
          std::unique_lock lock(mutex_);
          if (done_.wait_for(lock, limit, [this] { return finished_; })) return;
          const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
          if (fd >= 0) ::close(fd);
        }) {}
  ~PipeUnblocker() {
    {
      std::lock_guard lock(mutex_);
      finished_ = true;
    }
    done_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::thread thread_;
};

// A named pipe: with nobody writing into it the load ends at once, as with
// a file that is too short; with a writer it reads what the writer wrote.
TEST(TransitFile, ANamedPipeNeitherHangsNorFailsWithAWriter) {
  TempDir dir;
  const std::string path = (dir.path() / "rohr").string();
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  {
    const PipeUnblocker unblocker(path, std::chrono::seconds(5));
    const auto start = std::chrono::steady_clock::now();
    const LoadFailure failure = failureOf(loadTransitFile(path));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    EXPECT_EQ(failure.message, "Ladeversuch mit " + path + " ging daneben");
  }
  // A writer that has written its record and keeps the pipe open.
  const auto bytes = RecordBuilder(3.0).text(0, "Rohr").bytes();
  const int writer = ::open(path.c_str(), O_RDWR);
  ASSERT_GE(writer, 0);
  ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  const LoadResult result = loadTransitFile(path);
  ::close(writer);
  ASSERT_TRUE(std::holds_alternative<TransitRecord>(result));
  EXPECT_EQ(std::get<TransitRecord>(result), RecordBuilder(3.0).text(0, "Rohr").build());
}

// Bytes read by this process so far (the kernel's count of every read).
std::size_t bytesReadSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  std::size_t value = 0;
  while (io >> key >> value) {
    if (key == "rchar:") return value;
  }
  return 0;
}

TEST(TransitFile, AHugeFileIsReadOnlyAsFarAsItsRecord) {
  TempDir dir;
  const auto path = dir.write("riesig.dat", RecordBuilder(7.5).text(0, "Riese").bytes());
  std::filesystem::resize_file(path, std::uintmax_t{1} << 30);  // 1 GiB, sparse
  const std::size_t before = bytesReadSoFar();
  const LoadResult result = loadTransitFile(path);
  const std::size_t read = bytesReadSoFar() - before;
  ASSERT_TRUE(std::holds_alternative<TransitRecord>(result));
  EXPECT_EQ(std::get<TransitRecord>(result), RecordBuilder(7.5).text(0, "Riese").build());
  EXPECT_LT(read, std::size_t{64} * 1024) << "bytes read";
}
#endif  // _WIN32

// Positions at the edges of a double are loaded bit for bit; only NaN and
// the infinities make a record unreadable.
TEST(TransitFile, ExtremePositionsLoadExactly) {
  TempDir dir;
  const double values[] = {1e308,
                           -1e308,
                           -0.0,
                           359.999999999,
                           4.9406564584124654e-324,
                           std::numeric_limits<double>::max(),
                           -360.0};
  for (double value : values) {
    const auto path = dir.write("extrem.dat", RecordBuilder(value).bytes());
    const LoadResult result = loadTransitFile(path);
    ASSERT_TRUE(std::holds_alternative<TransitRecord>(result)) << value;
    const double loaded = std::get<TransitRecord>(result).position(Variant::s, factor::GZ);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(loaded), std::bit_cast<std::uint64_t>(value)) << value;
  }
  for (double value :
       {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN()}) {
    auto bytes = RecordBuilder(1.0).bytes();
    std::memcpy(bytes.data() + 2560 - 8, &value, 8);  // the last position only
    EXPECT_EQ(failureOf(loadTransitFile(dir.write("unendlich.dat", bytes))).kind,
              LoadFailure::Kind::unreadable)
        << value;
  }
}

// A text field of 255 bytes, every one of them a control character or a
// byte of the upper half, comes out as 255 characters and goes back unchanged.
TEST(TransitFile, FullTextFieldsWithControlCharactersLoadCharacterForCharacter) {
  TempDir dir;
  std::vector<unsigned char> bytes(2560, 0);
  for (std::size_t field = 0; field < 7; ++field) {
    unsigned char* start = bytes.data() + field * 256;
    start[0] = 255;
    for (unsigned k = 1; k <= 255; ++k)
      start[k] = static_cast<unsigned char>(k <= 31 ? k : 0x80 + k % 128);
  }
  const LoadResult result = loadTransitFile(dir.write("texte.dat", bytes));
  ASSERT_TRUE(std::holds_alternative<TransitRecord>(result));
  const TransitRecord& record = std::get<TransitRecord>(result);
  for (const std::string& text : record.texts) EXPECT_EQ(utf8Length(text), 255u);
  EXPECT_EQ(record.surname().substr(0, 3), "\x01\x02\x03");
  const auto written = serializeTransitRecord(record);
  EXPECT_TRUE(std::equal(written.begin(), written.end(), bytes.begin()));
  EXPECT_EQ(utf8Length(headerLine(record)), 255u);
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
