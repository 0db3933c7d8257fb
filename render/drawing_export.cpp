#include "render/drawing_export.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QSvgGenerator>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "core/common/atomic_file.h"
#include "render/korean_font.h"

namespace vlm::render {
namespace {

// The mapping from the drawing's user scale to the target rectangle, y up.
class UserMapping {
 public:
  UserMapping(const UserScale& scale, const QRectF& target) : scale_(scale), target_(target) {
    const double spanX = static_cast<double>(scale.right) - scale.left;
    const double spanY = static_cast<double>(scale.top) - scale.bottom;
    unitX_ = spanX != 0.0 ? target.width() / spanX : 0.0;
    unitY_ = spanY != 0.0 ? target.height() / spanY : 0.0;
  }

  [[nodiscard]] QPointF point(float x, float y) const {
    return {target_.left() + (static_cast<double>(x) - scale_.left) * unitX_,
            target_.top() + (static_cast<double>(scale_.top) - y) * unitY_};
  }
  // Radii are measured in x units; the circle stays round whatever the y unit.
  [[nodiscard]] double radius(float r) const { return std::abs(static_cast<double>(r) * unitX_); }
  [[nodiscard]] bool usable() const { return unitX_ != 0.0 && unitY_ != 0.0; }

 private:
  UserScale scale_;
  QRectF target_;
  double unitX_ = 0.0;
  double unitY_ = 0.0;
};

QColor toQColor(const Color& color) {
  const uint32_t value = color.rgbValue();
  return QColor(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>(value & 0xFF));
}

QPen toQPen(const Pen& pen, double penScale) {
  QPen qpen(toQColor(pen.color));
  qpen.setWidthF(std::max(0.0, static_cast<double>(pen.width)) * penScale);
  switch (pen.dash) {
    case DashStyle::Solid:
      qpen.setStyle(Qt::SolidLine);
      break;
    case DashStyle::Dot:
      qpen.setStyle(Qt::DotLine);
      break;
    case DashStyle::Dash:
      qpen.setStyle(Qt::DashLine);
      break;
  }
  return qpen;
}

// Angles run counterclockwise from start to end; an end below the start wraps
// once around (350° → 10° is a 20° arc), and 0° → 360° is the whole circle.
double arcSpan(float startDeg, float endDeg) {
  double span = static_cast<double>(endDeg) - startDeg;
  while (span < 0.0) span += 360.0;
  while (span > 360.0) span -= 360.0;
  return span;
}

class ItemPainter {
 public:
  ItemPainter(QPainter& painter, const UserMapping& map, double penScale)
      : painter_(painter), map_(map), penScale_(penScale) {}

  void operator()(const LineItem& item) const {
    painter_.setPen(toQPen(item.pen, penScale_));
    painter_.drawLine(map_.point(item.x1, item.y1), map_.point(item.x2, item.y2));
  }

  void operator()(const CircleItem& item) const {
    painter_.setPen(toQPen(item.pen, penScale_));
    painter_.setBrush(Qt::NoBrush);
    const double r = map_.radius(item.radius);
    painter_.drawEllipse(map_.point(item.cx, item.cy), r, r);
  }

  void operator()(const ArcItem& item) const {
    const double span = arcSpan(item.startDeg, item.endDeg);
    if (span <= 0.0) return;
    painter_.setPen(toQPen(item.pen, penScale_));
    const double r = map_.radius(item.radius);
    const QPointF centre = map_.point(item.cx, item.cy);
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    // QPainter counts sixteenths of a degree, counterclockwise on the device.
    painter_.drawArc(box, static_cast<int>(std::lround(item.startDeg * 16.0)),
                     static_cast<int>(std::lround(span * 16.0)));
  }

  void operator()(const DotItem& item) const {
    // A dot is a filled disc as wide as the pen.
    const double diameter = std::max(1.0, static_cast<double>(item.pen.width) * penScale_);
    const QPointF centre = map_.point(item.x, item.y);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(toQColor(item.pen.color));
    painter_.drawEllipse(centre, diameter / 2.0, diameter / 2.0);
    painter_.setBrush(Qt::NoBrush);
  }

  void operator()(const RectItem& item) const {
    // Without antialiasing the cells of a grid cover whole pixels and leave no
    // faint seams between them.
    const bool antialiased = painter_.testRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.fillRect(
        QRectF(map_.point(item.x1, item.y1), map_.point(item.x2, item.y2)).normalized(),
        toQColor(item.pen.color));
    painter_.setRenderHint(QPainter::Antialiasing, antialiased);
  }

  void operator()(const TextItem& item) const {
    QFont font = painter_.font();
    // Text sizes are in points of the screen picture (96 pixels per inch); the
    // device's own resolution then turns them into device pixels.
    const int dpi = painter_.device() != nullptr ? painter_.device()->logicalDpiY() : 96;
    font.setPointSizeF(std::max(0.5, item.pointSize * penScale_ * 96.0 / std::max(1, dpi)));
    font.setBold(item.bold);
    painter_.setFont(font);
    painter_.setPen(toQColor(item.color));
    const QString text = QString::fromStdString(item.text);
    const QFontMetricsF metrics(font, painter_.device());
    const QRectF box = metrics.boundingRect(QRectF(), Qt::TextDontClip, text);
    const QPointF anchor = map_.point(item.x, item.y);
    double left = anchor.x();
    if (item.hAlign == HAlign::Center) left -= box.width() / 2.0;
    if (item.hAlign == HAlign::Right) left -= box.width();
    double top = anchor.y();
    if (item.vAlign == VAlign::Middle) top -= box.height() / 2.0;
    if (item.vAlign == VAlign::Bottom) top -= box.height();
    int flags = Qt::TextDontClip | Qt::AlignTop;
    flags |= item.hAlign == HAlign::Left     ? Qt::AlignLeft
             : item.hAlign == HAlign::Center ? Qt::AlignHCenter
                                             : Qt::AlignRight;
    painter_.drawText(QRectF(left, top, box.width(), box.height()), flags, text);
  }

 private:
  QPainter& painter_;
  const UserMapping& map_;
  double penScale_;
};

std::string lowerExtension(const std::string& path) {
  std::string ext = QFileInfo(QString::fromStdString(path)).suffix().toLower().toStdString();
  return ext;
}

QByteArray renderPng(const Drawing& drawing, int widthPx, int heightPx) {
  QImage image(widthPx, heightPx, QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintDrawing(painter, drawing, QRectF(0, 0, widthPx, heightPx));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG", kPngQuality)) throw std::runtime_error("PNG 그림을 만들 수 없습니다.");
  return bytes;
}

QByteArray renderSvg(const Drawing& drawing, int widthPx, int heightPx) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(widthPx, heightPx));
  generator.setViewBox(QRect(0, 0, widthPx, heightPx));
  generator.setResolution(96);
  generator.setTitle(QStringLiteral("Velmora"));
  QPainter painter(&generator);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, widthPx, heightPx), Qt::white);
  paintDrawing(painter, drawing, QRectF(0, 0, widthPx, heightPx));
  painter.end();
  return bytes;
}

QByteArray renderPdf(const Drawing& drawing, int widthPx, int heightPx) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  // One page exactly the size of the picture, at 96 dpi so one unit is one pixel.
  writer.setResolution(96);
  writer.setPageSize(QPageSize(QSizeF(widthPx * 72.0 / 96.0, heightPx * 72.0 / 96.0),
                               QPageSize::Point, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(QStringLiteral("Velmora"));
  QPainter painter(&writer);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF page(0, 0, widthPx, heightPx);
  painter.fillRect(page, Qt::white);
  paintDrawing(painter, drawing, page);
  painter.end();
  return bytes;
}

}  // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target,
                  double penScale) {
  const UserMapping map(drawing.scale(), target);
  if (!map.usable()) return;
  painter.save();
  const ItemPainter paintItem(painter, map, penScale);
  for (const DrawItem& item : drawing.items()) std::visit(paintItem, item);
  painter.restore();
}

void saveDrawing(const Drawing& drawing, const std::string& path, int widthPx, int heightPx) {
  if (widthPx <= 0 || heightPx <= 0)
    throw std::invalid_argument("그림의 크기가 올바르지 않습니다.");
  const std::string ext = lowerExtension(path);
  QByteArray bytes;
  if (ext == "png") {
    bytes = renderPng(drawing, widthPx, heightPx);
  } else if (ext == "svg") {
    bytes = renderSvg(drawing, widthPx, heightPx);
  } else if (ext == "pdf") {
    bytes = renderPdf(drawing, widthPx, heightPx);
  } else {
    throw std::invalid_argument("그림 파일의 형식(png, svg, pdf)을 알 수 없습니다. (" + path + ")");
  }
  writeFileAtomically(path,
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void ensureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  // The application object outlives every caller, as Qt requires of argc/argv.
  static int argc = 3;
  static char arg0[] = "vlm-cli";
  static char arg1[] = "-platform";
  static char arg2[] = "offscreen";
  static char* argv[] = {arg0, arg1, arg2, nullptr};
  nameRuntimeFolder();
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
  useKoreanFaces();
}

void nameRuntimeFolder() {
  if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return;
  const passwd* user = ::getpwuid(::geteuid());
  if (user == nullptr) return;
  const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/runtime-" + user->pw_name;
  // Private to its user, as a runtime folder must be; one made before is kept.
  if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) return;
  qputenv("XDG_RUNTIME_DIR", folder);
}

}  // namespace vlm::render
