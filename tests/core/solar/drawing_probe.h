// Helpers for tests that look into a Drawing: its items of one kind, the colours
// in use, the end points of lines and arcs.
#pragma once

#include <cmath>
#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/draw/drawing.h"

namespace vlm::testing_probe {

template <typename T>
std::vector<T> itemsOf(const Drawing& d, std::size_t from = 0) {
  std::vector<T> out;
  for (std::size_t i = from; i < d.items().size(); ++i) {
    if (const T* item = std::get_if<T>(&d.items()[i])) out.push_back(*item);
  }
  return out;
}

inline std::vector<LineItem> linesIn(const Drawing& d, Color color) {
  std::vector<LineItem> out;
  for (const LineItem& l : itemsOf<LineItem>(d)) {
    if (l.pen.color == color) out.push_back(l);
  }
  return out;
}

struct P {
  double x, y;
};

inline double distance(P a, P b) { return std::hypot(a.x - b.x, a.y - b.y); }

inline P arcPoint(const ArcItem& a, double deg) {
  const double r = deg * 3.14159265358979 / 180;
  return P{a.cx + a.radius * std::cos(r), a.cy + a.radius * std::sin(r)};
}

// The drawing's items from `from` on, as a drawing of their own (same scale).
inline Drawing tail(const Drawing& d, std::size_t from) {
  Drawing out(d.scale());
  for (std::size_t i = from; i < d.items().size(); ++i) out.add(d.items()[i]);
  return out;
}

inline std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace vlm::testing_probe
