#include "core/draw/legend.h"

#include <algorithm>
#include <sstream>

namespace vlm {
namespace {

constexpr float kMargin = 10.0f;
constexpr float kMarkWidth = 18.0f;
constexpr float kMarkGap = 6.0f;
constexpr float kColumnGap = 16.0f;
constexpr float kEntryGap = 3.0f;

std::vector<std::string> lines(const std::string& label) {
  std::vector<std::string> out;
  std::istringstream in(label);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  if (out.empty()) out.emplace_back();
  return out;
}

bool hasMark(LegendMark mark) { return mark != LegendMark::Heading && mark != LegendMark::Note; }
bool isBold(const LegendEntry& e) { return e.mark == LegendMark::Heading || e.singledOut; }

// An entry's place in the panel, y down from the panel's top edge.
struct Placed {
  const LegendEntry* entry;
  float x, top, lineHeight;
  std::vector<std::string> lines;
};

void drawMark(Drawing& d, const LegendEntry& e, float x, float yMid, float size) {
  d.setPenWidth(e.singledOut ? 4.0f : 2.0f);
  d.setDash(e.dash);
  const float half = size / 2.0f;
  switch (e.mark) {
    case LegendMark::Swatch:
      d.rect(x, yMid - half, x + size, yMid + half, e.color);
      break;
    case LegendMark::Line:
      d.line(x, yMid, x + kMarkWidth, yMid, e.color);
      break;
    case LegendMark::Outline:
      d.line(x, yMid - half, x + size, yMid - half, e.color);
      d.line(x + size, yMid - half, x + size, yMid + half, e.color);
      d.line(x + size, yMid + half, x, yMid + half, e.color);
      d.line(x, yMid + half, x, yMid - half, e.color);
      break;
    case LegendMark::Dot:
      d.circle(x + half, yMid, half * 0.6f, e.color);
      break;
    case LegendMark::Heading:
    case LegendMark::Note:
      break;
  }
  d.setDash(DashStyle::Solid);
  d.setPenWidth(1.0f);
}

}  // namespace

LegendPanel LayOutLegend(const Legend& legend, float maxHeight, const TextMeasure& measure) {
  std::vector<Placed> placed;
  float x = kMargin, y = kMargin, columnWidth = 0, width = 0, height = 0;
  for (const LegendEntry& e : legend.entries) {
    Placed p{&e, 0, 0, 0, lines(e.label)};
    float textWidth = 0;
    for (const std::string& line : p.lines) {
      const TextExtent extent = measure(line, kLegendPointSize, isBold(e));
      textWidth = std::max(textWidth, extent.w);
      p.lineHeight = std::max(p.lineHeight, extent.h);
    }
    const float entryHeight = p.lineHeight * static_cast<float>(p.lines.size()) + kEntryGap;
    // A heading opens its group with a little room above it.
    const float above = e.mark == LegendMark::Heading && y > kMargin ? p.lineHeight / 2 : 0.0f;
    if (y + above + entryHeight > maxHeight - kMargin && y > kMargin) {
      x += columnWidth + kColumnGap;
      y = kMargin;
      columnWidth = 0;
    } else {
      y += above;
    }
    p.x = x;
    p.top = y;
    placed.push_back(std::move(p));
    const float indent = hasMark(e.mark) ? kMarkWidth + kMarkGap : 0.0f;
    columnWidth = std::max(columnWidth, indent + textWidth);
    y += entryHeight;
    width = std::max(width, x + columnWidth);
    height = std::max(height, y);
  }
  LegendPanel panel;
  if (placed.empty()) return panel;
  // Room on the right for a viewer whose face sets the texts a little wider.
  panel.width = width + 2 * kMargin;
  panel.height = height + kMargin;
  panel.drawing.setScale(UserScale{0, panel.width, 0, panel.height});
  for (const Placed& p : placed) {
    const LegendEntry& e = *p.entry;
    const float indent = hasMark(e.mark) ? kMarkWidth + kMarkGap : 0.0f;
    const float firstMid = panel.height - p.top - p.lineHeight / 2;
    if (hasMark(e.mark)) drawMark(panel.drawing, e, p.x, firstMid, p.lineHeight * 0.7f);
    for (std::size_t i = 0; i < p.lines.size(); ++i) {
      const float mid = firstMid - p.lineHeight * static_cast<float>(i);
      panel.drawing.text(TextItem{p.x + indent, mid, p.lines[i], Color::palette(0),
                                  kLegendPointSize, isBold(e), HAlign::Left, VAlign::Middle});
    }
  }
  return panel;
}

}  // namespace vlm
