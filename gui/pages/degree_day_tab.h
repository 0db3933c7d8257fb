// The third tab of frm14, "도일": heating and cooling degree-days of each month
// and the year above and below the bases in its two boxes, the method under
// the table and a warning line for bases out of their usual order.
#pragma once

#include "gui/pages/seasonal_tab.h"

class QLabel;
class QLineEdit;

namespace vlm {

class ResultGrid;

class DegreeDayTab : public SeasonalTab {
  Q_OBJECT

 public:
  DegreeDayTab(AppState& state, QWidget* parent);
  void clearResults() override;

  void cmd14cCalc_Click();
  void cmd14cErase_Click();

  [[nodiscard]] ResultGrid* table() const { return table_; }

 private:
  QLineEdit* heatingBase_;
  QLineEdit* coolingBase_;
  ResultGrid* table_;
  QLabel* warning_;  // a heating base above the cooling base
};

}  // namespace vlm
