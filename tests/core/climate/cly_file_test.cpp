// The .cly layout on disk and its reader and writer.
#include "core/climate/cly_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/file_error.h"
#include "tests/core/climate/cly_test_files.h"

namespace vlm {
namespace {

using namespace vlm::clytest;

std::string hexOf(const std::array<char, kRecordSize>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string text;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    text += digits[b >> 4];
    text += digits[b & 15];
    text += ' ';
  }
  text.pop_back();
  return text;
}

struct LayoutCase {
  ClimateFileRecord record;
  const char* bytes;  // 26 bytes in hex, little-endian fields at 0, 2, 6, 10, 14, 16, 20, 22
};

TEST(ClimateRecordLayout, FieldsArePackedLittleEndianWithoutPadding) {
  const std::vector<LayoutCase> cases = {
      {{124, 1.0f, -2.5f, 2.0f, 360, 0.5f, 99, 9999.0f},
       "7C 00 00 00 80 3F 00 00 20 C0 00 00 00 40 68 01 00 00 00 3F 63 00 00 3C 1C 46"},
      {{8883, 999.0f, 999.0f, 9999.0f, 999, 999.0f, 99, 9999.0f},
       "B3 22 00 C0 79 44 00 C0 79 44 00 3C 1C 46 E7 03 00 C0 79 44 63 00 00 3C 1C 46"},
      {{-2, -0.0f, 0.0f, 0.0f, -1, 0.0f, 0, 0.0f},
       "FE FF 00 00 00 80 00 00 00 00 00 00 00 00 FF FF 00 00 00 00 00 00 00 00 00 00"},
  };
  for (const auto& c : cases) {
    const auto encoded = encodeRecord(c.record);
    EXPECT_EQ(hexOf(encoded), c.bytes) << "RecIndex " << c.record.RecIndex;
    EXPECT_EQ(decodeRecord(std::string_view(encoded.data(), encoded.size())), c.record);
  }
}

class ClyFile : public ClimateFileTest {};

TEST_F(ClyFile, AYearWrittenIsReadBackRecordForRecord) {
  auto year = plainYear();
  hourOfYear(year, 1).DBT = -12.25f;
  hourOfYear(year, 8760).Radiation = 9999.0f;
  hourOfYear(year, 4000).WindDir = 0;
  writeClyFile(path("year.cly"), year);
  EXPECT_EQ(readBytes("year.cly").size(), 227760u);
  EXPECT_EQ(readBytes("year.cly").substr(26, 2), std::string("\x7D\x00", 2));  // record 2: 125
  EXPECT_EQ(readClyFile(path("year.cly")), year);
}

TEST_F(ClyFile, AShortFileIsReadPastItsEnd) {
  auto year = plainYear();
  year.pop_back();
  writeYear("short.cly", year);
  try {
    (void)readClyFile(path("short.cly"));
    FAIL() << "a year of 8759 records was read";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "파일의 끝을 지나서 읽으려고 했습니다. (" + path("short.cly") + ", 레코드 8760)");
  }
}

TEST_F(ClyFile, PlatformFailuresCarryTheirKoreanDescription) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {path("none.cly"), "파일을 찾을 수 없습니다. (" + path("none.cly") + ")"},
      {dir_.string(), "파일이 아니라 디렉토리입니다. (" + dir_.string() + ")"},
  };
  for (const auto& [file, description] : cases) {
    try {
      (void)readClyFile(file);
      ADD_FAILURE() << file << " was read";
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()), description);
    }
  }
}

TEST_F(ClyFile, WritingReplacesAFileWhollyAndFailsWithoutAFolder) {
  const auto year = plainYear();
  writeYear("year.cly", year);
  writeClyFile(path("year.cly"), {year.data(), 2});
  EXPECT_EQ(readBytes("year.cly"), encodeClyFile({year.data(), 2}));

  EXPECT_THROW(writeClyFile(path("missing/year.cly"), year), FileError);
  EXPECT_FALSE(fs::exists(path("missing")));
}

}  // namespace
}  // namespace vlm
