// A display list of chart primitives in the user coordinates of one picture.
// The chart code appends to a Drawing; render/ paints it on any surface.
//
// Coordinates follow the picture's user scale: x grows to the right, y grows
// upwards, and the scale rectangle says which user coordinates the picture's
// edges show. Circle and arc radii are measured in x units and always paint as
// true circles. Pen widths are in pixels of the screen picture (render/ scales
// them for higher-resolution surfaces such as a printer).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vlm {

// A palette index of the standard 16 colours, or a plain RGB value.
struct Color {
  int16_t paletteIndex = 0;  // 0 … 15, or -1 for an RGB colour
  uint8_t r = 0, g = 0, b = 0;

  static Color palette(int index);
  static Color rgb(uint8_t red, uint8_t green, uint8_t blue);
  // The RGB value, resolved through the palette for a palette colour.
  [[nodiscard]] uint32_t rgbValue() const;
  bool operator==(const Color&) const = default;
};

// RGB of palette index 0 … 15 (0xRRGGBB); out-of-range indices give black.
[[nodiscard]] uint32_t paletteRgb(int index);

enum class DashStyle { Solid, Dot, Dash };

struct Pen {
  Color color;
  float width = 1.0f;
  DashStyle dash = DashStyle::Solid;
  bool operator==(const Pen&) const = default;
};

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };

struct LineItem {
  float x1, y1, x2, y2;
  Pen pen;
  bool operator==(const LineItem&) const = default;
};
struct CircleItem {
  float cx, cy, radius;
  Pen pen;
  bool operator==(const CircleItem&) const = default;
};
// Counterclockwise on the picture from startDeg to endDeg, angles measured
// counterclockwise from the rightward direction.
struct ArcItem {
  float cx, cy, radius, startDeg, endDeg;
  Pen pen;
  bool operator==(const ArcItem&) const = default;
};
// A point of the pen's width.
struct DotItem {
  float x, y;
  Pen pen;
  bool operator==(const DotItem&) const = default;
};
// A rectangle between two opposite corners, filled with the pen's colour and
// drawn without an outline, so that neighbouring cells meet without a seam.
struct RectItem {
  float x1, y1, x2, y2;
  Pen pen;
  bool operator==(const RectItem&) const = default;
};
// A text anchored at (x, y) with the given alignment of its box to the anchor.
struct TextItem {
  float x, y;
  std::string text;
  Color color;
  float pointSize = 9.0f;
  bool bold = false;
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Top;
  bool operator==(const TextItem&) const = default;
};

using DrawItem = std::variant<LineItem, CircleItem, ArcItem, DotItem, RectItem, TextItem>;

// The user coordinates at the picture's edges.
struct UserScale {
  float left = 0, right = 1, bottom = 0, top = 1;
  bool operator==(const UserScale&) const = default;
};

class Drawing {
 public:
  Drawing() = default;
  explicit Drawing(UserScale scale) : scale_(scale) {}

  void setScale(UserScale scale) { scale_ = scale; }
  [[nodiscard]] const UserScale& scale() const { return scale_; }

  // The current pen for the next primitives (the picture's DrawWidth and DrawStyle).
  void setPenWidth(float width) { penWidth_ = width; }
  void setDash(DashStyle dash) { dash_ = dash; }
  [[nodiscard]] float penWidth() const { return penWidth_; }

  void line(float x1, float y1, float x2, float y2, Color color);
  void circle(float cx, float cy, float radius, Color color);
  void arc(float cx, float cy, float radius, float startDeg, float endDeg, Color color);
  void dot(float x, float y, Color color);
  void rect(float x1, float y1, float x2, float y2, Color color);
  void text(TextItem item) { items_.emplace_back(std::move(item)); }
  void add(DrawItem item) { items_.push_back(std::move(item)); }

  // Room for n more primitives, for figures that know their size (one cell per hour).
  void reserve(std::size_t n) { items_.reserve(items_.size() + n); }

  void clear() { items_.clear(); }
  [[nodiscard]] bool empty() const { return items_.empty(); }
  [[nodiscard]] std::size_t size() const { return items_.size(); }
  [[nodiscard]] const std::vector<DrawItem>& items() const { return items_; }

  // One line per primitive, numbers as their shortest float text: the form of
  // the golden files in tests/data.
  [[nodiscard]] std::string serialize() const;

  bool operator==(const Drawing& other) const {
    return scale_ == other.scale_ && items_ == other.items_;
  }

 private:
  [[nodiscard]] Pen pen(Color color) const { return Pen{color, penWidth_, dash_}; }

  UserScale scale_;
  float penWidth_ = 1.0f;
  DashStyle dash_ = DashStyle::Solid;
  std::vector<DrawItem> items_;
};

}  // namespace vlm
