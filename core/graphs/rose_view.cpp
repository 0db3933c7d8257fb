#include "core/graphs/rose_view.h"

#include "core/graphs/graph_messages.h"

namespace vlm {
namespace {

const Color kTextColor = Color::palette(0);

void addLabel(Drawing& drawing, const RoseLabel& label, const TextMeasure& measure, float pointSize,
              bool bold) {
  if (!label.visible || label.caption.empty()) return;
  const TextExtent extent = measure(label.caption, pointSize, bold);
  const RoseLabelBox box = PlaceRoseLabel(label.place, extent.w, extent.h);
  drawing.text(TextItem{box.left, box.top, label.caption, kTextColor, pointSize, bold, HAlign::Left,
                        VAlign::Top});
}

}  // namespace

WindRoseView::WindRoseView(const RoseGeometry& geometry)
    : geometry_(geometry), drawing_(geometry.scale()) {
  for (std::size_t i = 0; i < directions_.size(); ++i) {
    directions_[i].place = DirectionLabelPlace(geometry_, i);
  }
  for (std::size_t i = 0; i < rings_.size(); ++i) {
    rings_[i].caption = kRoseRingCaptions[i];
    rings_[i].place = RingLabelPlace(geometry_, i);
  }
  missing_.place = MissingLabelPlace(geometry_);
  legend_.caption = kRoseLegendCaption;
  legend_.place = LegendLabelPlace(geometry_);
}

bool WindRoseView::draw(std::string_view regionLabel, std::optional<RosePeriod> period,
                        const WindDirTable& counts, bool numbers, MessageSink& sink) {
  if (regionLabel.empty()) {
    sink.show(NoGraphRegionMessage());
    return false;
  }
  if (!period) {
    sink.show(NoRosePeriodMessage());
    return false;
  }
  const RoseCounts c = RoseCounts::Of(counts, *period);
  if (!c.hasValidHours()) {
    sink.show(RoseAllMissingMessage());
    return false;
  }
  title_ = RoseTitle(regionLabel, *period);
  drawing_ = RoseDrawing(geometry_, c);

  for (RoseLabel& ring : rings_) ring.visible = true;
  for (std::size_t i = 0; i < directions_.size(); ++i) {
    directions_[i].caption = DirectionLabelCaption(i, c);
    directions_[i].visible = numbers;
  }
  missing_.caption = MissingLabelCaption(c);
  missing_.visible = numbers;
  legend_.visible = numbers;
  return true;
}

void WindRoseView::erase() {
  title_.clear();
  drawing_.clear();
  hideLabels();
}

void WindRoseView::hideLabels() {
  for (RoseLabel& label : directions_) label.visible = false;
  for (RoseLabel& label : rings_) label.visible = false;
  missing_.visible = false;
  legend_.visible = false;
}

Drawing WindRoseView::withLabels(const TextMeasure& measure) const {
  Drawing out = drawing_;
  if (!title_.empty()) {
    addLabel(out, RoseLabel{title_, true, TitlePlace(geometry_)}, measure, kRoseTitlePointSize,
             true);
  }
  for (const RoseLabel& label : directions_)
    addLabel(out, label, measure, kRoseLabelPointSize, false);
  for (const RoseLabel& label : rings_) addLabel(out, label, measure, kRoseLabelPointSize, false);
  addLabel(out, missing_, measure, kRoseLabelPointSize, false);
  addLabel(out, legend_, measure, kRoseLabelPointSize, false);
  return out;
}

}  // namespace vlm
