// A figure on its way out of the program: how to paint it into any rectangle,
// its natural size and the caption line that goes under it. Saving, copying,
// printing and the climate report all take a Figure, so each paints exactly
// what the screen shows, from the same Drawing or chart builder.
#pragma once

#include <QSizeF>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/draw/drawing.h"
#include "core/draw/legend.h"
#include "core/graphs/monthly_chart.h"

class QPainter;
class QRectF;

namespace vlm::render {

struct Figure {
  // Paints the figure so that it fills `target` (device coordinates).
  std::function<void(QPainter& painter, const QRectF& target)> paint;
  QSizeF size;  // natural size in screen pixels
  std::string caption;
};

// Layers painted one over the other, each through its own user scale, as a
// picture shows its persistent image under its drawing. Pens and texts grow
// with the target, so a larger image is the same picture, sharper.
[[nodiscard]] Figure drawingFigure(std::vector<Drawing> layers, QSizeF size, std::string caption);

// The monthly chart of `chart` laid out at the figure's natural size and
// scaled into the target. Needs a QApplication (see ensureWidgetsApplication).
[[nodiscard]] Figure monthlyChartFigure(MonthlyChart chart, QSizeF size, std::string caption);

// The figure with its legend laid out in a panel to the right of the plot
// (in columns no taller than the plot), so that it reads on its own once it
// has left the program; an empty legend leaves the figure as it is.
[[nodiscard]] Figure withLegend(Figure figure, const Legend& legend);

// Core's measure of a text as paintDrawing lays it out.
[[nodiscard]] TextMeasure textMeasure();

// Height of the caption strip under a figure, in pixels at the natural size.
inline constexpr double kCaptionStripHeight = 26.0;
inline constexpr double kCaptionPointSize = 9.0;

// The figure's size with its caption strip.
[[nodiscard]] QSizeF captionedSize(const Figure& figure);

// Paints the figure and its caption line under it into `target`, which has the
// shape of captionedSize (a white ground first).
void paintCaptioned(QPainter& painter, const Figure& figure, const QRectF& target);

// Draws a caption line into `strip` at its left, vertically centred.
void paintCaptionLine(QPainter& painter, const std::string& caption, const QRectF& strip,
                      double scale);

}  // namespace vlm::render
