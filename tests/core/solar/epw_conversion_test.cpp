// The conversion to an EPW target: which sources need a site, what the
// completion box says, and that a refusal leaves the target as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/climate/epw_import.h"
#include "core/climate/region_catalog.h"
#include "core/climate/site_rules.h"
#include "core/solar/epw_conversion.h"
#include "core/solar/epw_texts.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm {
namespace {

using namespace vlm::weathertest;

const std::vector<std::string> kNoSiteLines = {
    "원본 기후파일의 위치(위도, 경도, 표준시)를 알 수 없어 EPW 파일로 변환할 수 없습니다.",
    "[위치 목록에서 관측소를 고르거나 직접 입력한 후 다시 변환하세요.",
    "명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]"};

class EpwConversion : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    write("source.wye", joinLines(wyecLines()));
    write("source.epw", joinLines(epwLines()));
    fs::copy_file(std::string(VLM_PROGRAM_DIR) + "/weather/jeju.cly", dir_ / "jeju.cly");
  }
  ConversionOutcome convert(const std::string& source, const std::optional<Site>& site,
                            const std::string& target = "out.epw") {
    EpwConversionChoice choice;
    choice.site = site;
    return ConvertToEpw(path(source), path(target), sink_, OverwritePolicy::Ask, {}, choice);
  }
  // The written file as the program's own import reads it.
  std::optional<EpwYear> written() {
    std::ifstream in(path("out.epw"));
    RecordingSink quiet;
    return ImportEpw(in, quiet);
  }
  RecordingSink sink_;
};

TEST_F(EpwConversion, ASourceWithoutASiteNeedsOneGivenAndNothingIsRead) {
  for (const char* source : {"jeju.cly", "source.wye"}) {
    sink_.clear();
    EXPECT_EQ(convert(source, std::nullopt), ConversionOutcome::Refused) << source;
    ASSERT_EQ(sink_.size(), 1u) << source;
    EXPECT_EQ(sink_.last().title, "에러");
    EXPECT_EQ(sink_.last().lines, kNoSiteLines) << source;
    EXPECT_FALSE(fs::exists(path("out.epw"))) << source;
  }
}

TEST_F(EpwConversion, EverySourceKindIsWrittenWithTheSiteItGoesWith) {
  const Site typed{"", 33.5, 126.5, 9, 0};
  const Site jeju = siteOf(*regionByStem("jeju"));
  struct Case {
    const char* source;
    std::optional<Site> given;
    std::string cityWritten;
    Site expected;
  };
  Site fromEpw{"Testville.WS", 37.5714, 126.9658, 9, 0};
  const std::vector<Case> cases = {
      {"jeju.cly", jeju, "Jeju.WS", jeju},
      {"jeju.cly", typed, "jeju", typed},
      {"source.wye", typed, "source", typed},
      // An EPW file's own LOCATION line comes before the site given.
      {"source.epw", typed, "Testville.WS", fromEpw},
  };
  for (const Case& c : cases) {
    sink_.clear();
    fs::remove(path("out.epw"));
    ASSERT_EQ(convert(c.source, c.given), ConversionOutcome::Converted) << c.source;
    const auto year = written();
    ASSERT_TRUE(year && year->station.site) << c.source;
    EXPECT_EQ(year->station.site->name, c.cityWritten) << c.source;
    EXPECT_EQ(year->station.site->latitude, c.expected.latitude) << c.source;
    EXPECT_EQ(year->station.site->longitude, c.expected.longitude) << c.source;
    EXPECT_EQ(year->station.site->radiationLag, c.expected.radiationLag) << c.source;
    ASSERT_EQ(sink_.size(), 1u) << c.source;
    EXPECT_EQ(sink_.last().lines.front(), "기후파일 변환후 저장이 완료되었습니다.");
    Site named = c.expected;
    named.name = c.cityWritten;
    EXPECT_EQ(sink_.last().lines.back(),
              "EPW 파일의 위치: " + siteText(named) + " (" + c.cityWritten + ")")
        << c.source;
  }
}

TEST_F(EpwConversion, RefusalsLeaveTheTargetAsItWas) {
  write("out.epw", "old");
  write("broken.epw", joinLines(epwLines()).substr(0, 5000));
  sink_.queueAnswer(MessageAnswer::No);
  EXPECT_EQ(convert("source.epw", std::nullopt), ConversionOutcome::Declined);
  EXPECT_EQ(convert("broken.epw", std::nullopt), ConversionOutcome::Refused);
  EXPECT_EQ(sink_.last().lines.front(), "원본 파일이 EPW 형식의 파일이 아닙니다.");
  EXPECT_EQ(convert("out.epw", std::nullopt), ConversionOutcome::Refused);
  EXPECT_EQ(sink_.last().lines.back(), "[원본 기후파일명과 변환후 기후파일명이 같습니다.]");
  EXPECT_EQ(read("out.epw"), "old");
  EXPECT_EQ(files(), (std::vector<std::string>{"broken.epw", "jeju.cly", "out.epw", "source.epw",
                                               "source.wye"}));
}

}  // namespace
}  // namespace vlm
