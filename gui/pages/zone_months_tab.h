// The first tab of frm14, "월별 존 분석": the hours, shares or ranks of each
// need and guideline zone month by month and for the year, the most important
// guideline of each, and the stacked bars of the need-zone shares.
#pragma once

#include <array>

#include "gui/pages/seasonal_tab.h"

class QRadioButton;

namespace vlm {

class ResultGrid;

class ZoneMonthsTab : public SeasonalTab {
  Q_OBJECT

 public:
  ZoneMonthsTab(AppState& state, QWidget* parent);
  void clearResults() override;

  void cmd14aDraw_Click();
  void cmd14aErase_Click();

  [[nodiscard]] ResultGrid* table() const { return table_; }
  [[nodiscard]] PictureBox* picture() const { return picture_; }
  // The need-zone shares on show, with their caption.
  [[nodiscard]] std::optional<render::Figure> figure() const;

 private:
  std::array<QRadioButton*, 3> shown_{};  // 시간수, 비율(%), 우선순위
  ResultGrid* table_;
  PictureBox* picture_;
  std::string caption_;
};

}  // namespace vlm
