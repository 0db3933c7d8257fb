// vlm-cli radiation, radiation-rose and load --hourly --solar on Seoul's year
// read as a .cly file, which records no site.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "tests/cli/run_cli.h"

namespace vlm::cli {
namespace {

namespace fs = std::filesystem;

const std::string kSeoulCly = std::string(VLM_PROGRAM_DIR) + "/weather/seoul.cly";
const std::string kSeoulSite = "37.5714,126.9658,9";

// The cells of a CSV line, empty ones included.
std::vector<std::string> cellsOf(const std::string& line) {
  std::vector<std::string> cells(1);
  for (const char c : line) {
    if (c == ',') {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

class RadiationCommands : public ::testing::Test {
 protected:
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, VLM_PROGRAM_DIR);
  }
  std::ostringstream out_, err_;
};

TEST_F(RadiationCommands, RadiationGivesEveryOrientationTheHorizontalAndTheHours) {
  ASSERT_EQ(run({"radiation", kSeoulCly, "--site", kSeoulSite}), 0) << err_.str();
  const auto j = nlohmann::ordered_json::parse(out_.str());
  std::vector<std::string> keys;
  for (const auto& item : j.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"site", "model", "tilt", "albedo", "orientations",
                                            "horizontal", "mostWanted", "mostUnwanted", "hours"}));
  EXPECT_EQ(j["site"]["latitude"], 37.5714);
  EXPECT_EQ(j["site"]["utcOffset"], 9.0);
  EXPECT_EQ(j["model"], "perez");
  ASSERT_EQ(j["orientations"].size(), 36u);
  EXPECT_EQ(j["orientations"][0]["azimuth"], -170);
  EXPECT_EQ(j["orientations"][35]["azimuth"], 180);
  EXPECT_EQ(j["orientations"][17]["months"].size(), 12u);
  int mostWanted = 0;
  double most = -1;
  for (const auto& o : j["orientations"]) {
    if (o["wanted"].get<double>() > most) {
      most = o["wanted"].get<double>();
      mostWanted = o["azimuth"].get<int>();
    }
  }
  EXPECT_EQ(j["mostWanted"], mostWanted);
  const double south = j["orientations"][17]["year"].get<double>();
  const double north = j["orientations"][35]["year"].get<double>();
  EXPECT_GT(south, 2 * north);
  double monthsSum = 0;
  for (const auto& m : j["horizontal"]["months"]) monthsSum += m.get<double>();
  EXPECT_NEAR(monthsSum, j["horizontal"]["year"].get<double>(), 0.01);
  EXPECT_GT(j["hours"]["used"].get<int>(), 4000);

  ASSERT_EQ(run({"radiation", kSeoulCly, "--site", kSeoulSite, "--model", "isotropic"}), 0);
  const auto iso = nlohmann::json::parse(out_.str());
  EXPECT_EQ(iso["model"], "isotropic");
  EXPECT_NE(iso["orientations"][17]["year"], j["orientations"][17]["year"]);
}

TEST_F(RadiationCommands, RefusalsPrintTheirBoxAndGiveStatusOne) {
  const std::string noSite =
      "[에러]\n기후자료의 위치(위도, 경도, 표준시)를 알 수 없어 계산할 수 없습니다.\n"
      "[지역선택 메뉴에서 기타 지역의 위치를 고르거나 직접 입력한 후\n"
      "지역선택 확인 버튼을 다시 클릭하세요.\n"
      "명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]\n";
  const auto badSite = [](const char* rule) {
    return std::string("[에러]\n위치가 유효하지 않습니다.\n[") + rule + "]\n";
  };
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"radiation", kSeoulCly}, noSite},
      {{"load", kSeoulCly, "--hourly", "--solar"}, noSite},
      {{"radiation", kSeoulCly, "--site", "90,127"},
       badSite("위도는 -90°보다 크고 90°보다 작아야 합니다.")},
      {{"radiation", kSeoulCly, "--site", "37.5,181"},
       badSite("경도는 -180° 이상 180° 이하이어야 합니다.")},
      {{"radiation", kSeoulCly, "--site", "37.5,127,15"},
       badSite("표준시의 UTC 시차는 -12시간 이상 14시간 이하이어야 합니다.")},
      {{"radiation", kSeoulCly, "--site", "37.5"},
       badSite("위치는 위도,경도 혹은 위도,경도,UTC 시차로 주십시오.")},
      {{"load", kSeoulCly, "--site", "37.5,127,x"},
       badSite("표준시의 UTC 시차가 숫자가 아닙니다.")},
      {{"radiation", kSeoulCly, "--site", kSeoulSite, "--albedo", "1.5"},
       "[에러]\n0 <= 지면 반사율 <= 1 !\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(c.args), 1) << c.args.back();
    EXPECT_EQ(out_.str(), "") << c.args.back();
    EXPECT_EQ(err_.str(), c.err) << c.args.back();
  }
}

TEST_F(RadiationCommands, SolarColumnsAreEmptyAtNightAndFilledByDay) {
  ASSERT_EQ(run({"load", kSeoulCly, "--hourly", "--solar", "--site", kSeoulSite}), 0) << err_.str();
  std::istringstream lines(out_.str());
  std::string header, line;
  std::getline(lines, header);
  EXPECT_EQ(header,
            "hour,RecIndex,DBT,WBT,Pressure,WindDir,WindSpeed,Cloud,Radiation,AH,VP,RH,SpecV,"
            "solarTime,altitude,azimuth,ghi,dni,dhi");
  std::vector<std::string> rows;
  double ghiSum = 0;  // W/m² over one hour each: Wh/m²
  while (std::getline(lines, line)) {
    rows.push_back(line);
    const std::vector<std::string> cells = cellsOf(line);
    ASSERT_EQ(cells.size(), 19u) << line;
    if (!cells[16].empty()) ghiSum += std::stod(cells[16]);
  }
  ASSERT_EQ(rows.size(), 8760u);
  // The listing's global horizontal irradiance is the horizontal plane's year.
  ASSERT_EQ(run({"radiation", kSeoulCly, "--site", kSeoulSite}), 0);
  const double horizontal = nlohmann::json::parse(out_.str())["horizontal"]["year"].get<double>();
  EXPECT_NEAR(ghiSum / 1000, horizontal, horizontal * 1e-4);
  // Hour 1 is 00:00–01:00 of 1 January; hour 4309 is 12:00–13:00 of 29 June.
  EXPECT_EQ(rows[0].substr(rows[0].size() - 6), ",,,,,,");
  const std::vector<std::string> cells = cellsOf(rows[4308]);
  EXPECT_NEAR(std::stod(cells[13]), 12.0, 0.5);  // solar time near noon
  EXPECT_GT(std::stod(cells[14]), 70.0);         // the summer sun stands high
  const double ghi = std::stod(cells[16]);
  // The hour's global irradiance is its Radiation field (tenths of cal/cm²) over an hour.
  EXPECT_NEAR(ghi, std::stod(cells[8]) * 4184.0 / 3600.0, 0.01);
}

TEST_F(RadiationCommands, RoseDrawsOneSeriesOrAllThree) {
  const fs::path dir = fs::temp_directory_path() / "vlm_radiation_rose_cli";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const auto listing = [&](const std::string& name, std::vector<std::string> extra) {
    std::vector<std::string> args{"radiation-rose", kSeoulCly, "--site",
                                  kSeoulSite,       "-o",      (dir / name).string()};
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_EQ(run(args), 0) << err_.str();
    std::ifstream in(dir / name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  };
  const std::string all = listing("all.txt", {});
  const std::string wanted = listing("wanted.txt", {"--of", "wanted"});
  EXPECT_NE(all.find("태양열차단 시간"), std::string::npos);
  EXPECT_NE(wanted.find("태양열획득 시간"), std::string::npos);
  EXPECT_EQ(wanted.find("태양열차단 시간\""), std::string::npos) << wanted.substr(0, 400);
  EXPECT_LT(wanted.size(), all.size());
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vlm::cli
