#include "core/system_error_text.h"

#include <cerrno>
#include <filesystem>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(SystemErrorText, FileErrorsReadGerman) {
  EXPECT_EQ(systemErrorText(ENOENT), "Datei oder Ordner nicht vorhanden");
  EXPECT_EQ(systemErrorText(EISDIR), "Ist ein Ordner");
  EXPECT_EQ(systemErrorText(EACCES), systemErrorText(EPERM));
  EXPECT_EQ(systemErrorText(ENOSPC), "Kein Platz mehr auf dem Datenträger");
  EXPECT_EQ(systemErrorText(EIO), "Ein-/Ausgabefehler");  // a failing disk, /proc/self/mem
}

TEST(SystemErrorText, OtherErrorsKeepTheSystemText) {
  EXPECT_EQ(systemErrorText(EINVAL), std::generic_category().message(EINVAL));
}

// What the file system library reports arrives as an error_code.
TEST(SystemErrorText, ErrorCodesOfTheSystemAreMapped) {
  std::error_code error;
  static_cast<void>(std::filesystem::file_size("/nonexistent/kelvaro", error));
  ASSERT_TRUE(error);
  EXPECT_EQ(systemErrorText(error), "Datei oder Ordner nicht vorhanden");
  EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::read_only_file_system)),
            "Schreibgeschütztes Dateisystem");
}

}  // namespace
}  // namespace kelvaro
