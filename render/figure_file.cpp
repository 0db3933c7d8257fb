#include "render/figure_file.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "core/common/atomic_file.h"
#include "render/drawing_export.h"
#include "render/korean_font.h"

namespace vlm::render {
namespace {

QSize pixelSize(const Figure& figure, double scale) {
  const QSizeF size = captionedSize(figure) * scale;
  return {static_cast<int>(std::lround(size.width())),
          static_cast<int>(std::lround(size.height()))};
}

QImage figureImage(const Figure& figure, double scale) {
  const QSize size = pixelSize(figure, scale);
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paintCaptioned(painter, figure, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return image;
}

QByteArray pngBytes(const Figure& figure, double scale) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!figureImage(figure, scale).save(&buffer, "PNG"))
    throw std::runtime_error("PNG 그림을 만들 수 없습니다.");
  return bytes;
}

QByteArray svgBytes(const Figure& figure) {
  const QSize size = pixelSize(figure, 1);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(96);
  generator.setTitle(QString::fromStdString(figure.caption));
  QPainter painter(&generator);
  painter.setRenderHint(QPainter::Antialiasing);
  paintCaptioned(painter, figure, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return withSvgFontFamily(bytes);
}

QByteArray pdfBytes(const Figure& figure) {
  const QSize size = pixelSize(figure, 1);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  // One page the size of the figure, at 96 dpi so that one unit is one pixel.
  writer.setResolution(96);
  writer.setPageSize(QPageSize(QSizeF(size.width() * 72.0 / 96.0, size.height() * 72.0 / 96.0),
                               QPageSize::Point, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(QString::fromStdString(figure.caption));
  writer.setCreator(QStringLiteral("Velmora"));
  QPainter painter(&writer);
  painter.setRenderHint(QPainter::Antialiasing);
  paintCaptioned(painter, figure, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return bytes;
}

}  // namespace

double pngScale(const Figure& figure, PngSize size) {
  switch (size) {
    case PngSize::Screen:
      return 1.0;
    case PngSize::Double:
      return kPngScale;
    case PngSize::A4Width: {
      const double width = captionedSize(figure).width();
      return width > 0 ? kA4WidthPx / width : kPngScale;
    }
  }
  return kPngScale;
}

std::optional<FigureFormat> figureFormatOf(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "png") return FigureFormat::Png;
  if (ext == "svg") return FigureFormat::Svg;
  if (ext == "pdf") return FigureFormat::Pdf;
  return std::nullopt;
}

QByteArray figureBytes(const Figure& figure, FigureFormat format, PngSize png) {
  switch (format) {
    case FigureFormat::Png:
      return pngBytes(figure, pngScale(figure, png));
    case FigureFormat::Svg:
      return svgBytes(figure);
    case FigureFormat::Pdf:
      return pdfBytes(figure);
  }
  return {};
}

void saveFigure(const Figure& figure, const std::string& path, PngSize png) {
  const std::optional<FigureFormat> format = figureFormatOf(path);
  if (!format) {
    throw std::invalid_argument("그림 파일의 형식(png, svg, pdf)을 알 수 없습니다. (" + path + ")");
  }
  const QByteArray bytes = figureBytes(figure, *format, png);
  writeFileAtomically(path,
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::unique_ptr<QMimeData> figureMimeData(const Figure& figure) {
  auto data = std::make_unique<QMimeData>();
  const QImage image = figureImage(figure, kPngScale);
  data->setImageData(image);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  data->setData(kPngMimeType, png);
  data->setData(kSvgMimeType, svgBytes(figure));
  return data;
}

}  // namespace vlm::render
