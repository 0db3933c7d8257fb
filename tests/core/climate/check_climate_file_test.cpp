// CheckClimateFile: extension, size and record index, each refusal one "에러"
// box, and the platform's own failure for a path that does not exist.
#include "core/climate/check_climate_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/common/file_error.h"
#include "tests/core/climate/cly_test_files.h"

namespace vlm {
namespace {

using namespace vlm::clytest;

const std::vector<std::string> kExtensionBox = {"대상 지역의 기후파일이 유효하지 않습니다.",
                                                "[확장자(cly) 위반]"};
const std::vector<std::string> kSizeBox = {"대상 지역의 기후파일이 유효하지 않습니다.",
                                           "[파일크기(227,760byte) 위반]"};
const std::vector<std::string> kRecIndexBox = {"대상 지역의 기후파일이 유효하지 않습니다.",
                                               "[레코드인덱스 위반]"};

class CheckClimateFileTest : public ClimateFileTest {
 protected:
  bool check(const std::string& asked) { return CheckClimateFile(asked, sink_); }
  RecordingSink sink_;
};

TEST_F(CheckClimateFileTest, AGoodYearPassesSilently) {
  const std::string file = writeYear("seoul.cly", plainYear());
  EXPECT_TRUE(check(file));
  EXPECT_TRUE(sink_.empty());
  const ClimateFileCheck verdict = checkClimateFileRules(file);
  EXPECT_TRUE(verdict.ok());
  EXPECT_EQ(verdict.recordsRead, 8760);
}

struct RefusalCase {
  const char* what;
  std::function<std::string(CheckClimateFileTest&)> makeFile;  // returns the path to check
  ClimateFileViolation violation;
  int recordsRead;
  std::vector<std::string> lines;
};

TEST_F(CheckClimateFileTest, EachRefusalIsOneErrorBoxWithItsRule) {
  const std::vector<RefusalCase> cases = {
      {"capitalised extension with valid content",
       [](auto& t) { return t.writeYear("seoul.CLY", plainYear()); },
       ClimateFileViolation::Extension, 0, kExtensionBox},
      {"another extension", [](auto& t) { return t.writeYear("seoul.dat", plainYear()); },
       ClimateFileViolation::Extension, 0, kExtensionBox},
      {"a name shorter than the extension", [](auto& t) { return t.writeYear("ly", plainYear()); },
       ClimateFileViolation::Extension, 0, kExtensionBox},
      {"wrong extension and wrong size: only the extension is reported",
       [](auto& t) { return t.writeBytes("small.txt", "abc"); }, ClimateFileViolation::Extension, 0,
       kExtensionBox},
      {"one record too many (227,786 bytes)",
       [](auto& t) {
         auto year = plainYear();
         year.push_back(plainHour(8761));
         return t.writeYear("long.cly", year);
       },
       ClimateFileViolation::Size, 0, kSizeBox},
      {"an empty file", [](auto& t) { return t.writeBytes("empty.cly", ""); },
       ClimateFileViolation::Size, 0, kSizeBox},
      {"record 100 carries 224 instead of 223",
       [](auto& t) {
         auto year = plainYear();
         hourOfYear(year, 100).RecIndex = 224;
         hourOfYear(year, 200).RecIndex = 0;
         return t.writeYear("bad100.cly", year);
       },
       ClimateFileViolation::RecIndex, 100, kRecIndexBox},
      {"record 1 numbered from 0",
       [](auto& t) {
         auto year = plainYear();
         hourOfYear(year, 1).RecIndex = 123;
         return t.writeYear("bad1.cly", year);
       },
       ClimateFileViolation::RecIndex, 1, kRecIndexBox},
      {"the last record carries 8884",
       [](auto& t) {
         auto year = plainYear();
         hourOfYear(year, 8760).RecIndex = 8884;
         return t.writeYear("bad8760.cly", year);
       },
       ClimateFileViolation::RecIndex, 8760, kRecIndexBox},
  };
  for (const auto& c : cases) {
    sink_.clear();
    const std::string file = c.makeFile(*this);
    EXPECT_FALSE(check(file)) << c.what;
    ASSERT_EQ(sink_.size(), 1u) << c.what;
    EXPECT_EQ(sink_.last().title, "에러") << c.what;
    EXPECT_EQ(sink_.last().icon, MessageIcon::Error) << c.what;
    EXPECT_EQ(sink_.last().lines, c.lines) << c.what;
    const ClimateFileCheck verdict = checkClimateFileRules(file);
    EXPECT_EQ(verdict.violation, c.violation) << c.what;
    EXPECT_EQ(verdict.recordsRead, c.recordsRead) << c.what;
  }
}

TEST_F(CheckClimateFileTest, BlanksAfterTheExtensionAreNoPartOfTheName) {
  const std::string file = writeYear("seoul.cly", plainYear());
  EXPECT_TRUE(check(file + "   "));
  EXPECT_TRUE(sink_.empty());
  EXPECT_EQ(climateFilePathOf("a b.cly  "), "a b.cly");
  EXPECT_EQ(climateFilePathOf("   "), "");
}

TEST_F(CheckClimateFileTest, AMissingPathFailsOnThePlatformBeforeTheExtensionRule) {
  for (const std::string name : {"none.cly", "none.CLY", "none"}) {
    try {
      (void)check(path(name));
      ADD_FAILURE() << name << " was checked";
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()), "파일을 찾을 수 없습니다. (" + path(name) + ")");
    }
  }
  EXPECT_TRUE(sink_.empty());
}

TEST_F(CheckClimateFileTest, AFolderIsNoClimateFile) {
  fs::create_directories(path("folder.cly"));
  EXPECT_THROW((void)check(path("folder.cly")), FileError);
  EXPECT_TRUE(sink_.empty());
}

}  // namespace
}  // namespace vlm
