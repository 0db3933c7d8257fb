// What the wind-rose tab shows: the picture's drawing, the title and the labels
// with their captions and visibility, changed only by the draw and erase buttons.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/message.h"
#include "core/draw/drawing.h"
#include "core/draw/text_measure.h"
#include "core/graphs/rose_labels.h"
#include "core/graphs/wind_rose.h"

namespace vlm {

struct RoseLabel {
  std::string caption;
  bool visible = false;
  RoseLabelPlace place;
  bool operator==(const RoseLabel&) const = default;
};

// Point sizes of the rose's texts.
inline constexpr float kRoseLabelPointSize = 9.0f;
inline constexpr float kRoseTitlePointSize = 11.0f;

class WindRoseView {
 public:
  // As the tab opens: the geometry fixed for the picture, the ring captions set,
  // every label hidden and the title empty.
  explicit WindRoseView(const RoseGeometry& geometry);

  [[nodiscard]] const RoseGeometry& geometry() const { return geometry_; }
  [[nodiscard]] const Drawing& drawing() const { return drawing_; }
  [[nodiscard]] const std::string& title() const { return title_; }
  [[nodiscard]] const std::array<RoseLabel, kRoseDirectionLabels>& directions() const {
    return directions_;
  }
  [[nodiscard]] const std::array<RoseLabel, kRoseRings>& rings() const { return rings_; }
  [[nodiscard]] const RoseLabel& missing() const { return missing_; }
  [[nodiscard]] const RoseLabel& legend() const { return legend_; }

  // The draw button, once the region label and the period have been read from
  // the tab (nullopt: no option chosen). Refuses with its message, changing
  // nothing, while no region is loaded, no period is chosen or the period has
  // no valid hour. Otherwise sets the title, replaces the drawing with the rose
  // of the period's counts and, with `numbers`, shows every label with the
  // period's figures; without, only the ring labels.
  bool draw(std::string_view regionLabel, std::optional<RosePeriod> period,
            const WindDirTable& counts, bool numbers, MessageSink& sink);
  // The erase button: empty title, no drawing, every label hidden.
  void erase();

  // The drawing with the title and the shown labels placed as texts, for an
  // image file; `measure` gives each text's size on the target surface.
  [[nodiscard]] Drawing withLabels(const TextMeasure& measure) const;

 private:
  void hideLabels();

  RoseGeometry geometry_;
  Drawing drawing_;
  std::string title_;
  std::array<RoseLabel, kRoseDirectionLabels> directions_;
  std::array<RoseLabel, kRoseRings> rings_;
  RoseLabel missing_;
  RoseLabel legend_;
};

}  // namespace vlm
