// vlm-cli batch: one CSV row per file in the order given, the analysis of each
// year as analyse gives it, an error column for a file that fails, and the
// subcommands the batch cannot repeat yet.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_rows.h"
#include "tests/cli/run_cli.h"
#include "tests/core/climate/cly_test_files.h"

namespace vlm::cli {
namespace {

using namespace vlm::clytest;

class BatchCommand : public ClimateFileTest {
 protected:
  void SetUp() override {
    ClimateFileTest::SetUp();
    writeYear("weather/seoul.cly", plainYear());
    auto warm = plainYear();
    for (auto& r : warm) {
      r.DBT = 31.0f;
      r.WBT = 26.0f;
    }
    writeYear("warm.cly", warm);
  }
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, dir_.string());
  }
  [[nodiscard]] std::vector<std::string> lines(const std::string& path) const {
    std::ifstream in(path);
    std::vector<std::string> result;
    // A quoted cell may hold a line break: a record ends where the quotes balance.
    std::string record;
    for (std::string line; std::getline(in, line);) {
      record += record.empty() ? line : "\n" + line;
      if (std::count(record.begin(), record.end(), '"') % 2 == 0) {
        result.push_back(record);
        record.clear();
      }
    }
    return result;
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  std::ostringstream out_, err_;
};

TEST_F(BatchCommand, AnalyseWritesOneRowPerFileAndAnErrorColumnForAFailure) {
  const std::string csv = path("out.csv");
  EXPECT_EQ(run({"batch", "analyse", "seoul", path("wa*.cly"), path("none.cly"), "--jobs", "3",
                 "-o", csv}),
            1);
  const auto rows = lines(csv);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].rfind("file,region,need_TH_hours,need_TH_percent,", 0), 0u) << rows[0];
  EXPECT_EQ(rows[0].substr(rows[0].size() - 20), ",mostImportant,error");
  // The row of a year holds what analyse shows for the whole year.
  std::ostringstream out, err;
  ASSERT_EQ(test::runCli({"analyse", "seoul"}, out, err, dir_.string()), 0);
  const auto analysed = nlohmann::json::parse(out.str());
  EXPECT_EQ(rows[1].rfind("seoul,서울,", 0), 0u) << rows[1];
  EXPECT_NE(rows[1].find("," + analysed["mostImportant"].get<std::string>() + ","),
            std::string::npos);
  EXPECT_EQ(rows[1].back(), ',');  // no error
  EXPECT_EQ(rows[2].rfind(path("warm.cly") + ",기타,", 0), 0u) << rows[2];
  EXPECT_EQ(rows[3].rfind(path("none.cly") + ",,", 0), 0u) << rows[3];
  EXPECT_NE(rows[3].find("none.cly"), rows[3].rfind("none.cly")) << "the message names the file";
}

TEST_F(BatchCommand, ARefusedFileGivesTheBoxTextInItsErrorColumn) {
  auto year = plainYear();
  year.resize(10);
  writeYear("short.cly", year);
  EXPECT_EQ(run({"batch", "analyse", path("short.cly"), "-o", path("out.csv")}), 1);
  const auto rows = lines(path("out.csv"));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_NE(rows[1].find("대상 지역의 기후파일이 유효하지 않습니다. [파일크기(227,760byte) 위반]"),
            std::string::npos)
      << rows[1];
}

TEST_F(BatchCommand, SubcommandsNotYetRepeatableAreRefusedBeforeAnythingIsWritten) {
  for (const char* command : {"months", "degree-days"}) {
    EXPECT_EQ(run({"batch", command, "seoul", "-o", path("m.csv")}), 2);
    EXPECT_EQ(err_.str(), std::string("batch ") + command +
                              ": 이 vlm-cli에서는 아직 여러 파일에 실행할 수 없는 명령입니다.\n");
    EXPECT_FALSE(std::filesystem::exists(path("m.csv")));
  }
}

TEST(BatchCsv, CellsWithSeparatorsQuotesOrLineBreaksAreQuoted) {
  EXPECT_EQ(csvLine({"a", "b c", ""}), "a,b c,\n");
  EXPECT_EQ(csvLine({"1,2", "say \"hi\"", "two\nlines"}),
            "\"1,2\",\"say \"\"hi\"\"\",\"two\nlines\"\n");
}

}  // namespace
}  // namespace vlm::cli
