// vlm-cli batch: one CSV row per file in the order given, the analysis of each
// year as analyse, months or degree-days gives it, and an error column for a
// file that fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_rows.h"
#include "tests/cli/run_cli.h"
#include "tests/core/climate/cly_test_files.h"
#include "tests/core/climate/weather_test_files.h"

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
  EXPECT_EQ(rows[2].rfind(path("warm.cly") + ",기타 (warm.cly),", 0), 0u) << rows[2];
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

// Splits a CSV record without quoted cells.
std::vector<std::string> cellsOf(const std::string& record) {
  std::vector<std::string> cells;
  std::istringstream in(record);
  for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
  if (!record.empty() && record.back() == ',') cells.emplace_back();
  return cells;
}

// Each repeatable subcommand's row holds what the single command prints for
// that year: a column named by the header against a JSON path.
TEST_F(BatchCommand, MonthsAndDegreeDaysRowsHoldWhatTheSingleCommandsPrint) {
  auto swing = plainYear();
  for (std::size_t k = 0; k < swing.size(); ++k) {
    swing[k].DBT = static_cast<float>(k % 40) - 5.0f;
    swing[k].WBT = swing[k].DBT - 3.0f;
  }
  writeYear("weather/seoul.cly", swing);
  struct Case {
    std::vector<std::string> batch, single;
    std::string column;
    nlohmann::json::json_pointer value;
  };
  const std::vector<Case> cases = {
      {{"months"}, {"months", "seoul"}, "m03_need_TH_hours", "/months/2/need/0/hours"_json_pointer},
      {{"months"}, {"months", "seoul"}, "m08_guide_PV_rank", "/months/7/guide/4/rank"_json_pointer},
      {{"months"}, {"months", "seoul"}, "year_guide_PSG_rank", "/year/guide/2/rank"_json_pointer},
      {{"months"}, {"months", "seoul"}, "year_mostImportant", "/year/mostImportant"_json_pointer},
      {{"analyse", "--from", "6/1/0", "--to", "6/30/23"},
       {"analyse", "seoul", "--from", "6/1/0", "--to", "6/30/23"},
       "need_total_hours",
       "/need/5/hours"_json_pointer},
      {{"degree-days", "--heating-base", "16"},
       {"degree-days", "seoul", "--heating-base", "16"},
       "year_hdd",
       "/year/hdd"_json_pointer},
      {{"degree-days"}, {"degree-days", "seoul"}, "m07_cdd", "/months/6/cdd"_json_pointer},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"batch"};
    args.insert(args.end(), c.batch.begin(), c.batch.end());
    args.insert(args.end(), {"seoul", "-o", path("b.csv"), "--yes"});
    ASSERT_EQ(run(args), 0) << err_.str();
    const auto rows = lines(path("b.csv"));
    ASSERT_EQ(rows.size(), 2u);
    const auto header = cellsOf(rows[0]);
    const auto row = cellsOf(rows[1]);
    ASSERT_EQ(header.size(), row.size()) << c.column;
    const auto at = std::find(header.begin(), header.end(), c.column);
    ASSERT_NE(at, header.end()) << c.column;
    std::ostringstream out, err;
    ASSERT_EQ(test::runCli(c.single, out, err, dir_.string()), 0);
    const auto expected = nlohmann::json::parse(out.str())[c.value];
    const std::string cell = row[static_cast<std::size_t>(at - header.begin())];
    if (expected.is_string()) {
      EXPECT_EQ(cell, expected.get<std::string>()) << c.column;
    } else {
      EXPECT_GT(expected.get<float>(), 0.0f) << c.column;
      EXPECT_EQ(std::stof(cell), expected.get<float>()) << c.column;
    }
  }
}

TEST_F(BatchCommand, ABaseOutOfRangeIsRefusedBeforeAnythingIsWritten) {
  EXPECT_EQ(run({"batch", "degree-days", "seoul", "--cooling-base", "50", "-o", path("d.csv")}), 1);
  EXPECT_NE(err_.str().find("냉방도일의 기준온도 입력이 유효하지 않습니다."), std::string::npos)
      << err_.str();
  EXPECT_FALSE(std::filesystem::exists(path("d.csv")));
}

TEST_F(BatchCommand, AnEpwRowNamesItsStationAndANameThatIsNotUtf8IsReplaced) {
  using namespace vlm::weathertest;
  writeBytes("station.epw", joinLines(epwLines()));
  writeYear("m\xff.cly", plainYear());
  EXPECT_EQ(run({"batch", "analyse", path("station.epw"), path("m\xff.cly"), "-o", path("o.csv")}),
            0)
      << err_.str();
  const auto rows = lines(path("o.csv"));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].rfind(path("station.epw") + ",기타 (Testville.WS),", 0), 0u) << rows[1];
  EXPECT_EQ(rows[2].rfind(path("m\xef\xbf\xbd.cly") + ",기타 (m\xef\xbf\xbd.cly),", 0), 0u)
      << rows[2];
}

// Each subcommand reads only its own options: another's is refused, not ignored.
TEST_F(BatchCommand, AnOptionOfAnotherSubcommandIsAUsageError) {
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const std::string hint = "\nRun with --help for more information.\n";
  const std::vector<Case> cases = {
      {{"analyse", "--heating-base", "16"},
       "--heating-base: batch analyse에는 쓸 수 없습니다 (batch degree-days만 읽습니다)"},
      {{"months", "--cooling-base", "26"},
       "--cooling-base: batch months에는 쓸 수 없습니다 (batch degree-days만 읽습니다)"},
      {{"degree-days", "--from", "6/1/0"},
       "--from: batch degree-days에는 쓸 수 없습니다 (batch analyse만 읽습니다)"},
      {{"months", "--to", "6/30/23"},
       "--to: batch months에는 쓸 수 없습니다 (batch analyse만 읽습니다)"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"batch"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"seoul", "-o", path("u.csv")});
    EXPECT_EQ(run(args), 2) << c.err;
    EXPECT_EQ(err_.str(), c.err + hint);
    EXPECT_FALSE(std::filesystem::exists(path("u.csv"))) << c.err;
  }
}

TEST(BatchCsv, CellsWithSeparatorsQuotesOrLineBreaksAreQuoted) {
  EXPECT_EQ(csvLine({"a", "b c", ""}), "a,b c,\n");
  EXPECT_EQ(csvLine({"1,2", "say \"hi\"", "two\nlines"}),
            "\"1,2\",\"say \"\"hi\"\"\",\"two\nlines\"\n");
}

}  // namespace
}  // namespace vlm::cli
