#include "core/analysis/axis_labels.h"

#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

constexpr int16_t kMarkColor = 0;
constexpr float kLabelPointSize = 9.0f;
// Line pitch of a vertical label, in screen pixels of 9-point text.
constexpr float kLabelLinePixels = 14.0f;

std::vector<std::string> utf8Characters(const std::string& text) {
  std::vector<std::string> chars;
  for (const char byte : text) {
    if (chars.empty() || (static_cast<unsigned char>(byte) & 0xC0) != 0x80) chars.emplace_back();
    chars.back() += byte;
  }
  return chars;
}

struct MarkerSpan {
  float rh, from, to;
  std::string_view text;
};

// Short pieces of the 100 … 20 % curves where their labels stand.
constexpr std::array<MarkerSpan, 5> kMarkers{{{100.0f, 29.7f, 30.7f, "상대습도 100%"},
                                              {80.0f, 32.3f, 33.35f, "80%"},
                                              {60.0f, 35.2f, 36.38f, "60%"},
                                              {40.0f, 39.25f, 40.65f, "40%"},
                                              {20.0f, 45.3f, 47.1f, "20%"}}};

void dryBulbLabels(const BioChart& c, std::vector<AxisLabel>& out) {
  const PsychroChart& k = c.chart;
  constexpr std::array<std::string_view, 8> kTexts{"-20", "-10", "0", "10", "20", "30", "40", "50"};
  const float top = -k.MarginB / 4.0f;
  for (std::size_t i = 0; i < kTexts.size(); ++i) {
    const float t = k.DBTmin + 10.0f * static_cast<float>(i);
    out.push_back({kAxisLabelNames[i], std::string(kTexts[i]), k.GetX_DBT(t, c.sink), top,
                   HAlign::Center, VAlign::Top});
  }
  out.push_back({kAxisLabelNames[8], "건구온도(°C)", k.PlotW / 2.0f, -k.MarginB * 0.55f,
                 HAlign::Center, VAlign::Top});
}

void humidityLabels(const BioChart& c, std::vector<AxisLabel>& out) {
  const PsychroChart& k = c.chart;
  const float left = k.GetX_DBT(k.DBTmax, c.sink) + k.MarginR * 0.15f;
  const std::array<float, 4> levels{k.AHmax, k.AHmax - 0.01f, k.AHmax - 0.02f, k.AHmin};
  constexpr std::array<std::string_view, 4> kTexts{"0.03", "0.02", "0.01", "0"};
  for (std::size_t i = 0; i < levels.size(); ++i) {
    out.push_back({kAxisLabelNames[9 + i], std::string(kTexts[i]), left,
                   k.GetY_AH(levels[i], c.sink) + k.MarginT * 0.1f, HAlign::Left, VAlign::Top});
  }
  out.push_back({kAxisLabelNames[13], "절대습도(kg/kg')", -k.MarginL * 0.5f, k.PlotH / 2.0f,
                 HAlign::Center, VAlign::Middle, true});
}

void ticks(BioChart& c) {
  const PsychroChart& k = c.chart;
  const Color black = Color::palette(kMarkColor);
  const float base = k.GetY_AH(k.AHmin, c.sink);
  for (float t = k.DBTmin; t <= k.DBTmax; t += 10.0f) {
    const float x = k.GetX_DBT(t, c.sink);
    c.drawing.line(x, base, x, -k.MarginB / 6.0f, black);
  }
  const float right = k.GetX_DBT(k.DBTmax, c.sink);
  for (float w = k.AHmin; w <= k.AHmax; w += 0.01f) {
    const float y = k.GetY_AH(w, c.sink);
    c.drawing.line(right, y, right + k.MarginR * 0.1f, y, black);
  }
}

// Each relative-humidity label stands just left of its marker, level with the
// curve there.
void humidityCurveLabels(BioChart& c, std::vector<AxisLabel>& out) {
  const PsychroChart& k = c.chart;
  for (std::size_t i = 0; i < kMarkers.size(); ++i) {
    const MarkerSpan& m = kMarkers[i];
    PieceC(c, m.rh, m.from, m.to, kMarkColor);
    const float w = Psychrometrics::MinOf(c.psychro.GetAH_DBTRH(m.from, m.rh), k.AHmax);
    out.push_back({kAxisLabelNames[14 + i], std::string(m.text),
                   k.GetX_DBT(m.from, c.sink) - k.ChartW * 0.005f, k.GetY_AH(w, c.sink),
                   HAlign::Right, VAlign::Middle});
  }
}

}  // namespace

std::vector<AxisLabel> ShowAxisLabels(BioChart& c, int16_t mode) {
  c.drawing.setPenWidth(kThinPen);
  if (mode != 1) return {};
  std::vector<AxisLabel> labels;
  labels.reserve(kAxisLabelNames.size());
  dryBulbLabels(c, labels);
  humidityLabels(c, labels);
  ticks(c);
  humidityCurveLabels(c, labels);
  return labels;
}

void AppendAxisLabelTexts(Drawing& drawing, const std::vector<AxisLabel>& labels) {
  const Color black = Color::palette(kMarkColor);
  for (const AxisLabel& label : labels) {
    if (!label.vertical) {
      drawing.text(TextItem{label.x, label.y, label.text, black, kLabelPointSize, false,
                            label.hAlign, label.vAlign});
      continue;
    }
    // One character per line, the column centred on the anchor.
    const std::vector<std::string> chars = utf8Characters(label.text);
    const float lineHeight = kLabelLinePixels * kChartUnitsPerPixel;
    float y = label.y + lineHeight * static_cast<float>(chars.size() - 1) / 2.0f;
    for (const std::string& ch : chars) {
      drawing.text(
          TextItem{label.x, y, ch, black, kLabelPointSize, false, HAlign::Center, VAlign::Middle});
      y -= lineHeight;
    }
  }
}

}  // namespace vlm
