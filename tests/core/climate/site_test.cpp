// The site of a year: the checks of a typed site and of --site with their
// messages, the refusal of a computation without one, and where each source
// takes it from (the region catalogue, an EPW LOCATION line, the ASOS list).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/climate/asos_stations.h"
#include "core/climate/epw_import.h"
#include "core/climate/radiation_timing.h"
#include "core/climate/region_catalog.h"
#include "core/climate/site_rules.h"
#include "tests/core/climate/region_sources.h"

namespace vlm {
namespace {

const std::string kHeadline = "위치가 유효하지 않습니다.";
const std::string kLatitudeRange = "[위도는 -90°보다 크고 90°보다 작아야 합니다.]";
const std::string kLongitudeRange = "[경도는 -180° 이상 180° 이하이어야 합니다.]";
const std::string kUtcRange = "[표준시의 UTC 시차는 -12시간 이상 14시간 이하이어야 합니다.]";

// The reason line of the refusal, or "" when the site is taken.
std::string reasonOf(const std::optional<Site>& site, const RecordingSink& sink) {
  if (site) {
    EXPECT_TRUE(sink.empty());
    return "";
  }
  EXPECT_EQ(sink.size(), 1u);
  if (sink.empty()) return "?";
  EXPECT_EQ(sink.last().title, "에러");
  EXPECT_EQ(sink.last().lines.size(), 2u);
  EXPECT_EQ(sink.last().lines.front(), kHeadline);
  return sink.last().lines.back();
}

TEST(SiteRules, ATypedSiteIsReadAndCheckedBeforeItIsTaken) {
  struct Case {
    SiteText text;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {{"37.5714", "126.9658", "9"}, ""},
      {{" 37.5 ", "+127", "9.5"}, ""},
      {{"89.99", "-180", "-12"}, ""},
      {{"-89.99", "180", "14"}, ""},
      {{"90", "127", "9"}, kLatitudeRange},
      {{"-90", "127", "9"}, kLatitudeRange},
      {{"37.5", "180.01", "9"}, kLongitudeRange},
      {{"37.5", "-181", "9"}, kLongitudeRange},
      {{"37.5", "127", "14.5"}, kUtcRange},
      {{"37.5", "127", "-13"}, kUtcRange},
      {{"", "127", "9"}, "[위도가 숫자가 아닙니다.]"},
      {{"37,5", "127", "9"}, "[위도가 숫자가 아닙니다.]"},
      {{"37.5", "127E", "9"}, "[경도가 숫자가 아닙니다.]"},
      {{"37.5", "127", "nan"}, "[표준시의 UTC 시차가 숫자가 아닙니다.]"},
  };
  for (const Case& c : cases) {
    RecordingSink sink;
    const auto site = ReadTypedSite(c.text, sink);
    EXPECT_EQ(reasonOf(site, sink), c.reason) << c.text.latitude << " " << c.text.longitude;
  }
  RecordingSink sink;
  EXPECT_EQ(ReadTypedSite({"-33.9", "18.4", "2"}, sink), (Site{"", -33.9, 18.4, 2}));
}

TEST(SiteRules, ASiteArgumentIsLatitudeLongitudeAndAnOptionalUtcOffset) {
  struct Case {
    const char* text;
    std::optional<Site> site;
    std::string reason;
  };
  const std::string format = "[위치는 위도,경도 혹은 위도,경도,UTC 시차로 주십시오.]";
  const std::vector<Case> cases = {
      {"35.56,129.32", Site{"", 35.56, 129.32, 9}, ""},
      {"51.48,0,0", Site{"", 51.48, 0, 0}, ""},
      {"40.7,-74.0,-5", Site{"", 40.7, -74.0, -5}, ""},
      {"35.56", std::nullopt, format},
      {"1,2,3,4", std::nullopt, format},
      {"95,129.32", std::nullopt, kLatitudeRange},
      {"35.56,129.32,", std::nullopt, "[표준시의 UTC 시차가 숫자가 아닙니다.]"},
  };
  for (const Case& c : cases) {
    RecordingSink sink;
    const auto site = ReadSiteArgument(c.text, sink);
    EXPECT_EQ(reasonOf(site, sink), c.reason) << c.text;
    EXPECT_EQ(site, c.site) << c.text;
  }
}

TEST(SiteRules, AComputationWithoutASiteIsRefusedSayingHowToGiveOne) {
  ClimateData data;
  RecordingSink sink;
  EXPECT_EQ(requireSite(data, sink), nullptr);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(), errorMessage({
                             "기후자료의 위치(위도, 경도, 표준시)를 알 수 없어 계산할 수 없습니다.",
                             "[지역선택 메뉴에서 기타 지역의 위치를 고르거나 직접 입력한 후",
                             "지역선택 확인 버튼을 다시 클릭하세요.",
                             "명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]",
                         }));
  data.site = Site{"서울", 37.5714, 126.9658, 9};
  sink.clear();
  ASSERT_NE(requireSite(data, sink), nullptr);
  EXPECT_EQ(requireSite(data, sink)->name, "서울");
  EXPECT_TRUE(sink.empty());
}

TEST(SiteSources, AnEpwLocationLineGivesItsSiteOrNone) {
  struct Case {
    const char* line;
    std::optional<Site> site;
  };
  const std::vector<Case> cases = {
      {"LOCATION,Seoul.WS,SO,KOR,SRC-TMYx,471080,37.57140,126.9658,9.0,87.1",
       Site{"Seoul.WS", 37.5714, 126.9658, 9}},
      {"LOCATION,Reykjavik,-,ISL,IWEC,040300,64.13,-21.90,0.0,52.0,extra",
       Site{"Reykjavik", 64.13, -21.9, 0}},
      {"LOCATION,Nowhere,-,-,-,0,37.5,127.0,X,10", std::nullopt},
      {"LOCATION,Nowhere,-,-,-,0,37.5,127.0,15.0,10", std::nullopt},
      {"LOCATION,Nowhere,-,-,-,0,37.5,190.0,9.0,10", std::nullopt},
      {"LOCATION,Pole,-,-,-,0,90.0,0.0,0.0,10", std::nullopt},
  };
  for (const Case& c : cases) {
    EpwStation station;
    ASSERT_EQ(parseEpwLocation(c.line, station), std::nullopt) << c.line;
    EXPECT_EQ(station.site, c.site) << c.line;
  }
}

// The catalogue's stations are those of the EPW files the built-in years were
// converted from (scripts/make_weather.sh pairs them).
TEST(SiteSources, EachBuiltInRegionHasTheLocationOfItsSourceFile) {
  const auto& sources = regiontest::kSourceOf;
  const std::filesystem::path dir = std::filesystem::path(VLM_SHARED_CLIMATE_DIR) / "epw";
  if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no shared climate folder";
  ASSERT_EQ(sources.size(), kBuiltInRegions.size());
  for (const Region& region : kBuiltInRegions) {
    // The whole import, which also reads where in each hour its radiation lies.
    std::ifstream in(dir / sources.at(region.fileStem), std::ios::binary);
    SilentSink sink;
    const auto year = ImportEpw(in, sink);
    ASSERT_TRUE(year && year->station.site) << region.fileStem;
    EXPECT_EQ(siteOf(region), *year->station.site) << region.fileStem;
  }
}

// A day of extraterrestrial irradiation symmetric about solar noon, stamped
// as the format defines (the hour before the stamp) or centred on the stamp.
TEST(SiteSources, WhereInTheHourAnEpwsRadiationLiesIsReadFromItsExtraterrestrialField) {
  const Site seoul{"Seoul.WS", 37.5714, 126.9658, 9};
  const double noon = 12.0 + (135.0 - seoul.longitude) / 15.0;
  struct Case {
    double middleAfterStamp;  // where the value of stamp k is centred, from k
    float missingEvery;       // every n-th hour written as 9999 (0: none)
    double lag;
  };
  const Case cases[] = {{-0.5, 0, 0.0}, {0.0, 0, 0.5}, {0.0, 3, 0.5}, {-0.5, 5, 0.0}};
  for (const Case& c : cases) {
    RadiationTiming timing;
    for (int day = 0; day < 365; ++day) {
      for (int stamp = 1; stamp <= 24; ++stamp) {
        const double t = stamp + c.middleAfterStamp;
        const double e = 1300.0 * std::max(0.0, std::cos((t - noon) * 15.0 * 3.14159265 / 180.0));
        const bool missing =
            c.missingEvery > 0 && (day * 24 + stamp) % static_cast<int>(c.missingEvery) == 0;
        timing.add(static_cast<float>(stamp), missing ? 9999.0f : static_cast<float>(e));
      }
    }
    EXPECT_EQ(timing.lag(seoul), c.lag) << c.middleAfterStamp << " " << c.missingEvery;
  }
  EXPECT_EQ(RadiationTiming{}.lag(seoul),
            0.0);  // a file without the field keeps the format's reading
}

TEST(SiteSources, AnAsosStationIsFoundByNumberInKoreanStandardTime) {
  EXPECT_EQ(asosStationSite(108), (Site{"서울", 37.57142, 126.9658, 9}));
  EXPECT_EQ(asosStationSite(184), (Site{"제주", 33.51411, 126.52969, 9}));
  EXPECT_EQ(asosStationSite(90)->name, "속초") << "the first of the list";
  EXPECT_EQ(asosStationSite(107), std::nullopt);
  EXPECT_EQ(asosStationSite(0), std::nullopt);
  // The look-up halves the list, which must therefore be sorted.
  EXPECT_TRUE(std::is_sorted(
      kAsosStations.begin(), kAsosStations.end(),
      [](const AsosStation& a, const AsosStation& b) { return a.number <= b.number; }));
}

}  // namespace
}  // namespace vlm
