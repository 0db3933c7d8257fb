#include "core/solar/shade_performance_texts.h"

#include "core/common/format.h"
#include "core/solar/shading_texts.h"

namespace vlm {
namespace {

std::string hours(int count) { return std::to_string(count) + std::string(kHoursUnit); }

std::string beam(float kWh) { return Format(kWh, "#0.0") + std::string(kBeamUnit); }

}  // namespace

std::string ShareText(const std::optional<double>& share) {
  if (!share) return std::string(kNoShare);
  return Format(*share, "#0.0") + " %";
}

std::string UnwantedHoursText(const ShadeTally& t) {
  return hours(t.unwantedHours) + std::string(kOfWord) +
         ShareText(ShareOf(t.unwantedShadedHours, t.unwantedHours)) + std::string(kShadedWord);
}

std::string UnwantedBeamText(const ShadeTally& t) {
  return beam(t.unwantedBeam) + std::string(kOfWord) +
         ShareText(ShareOf(t.unwantedBeamBlocked, t.unwantedBeam)) + std::string(kBlockedWord);
}

std::string WantedHoursText(const ShadeTally& t) {
  return hours(t.wantedHours) + std::string(kOfWord) +
         ShareText(ShareOf(t.wantedSunlitHours, t.wantedHours)) + std::string(kSunlitWord);
}

std::string WantedBeamText(const ShadeTally& t) {
  return beam(t.wantedBeam) + std::string(kOfWord) +
         ShareText(ShareOf(t.wantedBeamAdmitted, t.wantedBeam)) + std::string(kAdmittedWord);
}

std::string MissingRadiationLine(const ShadeTally& t) {
  return std::string(kMissingLead) + std::to_string(t.missingRadiation) + std::string(kMissingTail);
}

std::string SuggestionLine(const OverhangSuggestion& s) {
  return std::string(kSuggestionLead) + std::to_string(s.v) + std::string(kSuggestionBlocked) +
         ShareText(s.unwantedBeamBlocked) + std::string(kSuggestionAdmitted) +
         ShareText(s.wantedBeamAdmitted) + std::string(kSuggestionClose);
}

}  // namespace vlm
