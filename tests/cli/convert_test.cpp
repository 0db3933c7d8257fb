// vlm-cli convert: exit statuses, the messages on stderr and the --yes rule.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli/cli_context.h"
#include "tests/cli/run_cli.h"
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

TEST_F(ConvertCommand, ImportsAnEpwFile) {
  write("station.epw", joinLines(epwLines()));
  EXPECT_EQ(run({"--verbose", "convert", path("station.epw"), path("station.cly")}), 0);
  EXPECT_EQ(err_.str(),
            "[Velmora]\n기후파일 변환후 저장이 완료되었습니다.\n"
            "관측소: Testville.WS (위도 37.5714°, 표고 87.1 m)\n");
  EXPECT_EQ(read("station.cly").size(), 227760u);
}

}  // namespace
}  // namespace vlm::cli
