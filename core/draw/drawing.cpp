#include "core/draw/drawing.h"

#include <array>
#include <cstdio>
#include <sstream>

#include "core/common/format.h"

namespace vlm {
namespace {

constexpr std::array<uint32_t, 16> kPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

std::string colorText(const Color& c) {
  if (c.paletteIndex >= 0) return "pal" + std::to_string(c.paletteIndex);
  std::array<char, 16> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "#%06X", c.rgbValue());
  return buffer.data();
}

std::string penText(const Pen& p) {
  static constexpr std::array<const char*, 3> kDash = {"solid", "dot", "dash"};
  return colorText(p.color) + " w" + ShortestText(p.width) + " " +
         kDash[static_cast<std::size_t>(p.dash)];
}

std::string n(float v) { return ShortestText(v); }

struct Serializer {
  std::ostringstream& out;
  void operator()(const LineItem& i) const {
    out << "line " << n(i.x1) << ' ' << n(i.y1) << ' ' << n(i.x2) << ' ' << n(i.y2) << ' '
        << penText(i.pen) << '\n';
  }
  void operator()(const CircleItem& i) const {
    out << "circle " << n(i.cx) << ' ' << n(i.cy) << ' ' << n(i.radius) << ' ' << penText(i.pen)
        << '\n';
  }
  void operator()(const ArcItem& i) const {
    out << "arc " << n(i.cx) << ' ' << n(i.cy) << ' ' << n(i.radius) << ' ' << n(i.startDeg) << ' '
        << n(i.endDeg) << ' ' << penText(i.pen) << '\n';
  }
  void operator()(const DotItem& i) const {
    out << "dot " << n(i.x) << ' ' << n(i.y) << ' ' << penText(i.pen) << '\n';
  }
  void operator()(const RectItem& i) const {
    out << "rect " << n(i.x1) << ' ' << n(i.y1) << ' ' << n(i.x2) << ' ' << n(i.y2) << ' '
        << penText(i.pen) << '\n';
  }
  void operator()(const TextItem& i) const {
    static constexpr std::array<const char*, 3> kH = {"left", "center", "right"};
    static constexpr std::array<const char*, 3> kV = {"top", "middle", "bottom"};
    out << "text " << n(i.x) << ' ' << n(i.y) << ' ' << colorText(i.color) << " pt"
        << n(i.pointSize) << (i.bold ? " bold " : " ") << kH[static_cast<std::size_t>(i.hAlign)]
        << ' ' << kV[static_cast<std::size_t>(i.vAlign)] << " \"" << i.text << "\"\n";
  }
};

}  // namespace

Color Color::palette(int index) { return Color{static_cast<int16_t>(index), 0, 0, 0}; }

Color Color::rgb(uint8_t red, uint8_t green, uint8_t blue) { return Color{-1, red, green, blue}; }

uint32_t Color::rgbValue() const {
  if (paletteIndex >= 0) return paletteRgb(paletteIndex);
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
}

uint32_t paletteRgb(int index) {
  if (index < 0 || index >= static_cast<int>(kPalette.size())) return 0;
  return kPalette[static_cast<std::size_t>(index)];
}

void Drawing::line(float x1, float y1, float x2, float y2, Color color) {
  items_.emplace_back(LineItem{x1, y1, x2, y2, pen(color)});
}

void Drawing::circle(float cx, float cy, float radius, Color color) {
  items_.emplace_back(CircleItem{cx, cy, radius, pen(color)});
}

void Drawing::arc(float cx, float cy, float radius, float startDeg, float endDeg, Color color) {
  items_.emplace_back(ArcItem{cx, cy, radius, startDeg, endDeg, pen(color)});
}

void Drawing::dot(float x, float y, Color color) { items_.emplace_back(DotItem{x, y, pen(color)}); }

void Drawing::rect(float x1, float y1, float x2, float y2, Color color) {
  items_.emplace_back(RectItem{x1, y1, x2, y2, pen(color)});
}

std::string Drawing::serialize() const {
  std::ostringstream out;
  out << "scale " << n(scale_.left) << ' ' << n(scale_.right) << ' ' << n(scale_.bottom) << ' '
      << n(scale_.top) << '\n';
  const Serializer serializer{out};
  for (const auto& item : items_) std::visit(serializer, item);
  return out.str();
}

}  // namespace vlm
