#include "gui/pages/korea_map.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace vlm {
namespace {

using LonLat = std::pair<double, double>;

// An equirectangular projection true to scale at 36° N, the middle of the
// country: 70 pixels per degree of latitude.
constexpr double kPixelsPerDegree = 70.0;
constexpr double kCentreLongitude = 127.6;
constexpr double kTopLatitude = 38.8;
constexpr double kTopMargin = 4.0;

// The Republic of Korea clockwise from the Han estuary: along the military
// demarcation line to the east coast, down the east coast, west along the south
// coast and up the west coast.
const std::vector<LonLat> kSouth = {
    {126.68, 37.77}, {126.75, 37.95}, {126.95, 38.00}, {127.15, 38.20}, {127.45, 38.30},
    {127.75, 38.28}, {128.05, 38.30}, {128.30, 38.50}, {128.36, 38.62}, {128.47, 38.38},
    {128.59, 38.21}, {128.66, 38.07}, {128.83, 37.90}, {128.95, 37.78}, {129.06, 37.65},
    {129.12, 37.50}, {129.25, 37.30}, {129.35, 37.10}, {129.41, 36.90}, {129.42, 36.70},
    {129.41, 36.42}, {129.38, 36.20}, {129.37, 36.05}, {129.57, 36.08}, {129.55, 35.99},
    {129.51, 35.80}, {129.45, 35.55}, {129.36, 35.40}, {129.25, 35.25}, {129.16, 35.16},
    {129.03, 35.07}, {128.95, 35.05}, {128.80, 35.08}, {128.60, 35.10}, {128.55, 35.00},
    {128.42, 34.85}, {128.25, 34.90}, {128.08, 34.93}, {127.95, 34.85}, {127.80, 34.80},
    {127.73, 34.72}, {127.60, 34.68}, {127.45, 34.55}, {127.35, 34.48}, {127.20, 34.60},
    {127.05, 34.65}, {126.90, 34.55}, {126.75, 34.35}, {126.55, 34.30}, {126.40, 34.40},
    {126.30, 34.55}, {126.35, 34.75}, {126.38, 34.79}, {126.30, 35.00}, {126.35, 35.15},
    {126.42, 35.35}, {126.48, 35.52}, {126.47, 35.65}, {126.58, 35.80}, {126.60, 35.98},
    {126.55, 36.15}, {126.50, 36.35}, {126.48, 36.55}, {126.20, 36.60}, {126.13, 36.75},
    {126.30, 36.90}, {126.45, 37.00}, {126.75, 36.95}, {126.85, 37.00}, {126.70, 37.10},
    {126.65, 37.20}, {126.70, 37.35}, {126.60, 37.45}, {126.55, 37.60}};

// The land north of the demarcation line, up to the map's top edge.
const std::vector<LonLat> kNorth = {
    {126.68, 37.77}, {126.45, 37.72}, {126.20, 37.78}, {125.90, 37.85}, {125.60, 37.70},
    {125.20, 37.85}, {125.10, 38.10}, {125.25, 38.35}, {125.05, 38.60}, {125.10, 38.90},
    {128.20, 38.90}, {128.36, 38.62}, {128.30, 38.50}, {128.05, 38.30}, {127.75, 38.28},
    {127.45, 38.30}, {127.15, 38.20}, {126.95, 38.00}, {126.75, 37.95}};

const std::vector<LonLat> kDemarcation = {{126.68, 37.77}, {126.75, 37.95}, {126.95, 38.00},
                                          {127.15, 38.20}, {127.45, 38.30}, {127.75, 38.28},
                                          {128.05, 38.30}, {128.30, 38.50}, {128.36, 38.62}};

const std::vector<std::vector<LonLat>> kIslands = {
    // Jeju
    {{126.16, 33.30},
     {126.25, 33.21},
     {126.55, 33.22},
     {126.85, 33.30},
     {126.95, 33.45},
     {126.75, 33.55},
     {126.50, 33.52},
     {126.27, 33.45}},
    // Geoje
    {{128.48, 34.98},
     {128.60, 35.02},
     {128.75, 34.97},
     {128.72, 34.78},
     {128.60, 34.72},
     {128.52, 34.85}},
    // Namhae
    {{127.85, 34.92}, {128.02, 34.88}, {128.05, 34.75}, {127.90, 34.70}, {127.82, 34.80}},
    // Jindo
    {{126.15, 34.55}, {126.38, 34.52}, {126.35, 34.38}, {126.15, 34.40}},
    // Ganghwa
    {{126.35, 37.78}, {126.55, 37.78}, {126.52, 37.60}, {126.38, 37.62}},
    // Wando
    {{126.65, 34.35}, {126.80, 34.33}, {126.78, 34.27}, {126.66, 34.28}},
};

QPolygonF polygon(const std::vector<LonLat>& points) {
  QPolygonF result;
  for (const auto& [lon, lat] : points) result << KoreaMap::project(lon, lat);
  return result;
}

}  // namespace

KoreaMap::KoreaMap(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF KoreaMap::project(double longitude, double latitude) {
  static const double xScale = kPixelsPerDegree * std::cos(36.0 * std::numbers::pi / 180.0);
  return {kWidth / 2.0 + (longitude - kCentreLongitude) * xScale,
          kTopMargin + (kTopLatitude - latitude) * kPixelsPerDegree};
}

void KoreaMap::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), QColor(0xd8, 0xea, 0xf6));

  const QPen coast(QColor(0x5b, 0x7a, 0x45), 1.2);
  painter.setPen(QPen(QColor(0x9a, 0x96, 0x88), 1.0));
  painter.setBrush(QColor(0xe8, 0xe4, 0xd8));
  painter.drawPolygon(polygon(kNorth));

  painter.setPen(coast);
  painter.setBrush(QColor(0xcd, 0xe2, 0xae));
  painter.drawPolygon(polygon(kSouth));
  for (const auto& island : kIslands) painter.drawPolygon(polygon(island));

  QPen line(QColor(0xa0, 0x40, 0x30), 1.4, Qt::DashLine);
  painter.setPen(line);
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(polygon(kDemarcation));

  // A north arrow in the open sea of the top right corner.
  const QPointF tip(kWidth - 28.0, 14.0);
  QPainterPath arrow;
  arrow.moveTo(tip);
  arrow.lineTo(tip + QPointF(7, 22));
  arrow.lineTo(tip + QPointF(0, 16));
  arrow.lineTo(tip + QPointF(-7, 22));
  arrow.closeSubpath();
  painter.setPen(QPen(QColor(0x30, 0x40, 0x50), 1.0));
  painter.setBrush(QColor(0x30, 0x40, 0x50));
  painter.drawPath(arrow);
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRectF(tip.x() - 10, tip.y() + 23, 20, 16), Qt::AlignCenter, "N");
  painter.setPen(QPen(QColor(0x9a, 0x96, 0x88), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace vlm
