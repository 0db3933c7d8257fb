// The climate load: derivation of each hour at its own pressure, the confirm
// command's refusals with their exact boxes, progress, completion, and what a
// failure part-way leaves behind.
#include "core/climate/climate_load.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/climate/cly_file.h"
#include "core/climate/epw_import.h"
#include "core/climate/load_texts.h"
#include "core/common/compute_error.h"
#include "core/common/file_error.h"
#include "tests/core/climate/cly_test_files.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm {
namespace {

using namespace vlm::clytest;

HourRecord derived(float dbt, float wbt, float pressure, Psychrometrics& psychro) {
  HourRecord hour = hourOf(ClimateFileRecord{124, dbt, wbt, pressure, 225, 2.0f, 5, 100.0f});
  deriveHour(hour, psychro);
  return hour;
}

TEST(DeriveHour, ValidHourAtStandardPressure) {
  Psychrometrics psychro;
  const HourRecord h = derived(25.0f, 18.0f, 101.325f, psychro);
  EXPECT_NEAR(h.AH, 0.010021f, 2e-6f);
  EXPECT_NEAR(h.VP, 1.6066f, 5e-4f);
  EXPECT_NEAR(h.RH, 50.70f, 0.01f);
  EXPECT_NEAR(h.SpecV, 0.8583f, 1e-4f);
  EXPECT_EQ(h.DBT, 25.0f);
  EXPECT_EQ(h.WBT, 18.0f);
}

TEST(DeriveHour, EachHourUsesItsOwnStationPressure) {
  Psychrometrics psychro;
  const HourRecord sea = derived(25.0f, 18.0f, 101.325f, psychro);
  const HourRecord high = derived(25.0f, 18.0f, 90.0f, psychro);
  EXPECT_EQ(psychro.Patm, 90.0f);
  // The same wet bulb holds more water per kg of dry air at lower pressure.
  EXPECT_GT(high.AH, sea.AH * 1.1f);
  EXPECT_GT(high.SpecV, sea.SpecV * 1.1f);
}

TEST(DeriveHour, SupersaturatedAirIsNotClipped) {
  Psychrometrics psychro;
  EXPECT_GT(derived(20.0f, 22.0f, 101.325f, psychro).RH, 100.0f);
}

struct MissingCase {
  const char* what;
  float dbt, wbt, pressure;
};

TEST(DeriveHour, AMissingInputMakesAllFourDerivedFieldsMissing) {
  const std::vector<MissingCase> cases = {
      {"pressure missing", 25.0f, 18.0f, 9999.0f},
      {"wet bulb missing", 25.0f, 999.0f, 101.325f},
      {"dry bulb missing", 999.0f, 18.0f, 101.325f},
      {"all missing", 999.0f, 999.0f, 9999.0f},
  };
  for (const auto& c : cases) {
    Psychrometrics psychro;
    const HourRecord h = derived(c.dbt, c.wbt, c.pressure, psychro);
    EXPECT_EQ(h.AH, 999.0f) << c.what;
    EXPECT_EQ(h.VP, 999.0f) << c.what;
    EXPECT_EQ(h.RH, 999.0f) << c.what;
    EXPECT_EQ(h.SpecV, 999.0f) << c.what;
    EXPECT_EQ(h.DBT, c.dbt) << c.what;  // the observation itself stays usable
    // Patm follows the hour even when the hour's pressure is the marker.
    EXPECT_EQ(psychro.Patm, c.pressure) << c.what;
  }
}

TEST(LoadTexts, ProgressCompletionAndCaption) {
  EXPECT_EQ(loadProgressText("서울", "/p/weather/seoul.cly"), "서울 지역의 기후파일 읽는 중...");
  EXPECT_EQ(loadProgressText("기타", "/home/a/my.cly"),
            "기타 지역의 기후파일(/home/a/my.cly) 읽는 중...");
  EXPECT_EQ(loadProgressPercent(1), 1.0f / 8760.0f * 100.0f);
  EXPECT_EQ(loadProgressPercent(4380), 50.0f);
  EXPECT_EQ(loadProgressPercent(8760), 100.0f);
  const Message done = loadCompletionMessage("서울");
  EXPECT_EQ(done.title, "Velmora");
  EXPECT_EQ(done.icon, MessageIcon::Information);
  EXPECT_EQ(done.text(),
            "서울 지역의 기후파일 읽기가 완료되었습니다.\r\n기후분석 혹은 월별 기후표현 메뉴로 "
            "이동하세요.");
  EXPECT_EQ(drawOptionCaption("서울"), "그림종류 선택(대상지역 : 서울)");
  EXPECT_EQ(drawOptionCaption(""), "그림종류 선택(대상지역 : 없음)");
  EXPECT_EQ(kOtherFileDialogTitle, "기타 지역인 경우 기후파일(*.cly) 선택하기");
  EXPECT_EQ(kOtherFileDialogFilter,
            "Velmora용 기후파일(*.cly)|*.cly|EPW 파일(*.epw)|*.epw|모든 파일(*.*)|*.*");
}

const std::vector<std::string> kAdviceLines = {
    "대상 지역의 기후파일이 유효하지 않습니다.",
    "Velmora용 기후파일(*.cly)인지 확인한 후 다시 시도하기 바랍니다.",
    "",
    "[참고 1]",
    "기타 지역의 경우, WYEC(혹은 TRY) 형식의 기후파일이 있으면 추가기능 - 기후파일",
    "변환에서 Velmora용 기후파일(*.cly)로 변환할 수 있습니다.",
    "",
    "[참고 2]",
    "기타 지역을 제외한 지역의 기후파일은 반드시 Velmora의",
    "실행 프로그램인 vlm.exe 파일이 위치한 디렉토리 하의 weather 디렉토리내에",
    "프로그램 설치시의 파일명(지역명.cly)대로 있어야 합니다.",
};

class LoadClimateYearTest : public ClimateFileTest {
 protected:
  void SetUp() override {
    ClimateFileTest::SetUp();
    data_ = std::make_unique<ClimateData>();
  }
  // Writes a region's file into the program directory's weather folder.
  void writeRegion(const std::string& stem, const std::vector<ClimateFileRecord>& year) {
    writeYear("weather/" + stem + ".cly", year);
  }
  ClimateChoice region(const char* stem) const {
    return builtInChoice(*regionByStem(stem), dir_.string());
  }
  bool load(const ClimateChoice& choice, const LoadProgress& progress = {}) {
    return LoadClimateYear(*data_, choice, psychro_, sink_, progress);
  }
  // Loads Seoul's plain year so that a later refusal has something to keep.
  void loadSeoul() {
    writeRegion("seoul", plainYear());
    ASSERT_TRUE(load(region("seoul")));
    sink_.clear();
  }

  std::unique_ptr<ClimateData> data_;
  Psychrometrics psychro_;
  RecordingSink sink_;
};

TEST_F(LoadClimateYearTest, ABuiltInRegionIsReadDerivedCountedAndReported) {
  auto year = plainYear();
  hourOfYear(year, 8760).Pressure = 95.5f;
  hourOfYear(year, 10).WBT = 999.0f;
  writeRegion("seoul", year);
  std::vector<int16_t> hours;
  ASSERT_TRUE(load(region("seoul"), [&](int16_t k) { hours.push_back(k); }));

  EXPECT_EQ(data_->RegionName, "서울");
  EXPECT_EQ(data_->ClimateFilePath, dir_.string() + "/weather/seoul.cly");
  EXPECT_EQ(data_->sourcePath(), data_->ClimateFilePath);
  ASSERT_EQ(hours.size(), 8760u);
  for (int k = 1; k <= 8760; ++k) ASSERT_EQ(hours[static_cast<std::size_t>(k - 1)], k);
  EXPECT_EQ(data_->year[1].RecIndex, 124);
  EXPECT_EQ(data_->year[8760].RecIndex, 8883);
  EXPECT_EQ(data_->year[8760].Pressure, 95.5f);
  EXPECT_EQ(psychro_.Patm, 95.5f);  // left at the pressure of the last hour
  EXPECT_EQ(data_->year[10].AH, 999.0f);
  EXPECT_GT(data_->year[11].AH, 0.0f);
  EXPECT_EQ(data_->MonthStatDBT.rows[1].mean, 20.0f);
  EXPECT_EQ(data_->MonthStatRad.rows[13].max, 52.3f);
  EXPECT_EQ(data_->WindDirCount[17][10], 8760);
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last(), loadCompletionMessage("서울"));
}

TEST_F(LoadClimateYearTest, AnOtherFileIsLoadedUnderTheNameOther) {
  data_->OtherFilePath = writeYear("mine/any name.cly", plainYear());
  ASSERT_TRUE(load(otherChoice(data_->OtherFilePath)));
  EXPECT_EQ(data_->RegionName, "기타");
  EXPECT_EQ(data_->ClimateFilePath, data_->OtherFilePath);
  EXPECT_EQ(sink_.last().lines[0], "기타 지역의 기후파일 읽기가 완료되었습니다.");

  // Picking another file without confirming it does not relabel the loaded year.
  const std::string loaded = data_->OtherFilePath;
  data_->OtherFilePath = "/elsewhere/next.cly";
  EXPECT_EQ(data_->sourcePath(), loaded);
}

TEST_F(LoadClimateYearTest, OtherWithoutAPickedFileReadsNothing) {
  loadSeoul();
  data_->year[1].DBT = -5.0f;
  EXPECT_FALSE(load(otherChoice("")));
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last().title, "에러");
  EXPECT_EQ(sink_.last().icon, MessageIcon::Error);
  EXPECT_EQ(sink_.last().lines,
            (std::vector<std::string>{"기타 지역의 기후파일이 유효하지 않습니다.",
                                      "[기타 지역의 기후파일이 선택되지 않았습니다.",
                                      "확인한 후 다시 시도하시기 바랍니다.]"}));
  EXPECT_EQ(data_->year[1].DBT, -5.0f);
  EXPECT_EQ(data_->RegionName, "서울");
}

TEST_F(LoadClimateYearTest, ARefusedFileGivesTheRuleThenTheAdviceAndKeepsTheLoadedYear) {
  loadSeoul();
  auto year = plainYear();
  hourOfYear(year, 100).RecIndex = 224;
  hourOfYear(year, 1).DBT = 30.0f;
  writeRegion("pusan", year);
  EXPECT_FALSE(load(region("pusan")));
  ASSERT_EQ(sink_.size(), 2u);
  EXPECT_EQ(sink_.messages()[0].title, "에러");
  EXPECT_EQ(sink_.messages()[0].lines[1], "[레코드인덱스 위반]");
  EXPECT_EQ(sink_.messages()[1].title, "Velmora");
  EXPECT_EQ(sink_.messages()[1].icon, MessageIcon::Information);
  EXPECT_EQ(sink_.messages()[1].lines, kAdviceLines);
  // The strings keep naming the year in memory, which is still Seoul's.
  EXPECT_EQ(data_->RegionName, "서울");
  EXPECT_EQ(data_->ClimateFilePath, dir_.string() + "/weather/seoul.cly");
  EXPECT_EQ(data_->year[1].DBT, 20.0f);
}

TEST_F(LoadClimateYearTest, AMissingRegionFileIsAPlatformFailureThatChangesNothing) {
  loadSeoul();
  try {
    (void)load(region("pusan"));
    FAIL() << "a missing file was loaded";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "파일을 찾을 수 없습니다. (" + dir_.string() + "/weather/pusan.cly)");
  }
  EXPECT_TRUE(sink_.empty());
  EXPECT_EQ(data_->RegionName, "서울");
}

TEST_F(LoadClimateYearTest, AFaultWhileDerivingStopsAtThatHourAndLeavesNoRegionLoaded) {
  loadSeoul();
  const MonthStatTable seoulStats = data_->MonthStatDBT;
  auto year = plainYear();
  for (auto& record : year) record.DBT = 30.0f;
  hourOfYear(year, 5).Pressure = 0.0f;  // no specific volume at zero pressure
  writeRegion("taegu", year);
  std::vector<int16_t> hours;
  EXPECT_THROW((void)load(region("taegu"), [&](int16_t k) { hours.push_back(k); }), ComputeError);
  EXPECT_EQ(hours.size(), 5u);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(data_->year[static_cast<std::size_t>(k)].DBT, 30.0f);
  EXPECT_EQ(data_->year[5].DBT, 30.0f);
  EXPECT_EQ(data_->year[5].Pressure, 0.0f);
  EXPECT_EQ(data_->year[5].SpecV, 999.0f);
  EXPECT_EQ(data_->year[6].DBT, 20.0f);
  EXPECT_EQ(data_->MonthStatDBT, seoulStats);
  EXPECT_EQ(data_->RegionName, "");
  EXPECT_FALSE(data_->loaded());
  EXPECT_TRUE(sink_.empty());
}

TEST_F(LoadClimateYearTest, AFileThatShrankAfterItsCheckKeepsTheHoursRead) {
  loadSeoul();
  auto year = plainYear();
  year.resize(8000);
  for (auto& record : year) record.DBT = -1.0f;
  const std::string file = writeYear("short.cly", year);
  EXPECT_THROW(readClimateYear(*data_, file, psychro_), FileError);
  EXPECT_EQ(data_->year[8000].DBT, -1.0f);
  EXPECT_EQ(data_->year[8001].DBT, 20.0f);
}

// An EPW file picked for "기타" is imported in memory: the same year as its
// conversion to .cly would give, derived and counted alike.
TEST_F(LoadClimateYearTest, AnEpwFileIsImportedInMemoryAsItsConversionWouldBe) {
  const auto lines = weathertest::epwLines(
      true, [](int i, weathertest::EpwFields& f) { f.dryBulb = std::to_string(i % 30) + ".5"; });
  const std::string epw = writeBytes("station.EPW", weathertest::joinLines(lines));
  std::vector<int16_t> hours;
  ASSERT_TRUE(load(otherChoice(epw), [&](int16_t k) { hours.push_back(k); }));
  EXPECT_EQ(hours.size(), 8760u);
  EXPECT_EQ(data_->RegionName, "기타");
  EXPECT_EQ(data_->ClimateFilePath, epw);
  EXPECT_EQ(sink_.last(), loadCompletionMessage("기타"));

  std::istringstream in(weathertest::joinLines(lines));
  RecordingSink importSink;
  const auto year = ImportEpw(in, importSink);
  ASSERT_TRUE(year.has_value());
  ClimateData viaCly;
  Psychrometrics psychro;
  const std::string cly = writeYear("station.cly", year->records);
  ASSERT_TRUE(LoadClimateYear(viaCly, otherChoice(cly), psychro, importSink));
  for (std::size_t k = 1; k <= 8760; ++k) {
    ASSERT_EQ(data_->year[k].DBT, viaCly.year[k].DBT) << k;
    ASSERT_EQ(data_->year[k].AH, viaCly.year[k].AH) << k;
    ASSERT_EQ(data_->year[k].SpecV, viaCly.year[k].SpecV) << k;
  }
  EXPECT_EQ(data_->MonthStatDBT, viaCly.MonthStatDBT);
  EXPECT_EQ(data_->MonthStatRH, viaCly.MonthStatRH);
  EXPECT_EQ(data_->WindDirCount, viaCly.WindDirCount);
}

TEST_F(LoadClimateYearTest, ARefusedEpwFileGivesOnlyTheImportsBoxAndKeepsTheLoadedYear) {
  loadSeoul();
  const std::string epw = writeBytes("broken.epw", "LOCATION,only\n");
  EXPECT_FALSE(load(otherChoice(epw)));
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last().lines, (std::vector<std::string>{"원본 파일이 EPW 형식의 파일이 아닙니다.",
                                                          "[1행의 필드 수(10개 이상) 위반]"}));
  EXPECT_EQ(data_->RegionName, "서울");
  EXPECT_EQ(data_->year[1].DBT, 20.0f);
}

// Every load leaves the site of the year it loaded: the region's station, an
// EPW file's LOCATION line before any site chosen for it, the site chosen for
// a .cly or none; a refused load keeps the site of the year in memory.
TEST_F(LoadClimateYearTest, EachLoadLeavesTheSiteOfTheYearItLoaded) {
  const std::string cly = writeYear("mine/plain.cly", plainYear());
  auto lines = weathertest::epwLines();
  const std::string epw = writeBytes("mine/station.epw", weathertest::joinLines(lines));
  lines[0] = "LOCATION,Testville.WS,SO,KOR,SRC-TMYx,471080,37.57140,126.9658,,87.1";
  const std::string epwWithoutZone = writeBytes("mine/nozone.epw", weathertest::joinLines(lines));
  const std::string broken = writeBytes("mine/broken.epw", "LOCATION,only\n");
  writeRegion("jeju", plainYear());
  const Site chosen{"108 서울", 37.57142, 126.9658, 9};
  const Site testville{"Testville.WS", 37.5714, 126.9658, 9};
  const auto withSite = [&](ClimateChoice choice) {
    choice.site = chosen;
    return choice;
  };
  struct Case {
    const char* what;
    ClimateChoice choice;
    std::optional<Site> site;
  };
  const std::vector<Case> cases = {
      {"built-in", region("jeju"), Site{"Jeju.WS", 33.5142, 126.5297, 9, kBuiltInRadiationLag}},
      {".cly with a chosen site", withSite(otherChoice(cly)), chosen},
      {".cly without", otherChoice(cly), std::nullopt},
      {"EPW", withSite(otherChoice(epw)), testville},
      {"EPW without a time zone", withSite(otherChoice(epwWithoutZone)), chosen},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(load(c.choice)) << c.what << ": " << sink_.last().text();
    EXPECT_EQ(data_->site, c.site) << c.what;
  }
  EXPECT_FALSE(load(otherChoice(broken)));
  EXPECT_EQ(data_->site, chosen) << "refused";
}

TEST_F(LoadClimateYearTest, APickedEpwFileIsShownWithItsStation) {
  const std::string epw = writeBytes("seoul.epw", weathertest::joinLines(weathertest::epwHeader()));
  EXPECT_EQ(pickedFileText(epw), epw + "\n관측소: Testville.WS (위도 37.5714°)");
  const std::string broken = writeBytes("broken.epw", "LOCATION,only\n");
  EXPECT_EQ(pickedFileText(broken), broken);
  EXPECT_EQ(pickedFileText(path("absent.epw")), path("absent.epw"));
  const std::string cly = writeYear("plain.cly", plainYear());
  EXPECT_EQ(pickedFileText(cly), cly);
}

// A real typical year loaded as EPW gives exactly the year of the built-in
// file made from it.
TEST_F(LoadClimateYearTest, TheRealSeoulEpwLoadsAsTheBuiltInSeoulFile) {
  const fs::path epw =
      fs::path(VLM_SHARED_CLIMATE_DIR) / "epw" / "KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw";
  const fs::path resources = fs::path(VLM_TEST_DATA_DIR) / ".." / ".." / "resources";
  if (!fs::exists(epw)) GTEST_SKIP() << "no shared climate folder";
  ASSERT_TRUE(load(otherChoice(epw.string())));
  ClimateData builtIn;
  Psychrometrics psychro;
  ASSERT_TRUE(LoadClimateYear(builtIn, builtInChoice(*regionByStem("seoul"), resources.string()),
                              psychro, sink_));
  for (std::size_t k = 1; k <= 8760; ++k) {
    ASSERT_EQ(data_->year[k].DBT, builtIn.year[k].DBT) << k;
    ASSERT_EQ(data_->year[k].AH, builtIn.year[k].AH) << k;
    ASSERT_EQ(data_->year[k].WindDir, builtIn.year[k].WindDir) << k;
  }
  EXPECT_EQ(data_->MonthStatRad, builtIn.MonthStatRad);
  EXPECT_EQ(data_->WindDirCount, builtIn.WindDirCount);
}

// A fault anywhere in an hour stops the load at that hour with the guarded
// function's message, whichever day of the year it falls in, and the hour
// before it is derived as the guarded derivation derives it.
struct FaultCase {
  int hour;
  float dbt, wbt, pressure;
  const char* message;
};

TEST_F(LoadClimateYearTest, AFaultIsNamedByTheFunctionWhereverItFalls) {
  const std::vector<FaultCase> cases = {
      {5, 30.0f, 20.0f, 0.0f, "0으로 나누었습니다. (GetSV_DBTAH)"},
      {30, -1e30f, 20.0f, 101.0f, "잘못된 프로시저 호출 또는 인수입니다. (GetPsat_DBT)"},
      {8760, 30.0f, std::nanf(""), 101.0f, "잘못된 프로시저 호출 또는 인수입니다. (GetEnthW_T)"},
      {49, 30.0f, 3e38f, 101.0f, "오버플로입니다. (GetEnthW_T)"},
  };
  for (const FaultCase& c : cases) {
    auto year = plainYear();
    hourOfYear(year, c.hour - 1).DBT = -7.5f;
    ClimateFileRecord& bad = hourOfYear(year, c.hour);
    bad.DBT = c.dbt;
    bad.WBT = c.wbt;
    bad.Pressure = c.pressure;
    writeRegion("taegu", year);
    for (const bool fast : {true, false}) {
      auto data = std::make_unique<ClimateData>();
      Psychrometrics psychro;
      std::string message;
      try {
        if (fast) {
          readClimateYear(*data, region("taegu").filePath, psychro);
        } else {
          readClimateYearChecked(*data, region("taegu").filePath, psychro);
        }
      } catch (const ComputeError& e) {
        message = e.what();
      }
      EXPECT_EQ(message, c.message) << c.hour << (fast ? " fast" : " checked");
      EXPECT_EQ(psychro.Patm, c.pressure) << c.hour;
      const HourRecord& before = data->year[static_cast<std::size_t>(c.hour - 1)];
      HourRecord expected = hourOf(hourOfYear(year, c.hour - 1));
      Psychrometrics reference;
      deriveHour(expected, reference);
      EXPECT_EQ(before, expected) << c.hour;
    }
  }
}

}  // namespace
}  // namespace vlm
