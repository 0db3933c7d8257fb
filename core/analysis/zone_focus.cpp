#include "core/analysis/zone_focus.h"

#include <type_traits>
#include <variant>

#include "core/analysis/zone.h"

namespace vlm {
namespace {

Color faded(const Color& c) {
  const uint32_t rgb = c.rgbValue();
  const auto fade = [](uint32_t channel) {
    return static_cast<uint8_t>(channel + (255 - channel) * 3 / 4);
  };
  return Color::rgb(fade((rgb >> 16) & 0xFF), fade((rgb >> 8) & 0xFF), fade(rgb & 0xFF));
}

// Applies `change` to the pen of every line, circle, arc or dot in [first, last).
template <typename Change>
void changePens(std::vector<DrawItem>& items, const ZoneItems& range, Change change) {
  for (std::size_t i = range.first; i < range.last && i < items.size(); ++i) {
    std::visit(
        [&](auto& item) {
          if constexpr (!std::is_same_v<std::decay_t<decltype(item)>, TextItem>) change(item.pen);
        },
        items[i]);
  }
}

}  // namespace

Drawing SingleOutZone(const Drawing& chart, const ZoneOutlineItems& outlines, std::size_t chosen) {
  std::vector<DrawItem> items = chart.items();
  for (std::size_t z = 0; z < outlines.size(); ++z) {
    if (z == chosen) {
      changePens(items, outlines[z], [](Pen& pen) { pen.width *= 2; });
    } else {
      changePens(items, outlines[z], [](Pen& pen) { pen.color = faded(pen.color); });
    }
  }
  Drawing out(chart.scale());
  for (DrawItem& item : items) out.add(std::move(item));
  return out;
}

std::string ZoneFocusText(std::size_t zone, const AnalysisTexts& texts) {
  const bool need = zone < kNeedZones.size();
  const std::size_t guide = zone - kNeedZones.size();
  if (!need && guide >= kGuideZones.size()) return {};
  const std::string name(need ? kNeedZones[zone].name : kGuideZones[guide].shortName);
  const AnalysisRow& row = need ? texts.need[zone] : texts.guide[guide];
  if (row.hours.empty() || row.percent.empty()) return name;
  return name + ": " + row.hours + "시간, " + row.percent + "%";
}

}  // namespace vlm
