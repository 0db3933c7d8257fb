// Seoul's built-in year against the EPW file it was converted from: the split
// must keep the global irradiation and land near the file's own beam and
// diffuse fields, which its generator took from another decomposition model.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/climate/climate_load.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"
#include "core/solar/radiation_year.h"

namespace vlm {
namespace {

namespace fs = std::filesystem;

struct EpwYear {
  double latitude = 0, longitude = 0, utcOffset = 0;
  double ghi = 0, dni = 0, dhi = 0;  // kWh/m²
};

// The source file's site and annual fields, as tests/data/seoul_epw_radiation.txt
// records them (its header says how they were taken from the file).
EpwYear readEpwFigures() {
  std::ifstream in(fs::path(VLM_TEST_DATA_DIR) / "seoul_epw_radiation.txt");
  std::stringstream numbers;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') numbers << line << ' ';
  }
  EpwYear y;
  numbers >> y.latitude >> y.longitude >> y.utcOffset >> y.ghi >> y.dni >> y.dhi;
  EXPECT_TRUE(numbers) << "seoul_epw_radiation.txt";
  return y;
}

class SeoulRadiation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    seoul_ = std::make_unique<ClimateData>();
    Psychrometrics psychro;
    readClimateYear(
        *seoul_,
        (fs::path(VLM_TEST_DATA_DIR) / ".." / ".." / "resources" / "weather" / "seoul.cly")
            .string(),
        psychro);
    epw_ = readEpwFigures();
  }
  static void TearDownTestSuite() { seoul_.reset(); }

  static SolarSite site(double lag = 0) {
    return {epw_.latitude, epw_.longitude, epw_.utcOffset, lag};
  }

  static std::unique_ptr<ClimateData> seoul_;
  static EpwYear epw_;
  PsychroChart chart_;
};

std::unique_ptr<ClimateData> SeoulRadiation::seoul_;
EpwYear SeoulRadiation::epw_;

TEST_F(SeoulRadiation, SplitKeepsTheGlobalAndComesNearTheFilesOwnParts) {
  const PreparedYear year = PrepareYear(*seoul_, SunWishes(*seoul_, chart_), site());
  double ghi = 0, dni = 0, dhi = 0;
  for (const auto& h : year.hours) {
    ghi += h.sky.global / 3.6e6;
    dni += h.sky.beamNormal / 3.6e6;
    dhi += h.sky.diffuse / 3.6e6;
  }
  RecordProperty("ghi", std::to_string(ghi) + " / " + std::to_string(epw_.ghi));
  RecordProperty("dni", std::to_string(dni) + " / " + std::to_string(epw_.dni));
  RecordProperty("dhi", std::to_string(dhi) + " / " + std::to_string(epw_.dhi));
  RecordProperty("sunDownWithRadiation", year.counts.sunDownWithRadiation);
  RecordProperty("beyondPhysical", year.counts.beyondPhysical);
  EXPECT_NEAR(ghi, epw_.ghi, 0.005 * epw_.ghi);
  EXPECT_NEAR(dni, epw_.dni, 0.15 * epw_.dni);
  EXPECT_NEAR(dhi, epw_.dhi, 0.25 * epw_.dhi);
  EXPECT_EQ(year.counts.used + year.counts.missingRadiation, kHoursPerYear);

  for (SkyModel model : {SkyModel::Isotropic, SkyModel::Perez}) {
    const RadiationTotals flat = PlaneTotals(year, MakePlane(0, 0), model, 0.2);
    EXPECT_NEAR(flat.year, ghi, 0.001 * ghi) << SkyModelName(model);
  }
}

// The built-in years' radiation was generated for the half hour either side of
// each stamp (their source's own extraterrestrial field is centred there), so
// it lags the stored hour by half an hour. Heating hours lean to the morning,
// which turns the most wanted orientation a little east of south, never more
// than 20°; of the four main faces the south one receives the most.
TEST_F(SeoulRadiation, SouthFaceReceivesTheMostWantedSun) {
  for (SkyModel model : {SkyModel::Isotropic, SkyModel::Perez}) {
    SilentSink sink;
    const auto r = AnalyseRadiation(*seoul_, chart_, site(0.5), {model, 90, 0.2}, sink);
    ASSERT_TRUE(r);
    RecordProperty(std::string("mostWanted") + (model == SkyModel::Perez ? "Perez" : "Iso"),
                   r->mostWanted);
    EXPECT_LE(std::abs(r->mostWanted), 20) << SkyModelName(model);
    const float south = r->orientations[OrientationIndex(0)].wanted;
    for (int azimuth : {-90, 90, 180}) {
      EXPECT_GT(south, r->orientations[OrientationIndex(azimuth)].wanted) << azimuth;
    }
  }
}

}  // namespace
}  // namespace vlm
