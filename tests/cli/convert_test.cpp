// vlm-cli convert: exit statuses, the messages on stderr and the --yes rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "cli/cli_context.h"
#include "tests/cli/run_cli.h"
#include "tests/core/climate/asos_test_files.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm::cli {
namespace {

using namespace vlm::weathertest;

class ConvertCommand : public TempDirTest {
 protected:
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, dir_.string());
  }
  std::ostringstream out_, err_;
};

TEST_F(ConvertCommand, ConvertsQuietlyAndSaysSoOnlyWhenVerbose) {
  write("source.wye", joinLines(wyecLines()));
  EXPECT_EQ(run({"convert", path("source.wye"), path("out.cly")}), 0);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(read("out.cly").size(), 227760u);

  EXPECT_EQ(run({"--verbose", "convert", path("source.wye"), path("again.cly")}), 0);
  EXPECT_EQ(err_.str(), "[Velmora]\n기후파일 변환후 저장이 완료되었습니다.\n");
}

TEST_F(ConvertCommand, AnExistingTargetNeedsYes) {
  write("source.wye", joinLines(wyecLines()));
  write("out.cly", "old");
  EXPECT_EQ(run({"convert", path("source.wye"), path("out.cly")}), 1);
  EXPECT_EQ(err_.str(), "[변환후 저장할 기후파일명]\n" + path("out.cly") +
                            "\n같은 이름의 파일이 이미 존재합니다.\n"
                            "기존 파일을 이 파일로 대체하겠습니까?\n");
  EXPECT_EQ(read("out.cly"), "old");

  EXPECT_EQ(run({"convert", path("source.wye"), path("out.cly"), "--yes"}), 0);
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(read("out.cly").size(), 227760u);
}

TEST_F(ConvertCommand, RefusalsPrintTheBoxAndExitWithOne) {
  write("short.try", joinLines(wyecLines(10)));
  EXPECT_EQ(run({"convert", path("short.try"), path("out.cly")}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n원본 파일이 WYEC(혹은 TRY) 형식의 파일이 아닙니다.\n[총 행수(8760행) 위반]\n");

  EXPECT_EQ(run({"convert", path("short.try"), path("out.CLY")}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n원본 기후파일명 혹은 변환후 기후파일명이 유효하지 않습니다.\n"
            "[변환후 기후파일명의 확장자가 cly가 아닙니다.]\n");

  EXPECT_EQ(run({"convert", path("short.try"), path("short.try")}), 1);
  EXPECT_NE(err_.str().find("[원본 기후파일명과 변환후 기후파일명이 같습니다.]"),
            std::string::npos);

  write("bad.epw", "LOCATION,only\n");
  EXPECT_EQ(run({"convert", path("bad.epw"), path("out.cly")}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n원본 파일이 EPW 형식의 파일이 아닙니다.\n[1행의 필드 수(10개 이상) 위반]\n");
  EXPECT_EQ(files(), (std::vector<std::string>{"bad.epw", "short.try"}));
}

TEST_F(ConvertCommand, PlatformFailuresAndUsageErrorsExitWithTwo) {
  EXPECT_EQ(run({"convert", path("missing.wye"), path("out.cly")}), 2);
  EXPECT_EQ(err_.str(), "파일을 찾을 수 없습니다. (" + path("missing.wye") + ")\n");
  EXPECT_EQ(run({"convert", path("missing.wye")}), 2);
  EXPECT_NE(err_.str().find("TARGET"), std::string::npos);
}

// A station or year picks among the station-years of an ASOS file only.
TEST_F(ConvertCommand, AStationOrYearForASourceThatIsNotAsosIsAUsageError) {
  write("source.wye", joinLines(wyecLines()));
  write("station.epw", joinLines(epwLines()));
  const std::vector<std::vector<std::string>> cases = {
      {path("source.wye"), "--station", "108"},
      {path("station.epw"), "--year", "2015"},
      {path("station.epw"), "--station", "108", "--year", "2015"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"convert", c[0], path("out.cly")};
    args.insert(args.end(), c.begin() + 1, c.end());
    EXPECT_EQ(run(args), 2) << c[1];
    EXPECT_EQ(err_.str(), c[1] +
                              ": ASOS 시간자료(.csv)가 아닌 원본에는 쓸 수 없습니다\n"
                              "Run with --help for more information.\n");
  }
  EXPECT_EQ(files(), (std::vector<std::string>{"source.wye", "station.epw"}));
}

TEST_F(ConvertCommand, ImportsAnEpwFile) {
  write("station.epw", joinLines(epwLines()));
  EXPECT_EQ(run({"--verbose", "convert", path("station.epw"), path("station.cly")}), 0);
  EXPECT_EQ(err_.str(),
            "[Velmora]\n기후파일 변환후 저장이 완료되었습니다.\n"
            "관측소: Testville.WS (위도 37.5714°, 표고 87.1 m)\n");
  EXPECT_EQ(read("station.cly").size(), 227760u);
}

// Two years of one station: the most hours by default, the one asked for
// with --station and --year, and the completion box's extra lines.
TEST_F(ConvertCommand, ConvertsOneStationYearOfAnAsosFile) {
  auto lines = asostest::asosLines(2015, 8760, [](int i, asostest::AsosRow& r) {
    if (i <= 3) r["기온"] = "";
  });
  for (const auto& line : asostest::body(asostest::asosLines(2016, 5000))) lines.push_back(line);
  write("seoul.csv", asostest::asCp949(joinLines(lines)));
  EXPECT_EQ(run({"--verbose", "convert", path("seoul.csv"), path("2015.cly")}), 0);
  EXPECT_EQ(err_.str(),
            "[Velmora]\n기후파일 변환후 저장이 완료되었습니다.\n"
            "지점: 108 서울, 2015년 (8760시간)\n"
            "결측 시간 수: 건구온도 3, 습구온도 3, 기압 0, 풍향 0, 풍속 0, 운량 0, 일사량 0\n");
  EXPECT_EQ(read("2015.cly").size(), 227760u);

  EXPECT_EQ(run({"--verbose", "convert", path("seoul.csv"), path("2016.cly"), "--station", "108",
                 "--year", "2016"}),
            0);
  EXPECT_EQ(err_.str(),
            "[Velmora]\n기후파일 변환후 저장이 완료되었습니다.\n"
            "지점: 108 서울, 2016년 (4976시간)\n"
            "결측 시간 수: 건구온도 3784, 습구온도 3784, 기압 3784, 풍향 3784, 풍속 3784, "
            "운량 3784, 일사량 3784\n"
            "윤년의 2월 29일 24시간은 제외되었습니다.\n");

  EXPECT_EQ(run({"convert", path("seoul.csv"), path("none.cly"), "--station", "159"}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n선택한 지점 혹은 연도의 자료가 원본 파일에 없습니다.\n[지점 159]\n");
  EXPECT_EQ(files(), (std::vector<std::string>{"2015.cly", "2016.cly", "seoul.csv"}));
}

TEST_F(ConvertCommand, AnAsosFileOfTwoGigabytesIsRefusedWithoutReadingIt) {
  write("huge.csv", "");
  std::filesystem::resize_file(path("huge.csv"), std::uintmax_t{2} << 30);  // sparse
  EXPECT_EQ(run({"convert", path("huge.csv"), path("out.cly")}), 1);
  EXPECT_EQ(
      err_.str(),
      "[에러]\n원본 파일이 ASOS 시간자료 형식의 파일이 아닙니다.\n[파일크기(1GB 이하) 위반]\n");
  EXPECT_EQ(files(), (std::vector<std::string>{"huge.csv"}));
}

// End to end: an EPW file and a converted ASOS year are analysed like any
// climate file.
TEST_F(ConvertCommand, AnEpwFileAndAConvertedAsosYearAreAnalysed) {
  write("station.epw", joinLines(epwLines()));
  ASSERT_EQ(run({"analyse", path("station.epw")}), 0) << err_.str();
  const auto epw = nlohmann::json::parse(out_.str());
  EXPECT_EQ(epw["region"], "기타");
  ASSERT_EQ(run({"convert", path("station.epw"), path("station.cly")}), 0);
  ASSERT_EQ(run({"analyse", path("station.cly")}), 0) << err_.str();
  EXPECT_EQ(nlohmann::json::parse(out_.str()), epw);

  write("asos.csv", joinLines(asostest::asosLines(2015, 8760)));
  ASSERT_EQ(run({"convert", path("asos.csv"), path("asos.cly")}), 0) << err_.str();
  ASSERT_EQ(run({"analyse", path("asos.cly")}), 0) << err_.str();
  const auto asos = nlohmann::json::parse(out_.str());
  // 20 °C with a dew point of 10 °C: the same zone every hour.
  EXPECT_EQ(asos["need"][5]["hours"], "8760");
  EXPECT_EQ(asos["errors"][2]["hours"], "0");

  write("broken.epw", "LOCATION,only\n");
  EXPECT_EQ(run({"analyse", path("broken.epw")}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n원본 파일이 EPW 형식의 파일이 아닙니다.\n[1행의 필드 수(10개 이상) 위반]\n");
}

// A real typical year as EPW gives the analysis of the built-in file made from it.
TEST_F(ConvertCommand, TheRealSeoulEpwIsAnalysedAsTheBuiltInSeoul) {
  const auto epw = std::filesystem::path(VLM_SHARED_CLIMATE_DIR) / "epw" /
                   "KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw";
  const auto builtIn = std::filesystem::path(VLM_TEST_DATA_DIR) / ".." / ".." / "resources" /
                       "weather" / "seoul.cly";
  if (!std::filesystem::exists(epw)) GTEST_SKIP() << "no shared climate folder";
  ASSERT_EQ(run({"analyse", epw.string(), "--region", "서울"}), 0) << err_.str();
  const auto fromEpw = nlohmann::json::parse(out_.str());
  ASSERT_EQ(run({"analyse", builtIn.string(), "--region", "서울"}), 0) << err_.str();
  EXPECT_EQ(fromEpw, nlohmann::json::parse(out_.str()));
}

// A built-in region goes out as EPW under its station, and the file passes
// the import's checks; a file of the user's that records no site needs --site.
TEST_F(ConvertCommand, AnyClimateGoesOutAsEpw) {
  ASSERT_EQ(test::runCli({"convert", "seoul", path("seoul.epw")}, out_, err_, VLM_PROGRAM_DIR), 0)
      << err_.str();
  EXPECT_EQ(read("seoul.epw").rfind("LOCATION,Seoul.WS,", 0), 0u);
  ASSERT_EQ(run({"check", path("seoul.epw")}), 0) << err_.str();

  write("source.wye", joinLines(wyecLines()));
  EXPECT_EQ(run({"convert", path("source.wye"), path("out.epw")}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n원본 기후파일의 위치(위도, 경도, 표준시)를 알 수 없어 EPW 파일로 변환할 수 "
            "없습니다.\n[위치 목록에서 관측소를 고르거나 직접 입력한 후 다시 변환하세요.\n"
            "명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]\n");
  EXPECT_EQ(run({"convert", path("source.wye"), path("out.epw"), "--site", "37.5,127,x"}), 1);
  EXPECT_EQ(err_.str(), "[에러]\n위치가 유효하지 않습니다.\n[표준시의 UTC 시차가 숫자가 아닙니다.]\n");
  EXPECT_EQ(run({"convert", path("source.wye"), path("out.epw"), "--site", "37.5,127"}), 0)
      << err_.str();
  // A .cly target has no use for a site.
  EXPECT_EQ(run({"convert", path("source.wye"), path("out.cly"), "--site", "37.5,127"}), 2);
  EXPECT_FALSE(std::filesystem::exists(path("out.cly")));
}

}  // namespace
}  // namespace vlm::cli
