#include "core/comfort/comfort_classes.h"

#include "core/comfort/comfort_texts.h"

namespace vlm {
namespace {

namespace texts = comfort_texts;

// Band colours from the narrowest: green, light green, yellow.
constexpr int16_t kBandColors[3] = {2, 10, 14};

std::vector<const char*> bandNames(ComfortModel model) {
  switch (model) {
    case ComfortModel::AshraeAdaptive: return {texts::kAshrae90, texts::kAshrae80};
    case ComfortModel::EnAdaptive:
      return {texts::kEnCategoryI, texts::kEnCategoryII, texts::kEnCategoryIII};
    case ComfortModel::Pmv: return {texts::kPmvWithin};
  }
  return {};
}

}  // namespace

std::string ComfortModelName(ComfortModel model) {
  switch (model) {
    case ComfortModel::AshraeAdaptive: return texts::kAshraeAdaptive;
    case ComfortModel::EnAdaptive: return texts::kEnAdaptive;
    case ComfortModel::Pmv: return texts::kPmv;
  }
  return {};
}

std::vector<ComfortClass> ComfortClasses(ComfortModel model, const ComfortTally& t) {
  const bool pmv = model == ComfortModel::Pmv;
  std::vector<ComfortClass> classes;
  classes.push_back({pmv ? texts::kPmvBelow : texts::kBelow, t.below, 1});
  const std::vector<const char*> names = bandNames(model);
  int inner = 0;  // the nested counts include the narrower bands' hours
  for (std::size_t i = 0; i < names.size(); ++i) {
    classes.push_back({names[i], t.within[i] - inner, kBandColors[i]});
    inner = t.within[i];
  }
  classes.push_back({pmv ? texts::kPmvAbove : texts::kAbove, t.above, 4});
  classes.push_back({texts::kOutside, t.outside, 8});
  return classes;
}

}  // namespace vlm
