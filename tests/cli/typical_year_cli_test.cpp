// vlm-cli typical-year: the JSON of each month's candidates, exit statuses and
// the refusals on stderr.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/cli/run_cli.h"
#include "tests/core/climate/asos_test_files.h"

namespace vlm::cli {
namespace {

using namespace vlm::asostest;
using weathertest::TempDirTest;

class TypicalYearCommand : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    for (const int year : {2015, 2017}) {
      std::string text;
      // No radiation column: the station is selected on the other quantities.
      std::vector<std::string> columns = kPortalColumns;
      std::erase(columns, "일사(MJ/m2)");
      for (const std::string& line : asosLines(year, 8760, {}, columns)) text += line + "\n";
      write(std::to_string(year) + ".csv", text);
    }
  }
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, dir_.string());
  }
  std::ostringstream out_, err_;
};

TEST_F(TypicalYearCommand, PrintsEachMonthsCandidatesAndWritesTheYear) {
  ASSERT_EQ(run({"typical-year", path("2017.csv"), path("2015.csv"), "-o", path("t.cly")}), 0)
      << err_.str();
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(read("t.cly").size(), 227760u);
  const auto json = nlohmann::json::parse(out_.str());
  EXPECT_EQ(json["station"], "108 서울");
  EXPECT_EQ(json["years"], nlohmann::json::array({2015, 2017}));
  ASSERT_EQ(json["months"].size(), 12u);
  const auto& july = json["months"][6];
  EXPECT_EQ(july["month"], 7);
  EXPECT_EQ(july["year"], 2015);
  ASSERT_EQ(july["candidates"].size(), 2u);
  const auto& candidate = july["candidates"][1];
  EXPECT_EQ(candidate["year"], 2017);
  EXPECT_TRUE(candidate["fs"]["dbt"].is_number());
  EXPECT_TRUE(candidate["fs"]["rh"].is_number());
  EXPECT_TRUE(candidate["fs"]["ghi"].is_null());
  EXPECT_EQ(candidate["rankSum"], 2);
  EXPECT_TRUE(candidate["windDeviation"].is_number());
  EXPECT_EQ(json["warnings"],
            nlohmann::json::array(
                {"표준(ISO 15927-4)은 10년 이상의 자료를 요구합니다: 2년의 자료로 만들었습니다.",
                 "일사량 자료가 없어 선정에서 뺐습니다."}));
}

TEST_F(TypicalYearCommand, RefusalsExitWithOneAndBadYearsAreAUsageError) {
  write("old.cly", "old");
  EXPECT_EQ(run({"typical-year", path("2015.csv"), "-o", path("old.cly")}), 1);
  EXPECT_EQ(err_.str(), "[변환후 저장할 기후파일명]\n" + path("old.cly") +
                            "\n같은 이름의 파일이 이미 존재합니다.\n"
                            "기존 파일을 이 파일로 대체하겠습니까?\n");
  EXPECT_EQ(read("old.cly"), "old");

  EXPECT_EQ(run({"typical-year", path("2015.csv"), "-o", path("t.cly"), "--station", "112"}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n선택한 지점의 자료가 원본 파일에 없습니다.\n[2015.csv: 지점 112]\n");
  EXPECT_EQ(run({"typical-year", path("2015.csv"), "-o", path("t.cly"), "--years", "2020-2010"}),
            2);
}

}  // namespace
}  // namespace vlm::cli
