// The second tab of frm14, "시간별 분포": the hour-by-day carpet of the year,
// coloured by need zone or by dry-bulb temperature.
#pragma once

#include "gui/pages/seasonal_tab.h"

class QRadioButton;

namespace vlm {

class CarpetTab : public SeasonalTab {
  Q_OBJECT

 public:
  CarpetTab(AppState& state, QWidget* parent);
  void clearResults() override;

  void cmd14bDraw_Click();
  void cmd14bErase_Click();

  [[nodiscard]] PictureBox* picture() const { return picture_; }
  // The carpet on show, with its caption.
  [[nodiscard]] std::optional<render::Figure> figure() const;

 private:
  QRadioButton* byZone_;
  QRadioButton* byDryBulb_;
  PictureBox* picture_;
  std::string caption_;
};

}  // namespace vlm
