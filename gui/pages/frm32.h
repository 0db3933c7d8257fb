// frm32, the moist-air calculator "32-습공기상태계산": two of five properties
// in, the full state of the air at 101.325 kPa out, each result shown with the
// number of decimals its slider gives.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "core/psychro/pair_solution.h"
#include "core/report/text_table.h"
#include "gui/pages/page.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace vlm {

class Frm32Comfort;

class Frm32 : public Page {
  Q_OBJECT

 public:
  Frm32(AppState& state, QWidget* parent);

  void cmd32Calc_Click();
  void cmd32Reset_Click();

  // The values behind the eight output labels: those of the last calculation
  // if it succeeded, 0 before the first, after a failed one and after 초기화.
  [[nodiscard]] const AirState& storedState() const { return stored_; }

  // The results as the labels show them, one row per property with its unit;
  // nullopt until a calculation has succeeded.
  [[nodiscard]] std::optional<TextTable> resultTable() const;

 private:
  QGroupBox* createInputFrame();
  QGroupBox* createOutputFrame();
  void chk32I_Click(std::size_t input, bool ticked);
  void Slider32O_Change(std::size_t output);
  void showOutput(std::size_t output);
  void restoreOpeningState();

  std::array<QCheckBox*, kCalcInputCount> inputChecks_{};
  std::array<QLineEdit*, kCalcInputCount> inputTexts_{};
  std::array<QLabel*, kCalcOutputCount> outputLabels_{};
  std::array<QSlider*, kCalcOutputCount> sliders_{};
  QPushButton* calc_ = nullptr;
  QPushButton* reset_ = nullptr;
  QLabel* warning_ = nullptr;
  Frm32Comfort* comfort_ = nullptr;  // PMV and PPD of the computed state
  AirState stored_;
};

}  // namespace vlm
