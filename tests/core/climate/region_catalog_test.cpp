// The built-in regions: names as the screens show them, their files in the
// program's weather folder, and the lookups the page and the CLI use.
#include "core/climate/region_catalog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/climate/region_display.h"

namespace vlm {
namespace {

struct Expected {
  const char* option;
  const char* name;
  const char* stem;
};

const std::vector<Expected> kExpected = {
    {"opt11Cheongju", "청주", "cheongju"}, {"opt11Incheon", "인천", "incheon"},
    {"opt11Jeju", "제주", "jeju"},         {"opt11Jeonju", "전주", "jeonju"},
    {"opt11Jinju", "진주", "jinju"},       {"opt11Kangrung", "강릉", "kangrung"},
    {"opt11Kwangju", "광주", "kwangju"},   {"opt11Mokpo", "목포", "mokpo"},
    {"opt11Pohang", "포항", "pohang"},     {"opt11Pusan", "부산", "pusan"},
    {"opt11Seoul", "서울", "seoul"},       {"opt11Taegu", "대구", "taegu"},
    {"opt11Taejeon", "대전", "taejeon"},
};

TEST(RegionCatalog, ThirteenRegionsEachFoundByOptionNameAndStem) {
  ASSERT_EQ(kBuiltInRegions.size(), kExpected.size());
  std::set<std::string_view> names, stems, options;
  for (const Region& r : kBuiltInRegions) {
    names.insert(r.koreanName);
    stems.insert(r.fileStem);
    options.insert(r.optionName);
  }
  EXPECT_EQ(names.size(), 13u);
  EXPECT_EQ(stems.size(), 13u);
  EXPECT_EQ(options.size(), 13u);
  for (const auto& e : kExpected) {
    const auto byName = regionByKoreanName(e.name);
    ASSERT_TRUE(byName) << e.name;
    EXPECT_EQ(byName->fileStem, e.stem);
    EXPECT_EQ(byName->optionName, e.option);
    const auto byStem = regionByStem(e.stem);
    ASSERT_TRUE(byStem) << e.stem;
    EXPECT_EQ(byStem->koreanName, e.name);
    const auto byOption = regionByOption(e.option);
    ASSERT_TRUE(byOption) << e.option;
    EXPECT_EQ(byOption->koreanName, e.name);
  }
}

TEST(RegionCatalog, OtherAndUnknownNamesAreNoBuiltInRegion) {
  for (const char* text : {"기타", "opt11Mis", "Seoul", "SEOUL", "seoul.cly", "", "서울 "}) {
    EXPECT_FALSE(regionByKoreanName(text)) << text;
    EXPECT_FALSE(regionByStem(text)) << text;
    EXPECT_FALSE(regionByOption(text)) << text;
  }
  EXPECT_EQ(kOtherRegionName, "기타");
  EXPECT_EQ(regionByOption(kDefaultRegionOption)->koreanName, "서울");
}

TEST(RegionCatalog, FilesLieInTheWeatherFolderOfTheProgramDirectory) {
  const Region seoul = *regionByStem("seoul");
  EXPECT_EQ(relativeFileName(seoul), "weather/seoul.cly");
  EXPECT_EQ(regionFilePath("/opt/vlm", seoul), "/opt/vlm/weather/seoul.cly");
  EXPECT_EQ(regionFilePath("/opt/vlm/", seoul), "/opt/vlm/weather/seoul.cly");
  EXPECT_EQ(regionFilePath("/", *regionByStem("jeju")), "/weather/jeju.cly");
}

// A year from the user's own file leaves the program named by its station,
// else its file; RegionName itself stays "기타".
TEST(RegionDisplayName, OtherFileTakesItsStationElseItsFileName) {
  struct Case {
    const char* region;
    const char* station;
    const char* file;
    const char* shown;
  };
  const Case cases[] = {
      {"서울", "SEOUL", "/opt/velmora/weather/seoul.cly", "서울"},
      {"기타", "JEONJU", "/data/jeonju.epw", "기타 (JEONJU)"},
      {"기타", " Jeonju ", "/data/x.cly", "기타 (Jeonju)"},
      {"기타", "", "/data/mine.cly", "기타 (mine.cly)"},
      {"기타", "  ", "C:\\data\\mine.cly", "기타 (mine.cly)"},
      {"기타", "", "", "기타"},
      {"전주시", "JEONJU", "/data/jeonju.epw", "전주시"},  // a name given with --region
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RegionDisplayName(c.region, c.station, c.file), c.shown) << c.region << c.file;
  }
  ClimateData climate;
  climate.RegionName = "기타";
  climate.ClimateFilePath = "/data/jeonju.cly";
  EXPECT_EQ(RegionDisplayName(climate), "기타 (jeonju.cly)");
  climate.site = Site{"전주", 35.82, 127.15, 9};
  EXPECT_EQ(RegionDisplayName(climate), "기타 (전주)");
  EXPECT_EQ(climate.RegionName, "기타");
}

}  // namespace
}  // namespace vlm
