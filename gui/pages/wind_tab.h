// The fifth tab of frm14, "바람 분석": where the wind comes from, and how
// strong, in the hours a designer chooses — by months, hours of the day, a
// zone of the bioclimatic chart (ventilation by default) and dry bulb — as a
// rose stacked by speed class, a table of direction × class and the
// prevailing direction in words.
#pragma once

#include <array>
#include <optional>

#include "core/graphs/wind_rose.h"
#include "core/seasonal/wind_count.h"
#include "gui/pages/seasonal_tab.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vlm {

class ResultGrid;

class WindTab : public SeasonalTab {
  Q_OBJECT

 public:
  WindTab(AppState& state, QWidget* parent);
  void clearResults() override;

  void cmd14eDraw_Click();
  void cmd14eErase_Click();

  [[nodiscard]] PictureBox* picture() const { return picture_; }
  [[nodiscard]] ResultGrid* table() const { return table_; }
  // The rose on show, with its caption.
  [[nodiscard]] std::optional<render::Figure> figure() const;

 private:
  [[nodiscard]] WindFilter chosenFilter() const;
  void show(const WindCounts& counts, const WindFilter& filter);
  void readAt(QPointF user, QPoint pixel);

  std::array<QCheckBox*, 12> months_{};
  QSpinBox* fromHour_;
  QSpinBox* toHour_;
  QComboBox* zone_;
  QCheckBox* byDryBulb_;
  QDoubleSpinBox* dryBulbMin_;
  QDoubleSpinBox* dryBulbMax_;
  QLineEdit* classes_;
  PictureBox* picture_;
  ResultGrid* table_;
  QLabel* prevailing_;
  RoseGeometry geometry_;
  std::optional<WindCounts> shown_;
  std::string caption_;
};

}  // namespace vlm
