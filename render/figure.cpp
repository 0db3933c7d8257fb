#include "render/figure.h"

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <algorithm>

#include "render/drawing_export.h"
#include "render/monthly_chart.h"
#include "render/text_extent.h"

namespace vlm::render {

Figure drawingFigure(std::vector<Drawing> layers, QSizeF size, std::string caption) {
  Figure figure;
  figure.size = size;
  figure.caption = std::move(caption);
  figure.paint = [layers = std::move(layers), size](QPainter& painter, const QRectF& target) {
    // Pens and texts keep their share of the picture at any target size.
    const double scale = size.width() > 0 ? target.width() / size.width() : 1.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Drawing& layer : layers) paintDrawing(painter, layer, target, scale);
    painter.restore();
  };
  return figure;
}

Figure monthlyChartFigure(MonthlyChart chart, QSizeF size, std::string caption) {
  Figure figure;
  figure.size = size;
  figure.caption = std::move(caption);
  figure.paint = [chart = std::move(chart), size](QPainter& painter, const QRectF& target) {
    paintMonthlyChart(painter, target, chart, size);
  };
  return figure;
}

TextMeasure textMeasure() {
  return [](const std::string& text, float pointSize, bool bold) {
    const QSizeF size = textExtent(text, pointSize, bold);
    return TextExtent{static_cast<float>(size.width()), static_cast<float>(size.height())};
  };
}

Figure withLegend(Figure figure, const Legend& legend) {
  if (legend.empty()) return figure;
  LegendPanel panel = LayOutLegend(legend, static_cast<float>(figure.size.height()), textMeasure());
  const QSizeF plot = figure.size;
  const QSizeF key(panel.width, panel.height);
  figure.size = QSizeF(plot.width() + key.width(), std::max(plot.height(), key.height()));
  figure.paint = [plotPaint = std::move(figure.paint), plot, key, whole = figure.size,
                  drawing = std::move(panel.drawing)](QPainter& painter, const QRectF& target) {
    const double scale = whole.width() > 0 ? target.width() / whole.width() : 1.0;
    if (plotPaint) plotPaint(painter, QRectF(target.topLeft(), plot * scale));
    const QRectF keyRect(target.left() + plot.width() * scale, target.top(), key.width() * scale,
                         key.height() * scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintDrawing(painter, drawing, keyRect, scale);
    painter.restore();
  };
  return figure;
}

QSizeF captionedSize(const Figure& figure) {
  return {figure.size.width(), figure.size.height() + kCaptionStripHeight};
}

void paintCaptionLine(QPainter& painter, const std::string& caption, const QRectF& strip,
                      double scale) {
  painter.save();
  QFont font = painter.font();
  // Points of the screen picture (96 per inch), whatever the device's resolution.
  const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96;
  font.setPointSizeF(kCaptionPointSize * scale * 96.0 / std::max(1, dpi));
  font.setBold(false);
  painter.setFont(font);
  painter.setPen(QColor(64, 64, 64));
  const double margin = 8.0 * scale;
  painter.drawText(strip.adjusted(margin, 0, -margin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(caption));
  painter.restore();
}

void paintCaptioned(QPainter& painter, const Figure& figure, const QRectF& target) {
  const QSizeF whole = captionedSize(figure);
  const double scale = whole.width() > 0 ? target.width() / whole.width() : 1.0;
  painter.fillRect(target, Qt::white);
  const QRectF picture(target.topLeft(), QSizeF(target.width(), figure.size.height() * scale));
  if (figure.paint) figure.paint(painter, picture);
  const QRectF strip(picture.bottomLeft(), QSizeF(target.width(), kCaptionStripHeight * scale));
  paintCaptionLine(painter, figure.caption, strip, scale);
}

}  // namespace vlm::render
