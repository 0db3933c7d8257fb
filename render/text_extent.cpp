#include "render/text_extent.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

namespace vlm::render {

QSizeF textExtent(const std::string& text, float pointSize, bool bold) {
  // A 96-dpi image stands for the picture, whatever the screen's resolution.
  const QImage probe(1, 1, QImage::Format_ARGB32);
  QFont font = QGuiApplication::font();
  font.setPointSizeF(pointSize * 96.0 / probe.logicalDpiY());
  font.setBold(bold);
  const QFontMetricsF metrics(font, &probe);
  return metrics.boundingRect(QRectF(), Qt::TextDontClip, QString::fromStdString(text)).size();
}

}  // namespace vlm::render
