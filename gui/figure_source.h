// What a page offers to the export commands: the figure on show (for "그림
// 저장..." and "그림 복사", the 파일 menu and the page's context menus) and the
// table on show (for "표 복사" and "표 저장..."). A page implements the parts it
// has; a new page registers its figures simply by implementing currentFigure.
#pragma once

#include <optional>

#include "core/report/text_table.h"
#include "render/figure.h"

namespace vlm {

class FigureSource {
 public:
  virtual ~FigureSource() = default;
  // The figure of the shown tab with its caption; nullopt while nothing is drawn.
  [[nodiscard]] virtual std::optional<render::Figure> currentFigure() const = 0;
};

}  // namespace vlm
