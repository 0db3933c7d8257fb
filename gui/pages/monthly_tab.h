// The first tab of frm13: the monthly chart of one climate element (maximum,
// mean and minimum of each month and of the year) from the statistics tables of
// the last load. Options and the number box take effect only when 그리기 is
// pressed.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "core/graphs/monthly_chart.h"
#include "render/figure.h"

class QCheckBox;
class QLabel;
class QRadioButton;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace vlm {

class AppState;

class MonthlyTab : public QWidget {
  Q_OBJECT

 public:
  MonthlyTab(AppState& state, QWidget* parent);

  // lbl131d and lbl131e.
  [[nodiscard]] QLabel* regionLabel() const { return region_; }
  [[nodiscard]] QLabel* pathLabel() const { return path_; }
  [[nodiscard]] QChartView* chartView() const { return chart_; }

  void cmd131Draw_Click();
  void cmd131Erase_Click();
  // Hides the chart and drops its data, so nothing of another year is left in it.
  void clearChart();

  // The chart on show at the view's size with its caption; nullopt once erased.
  [[nodiscard]] std::optional<render::Figure> figure() const;

 private:
  void chooseElement(QRadioButton* chosen);
  [[nodiscard]] std::optional<MonthlyElement> chosenElement() const;
  // The label's region while a year is loaded, "" otherwise.
  [[nodiscard]] std::string loadedRegion() const;

  AppState& state_;
  QLabel* region_;
  QLabel* path_;
  std::array<QRadioButton*, 4> options_{};
  QCheckBox* numbers_;
  QChartView* chart_;
  std::optional<MonthlyChart> shown_;
  std::optional<MonthlyElement> shownElement_;
};

}  // namespace vlm
