#include "core/analysis/chart_drawing.h"

#include "core/analysis/climate_plot.h"
#include "core/analysis/psychro_grid.h"
#include "core/analysis/zone_outlines.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {

std::vector<AxisLabel> DrawChartContent(BioChart& c, const ChartContent& content,
                                        const ClimateData& climate, const ChartPeriod& period) {
  if (content.grid) DrawPsychroGrid(c);
  if (content.data) PlotClimateData(c, climate, period.mode, period.start, period.end);
  if (content.needZones) DrawNeedZones(c, content.need);
  if (content.guideZones) DrawGuideZones(c, content.guide);
  if (content.labels) return ShowAxisLabels(c, 1);
  return ShowAxisLabels(c, 0);
}

Drawing BuildBioChart(Psychrometrics& psychro, PsychroChart& chart, MessageSink& sink,
                      const ChartContent& content, const ClimateData& climate,
                      const ChartPeriod& period, float widthPx, float heightPx) {
  SetPatm(0, psychro);
  Drawing drawing(
      chart.SetChartScale(widthPx * kChartUnitsPerPixel, heightPx * kChartUnitsPerPixel));
  BioChart c{drawing, chart, psychro, sink};
  const std::vector<AxisLabel> labels = DrawChartContent(c, content, climate, period);
  AppendAxisLabelTexts(drawing, labels);
  return drawing;
}

}  // namespace vlm
