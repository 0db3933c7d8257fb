// Climate years that the climate tests build and write themselves: a plain
// year whose every hour is the same mild observation, changed hour by hour by
// the test, and a folder per test that is removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/climate/climate_record.h"
#include "core/climate/cly_file.h"

namespace vlm::clytest {

namespace fs = std::filesystem;

// Hour k of a plain year: 20 °C dry bulb, 15 °C wet bulb, standard pressure,
// south-west wind of 2.5 m/s, half cloud, 52.3 cal/cm².
inline ClimateFileRecord plainHour(int k) {
  return ClimateFileRecord{
      static_cast<int16_t>(k + kRecIndexOffset), 20.0f, 15.0f, 101.325f, 225, 2.5f, 5, 523.0f};
}

// Records 1 … 8760 at index 0 … 8759.
inline std::vector<ClimateFileRecord> plainYear() {
  std::vector<ClimateFileRecord> year;
  for (int k = 1; k <= kHoursPerYear; ++k) year.push_back(plainHour(k));
  return year;
}

// Record k (1-based) of a year held in a vector.
inline ClimateFileRecord& hourOfYear(std::vector<ClimateFileRecord>& year, int k) {
  return year[static_cast<std::size_t>(k - 1)];
}

class ClimateFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    dir_ = fs::temp_directory_path() / ("vlm_cly_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

 public:  // table-driven cases build their files through the fixture
  [[nodiscard]] std::string path(const std::string& name) const { return (dir_ / name).string(); }

  // Writes the records as the 26-byte layout and returns the path.
  std::string writeYear(const std::string& name, const std::vector<ClimateFileRecord>& year) const {
    return writeBytes(name, encodeClyFile(year));
  }
  std::string writeBytes(const std::string& name, const std::string& bytes) const {
    fs::create_directories((dir_ / name).parent_path());
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return path(name);
  }
  [[nodiscard]] std::string readBytes(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
};

}  // namespace vlm::clytest
