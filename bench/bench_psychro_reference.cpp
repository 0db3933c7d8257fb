// The four property functions the year's load applies to every hour, timed
// against the public reference psychrometric C library doing the same work on
// the same hours: Seoul's year, each hour at its own station pressure. Target:
// each of ours at most 1.0× the reference's time.
//
// Built only when VLM_PSYCHROLIB_DIR names the folder of psychrolib.c and
// psychrolib.h. The reference works in double, SI: pressures in Pa (ours kPa),
// relative humidity as a fraction (ours %); the conversions are made once
// before timing, so each timed call is one property of one hour. Each side is
// used as a caller gets it: GetVP_AH and GetSV_DBTAH are evaluated where they
// are called, the other two and every reference function are called.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/climate/climate_record.h"
#include "core/climate/cly_file.h"
#include "core/psychro/psychrometrics.h"

extern "C" {
#include "psychrolib.h"
}

namespace {

// The hours of Seoul's year that both libraries accept: every observation
// present, the wet bulb not above the dry bulb, the air not drier than dry.
struct Hours {
  std::vector<float> dbt, wbt, patm, ah;
  std::vector<double> dbtRef, wbtRef, patmRef, ahRef;
};

const Hours& seoul() {
  static const Hours hours = [] {
    Hours h;
    vlm::Psychrometrics psychro;
    const auto year =
        vlm::readClyFile(std::string(VLM_TEST_DATA_DIR) + "/../../resources/weather/seoul.cly");
    for (const vlm::ClimateFileRecord& r : year) {
      if (r.DBT == vlm::kMissing || r.WBT == vlm::kMissing || r.Pressure == vlm::kMissingPressure ||
          r.WBT > r.DBT) {
        continue;
      }
      psychro.Patm = r.Pressure;
      const float ah = psychro.GetAH_DBTWBT(r.DBT, r.WBT);
      if (!(ah >= 0.0f)) continue;
      h.dbt.push_back(r.DBT);
      h.wbt.push_back(r.WBT);
      h.patm.push_back(r.Pressure);
      h.ah.push_back(ah);
      h.dbtRef.push_back(r.DBT);
      h.wbtRef.push_back(r.WBT);
      h.patmRef.push_back(static_cast<double>(r.Pressure) * 1000.0);
      h.ahRef.push_back(ah);
    }
    SetUnitSystem(SI);
    return h;
  }();
  return hours;
}

// One pass over the hours; the rate counter is hours per second.
template <typename PerHour>
void eachHour(benchmark::State& state, PerHour&& perHour) {
  const std::size_t n = seoul().dbt.size();
  if (n == 0) state.SkipWithError("Seoul's year has no usable hour");
  for (auto _ : state) {
    for (std::size_t i = 0; i < n; ++i) perHour(i);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
}

void BM_Ours_GetAH_DBTWBT(benchmark::State& state) {
  const Hours& h = seoul();
  vlm::Psychrometrics p;
  eachHour(state, [&](std::size_t i) {
    p.Patm = h.patm[i];
    benchmark::DoNotOptimize(p.GetAH_DBTWBT(h.dbt[i], h.wbt[i]));
  });
}
void BM_Reference_GetAH_DBTWBT(benchmark::State& state) {
  const Hours& h = seoul();
  eachHour(state, [&](std::size_t i) {
    benchmark::DoNotOptimize(GetHumRatioFromTWetBulb(h.dbtRef[i], h.wbtRef[i], h.patmRef[i]));
  });
}

void BM_Ours_GetVP_AH(benchmark::State& state) {
  const Hours& h = seoul();
  vlm::Psychrometrics p;
  eachHour(state, [&](std::size_t i) {
    p.Patm = h.patm[i];
    benchmark::DoNotOptimize(p.GetVP_AH(h.ah[i]));
  });
}
void BM_Reference_GetVP_AH(benchmark::State& state) {
  const Hours& h = seoul();
  eachHour(state, [&](std::size_t i) {
    benchmark::DoNotOptimize(GetVapPresFromHumRatio(h.ahRef[i], h.patmRef[i]));
  });
}

void BM_Ours_GetRH_DBTAH(benchmark::State& state) {
  const Hours& h = seoul();
  vlm::Psychrometrics p;
  eachHour(state, [&](std::size_t i) {
    p.Patm = h.patm[i];
    benchmark::DoNotOptimize(p.GetRH_DBTAH(h.dbt[i], h.ah[i]));
  });
}
void BM_Reference_GetRH_DBTAH(benchmark::State& state) {
  const Hours& h = seoul();
  eachHour(state, [&](std::size_t i) {
    benchmark::DoNotOptimize(GetRelHumFromHumRatio(h.dbtRef[i], h.ahRef[i], h.patmRef[i]));
  });
}

void BM_Ours_GetSV_DBTAH(benchmark::State& state) {
  const Hours& h = seoul();
  vlm::Psychrometrics p;
  eachHour(state, [&](std::size_t i) {
    p.Patm = h.patm[i];
    benchmark::DoNotOptimize(p.GetSV_DBTAH(h.dbt[i], h.ah[i]));
  });
}
void BM_Reference_GetSV_DBTAH(benchmark::State& state) {
  const Hours& h = seoul();
  eachHour(state, [&](std::size_t i) {
    benchmark::DoNotOptimize(GetMoistAirVolume(h.dbtRef[i], h.ahRef[i], h.patmRef[i]));
  });
}

// Ours and the reference side by side, so that the ratios come from one run.
#define VLM_PAIR(name)                                                                       \
  BENCHMARK(BM_Ours_##name)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", least); \
  BENCHMARK(BM_Reference_##name)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", least)

double least(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

VLM_PAIR(GetAH_DBTWBT);
VLM_PAIR(GetVP_AH);
VLM_PAIR(GetRH_DBTAH);
VLM_PAIR(GetSV_DBTAH);
#undef VLM_PAIR

// The console table, then for each function ours ÷ the reference's time: the
// least CPU time of any repetition, which the other work of a shared machine
// can only lengthen.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool timed = run.run_type == Run::RT_Iteration ||
                         (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min");
      if (run.error_occurred || !timed) continue;
      const std::string name = run.run_name.function_name;
      const std::string side = name.rfind("BM_Ours_", 0) == 0 ? "ours" : "reference";
      const std::string function = name.substr(name.find('_', 3) + 1);
      auto [slot, first] = times_[function].try_emplace(side, run.GetAdjustedCPUTime());
      if (!first) slot->second = std::min(slot->second, run.GetAdjustedCPUTime());
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-14s %12s %12s %8s\n", "function", "ours µs", "reference µs", "ratio");
    for (const auto& [function, sides] : times_) {
      if (sides.count("ours") == 0 || sides.count("reference") == 0) continue;
      const double ours = sides.at("ours");
      const double reference = sides.at("reference");
      std::printf("%-14s %12.1f %12.1f %8.3f\n", function.c_str(), ours, reference,
                  ours / reference);
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> times_;
};

}  // namespace

// Unless the command line says otherwise: 20 short repetitions of each
// benchmark in random order, so that a burst of other work falls on some
// repetitions of both sides rather than on all of one.
int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=20";
  std::string interleaving = "--benchmark_enable_random_interleaving=true";
  std::string minTime = "--benchmark_min_time=0.05";
  args.insert(args.begin() + 1, {repetitions.data(), interleaving.data(), minTime.data()});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
