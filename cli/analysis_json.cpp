#include "cli/analysis_json.h"

#include <array>
#include <string>
#include <string_view>

#include "core/analysis/zone.h"

namespace vlm::cli {
namespace {

using nlohmann::ordered_json;

ordered_json row(std::string_view caption, const AnalysisRow& r) {
  return {{"caption", caption}, {"hours", r.hours}, {"percent", r.percent}, {"rank", r.rank}};
}

}  // namespace

ordered_json tallyJson(const ZoneTally& tally) {
  ordered_json out = ordered_json::object();
  for (std::size_t slot = 0; slot < tally.size(); ++slot) {
    out[std::to_string(TallyCode(slot))] = static_cast<long>(tally[slot]);
  }
  return out;
}

ordered_json needRowsJson(const AnalysisTexts& t) {
  ordered_json rows = ordered_json::array();
  for (std::size_t i = 0; i < kNeedZones.size(); ++i)
    rows.push_back(row(kNeedZones[i].name, t.need[i]));
  rows.push_back(row(kNeedTotalCaption, t.need[5]));
  return rows;
}

ordered_json guideRowsJson(const AnalysisTexts& t) {
  ordered_json rows = ordered_json::array();
  for (std::size_t i = 0; i < kGuideZones.size(); ++i) {
    rows.push_back(row(kGuideZones[i].caption, t.guide[i]));
  }
  return rows;
}

ordered_json analysisJson(const AnalysisTexts& t) {
  ordered_json out;
  out["region"] = t.summary[0];
  out["periodText"] = t.summary[2];
  out["tally"] = tallyJson(t.tally);
  constexpr std::array<const char*, 3> kSummaryCaptions{"대상지역 :", "기후파일 :", "대상기간 :"};
  out["summary"] = ordered_json::array();
  for (std::size_t i = 0; i < 3; ++i) {
    out["summary"].push_back({{"caption", kSummaryCaptions[i]}, {"value", t.summary[i]}});
  }
  out["errors"] = ordered_json::array();
  for (std::size_t i = 0; i < 3; ++i) {
    out["errors"].push_back({{"caption", kErrorRowCaptions[i]}, {"hours", t.errors[i]}});
  }
  out["need"] = needRowsJson(t);
  out["guide"] = guideRowsJson(t);
  out["mostImportant"] = t.mostImportant;
  return out;
}

}  // namespace vlm::cli
