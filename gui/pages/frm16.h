// frm16, the thermal comfort page "1-열쾌적 분석": how many hours of the loaded
// year a free-running building (the outdoor dry bulb as its operative
// temperature, walls at the air's temperature) is comfortable under a chosen
// model — ASHRAE 55 or EN 16798-1 adaptive, or PMV for an activity and
// clothing — month by month, as a table, stacked bars and the adaptive chart.
// The region page writes the loaded region into it through setRegion(), which
// also empties every result shown for the previous region.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/comfort/comfort_year.h"
#include "gui/figure_source.h"
#include "gui/pages/page.h"

class QLabel;
class QRadioButton;
class QTabWidget;

namespace vlm {

class PictureBox;
class PmvBoxes;
class ResultGrid;

class Frm16 : public Page, public FigureSource {
  Q_OBJECT

 public:
  Frm16(AppState& state, QWidget* parent);

  void cmd16Calc_Click();
  void cmd16Erase_Click();

  [[nodiscard]] ResultGrid* table() const { return table_; }
  [[nodiscard]] PictureBox* sharePicture() const { return shares_; }
  [[nodiscard]] PictureBox* adaptivePicture() const { return adaptive_; }

  // The bars or the adaptive chart of the shown tab, once drawn.
  [[nodiscard]] std::optional<render::Figure> currentFigure() const override;

 public slots:
  // lbl16d shows the region, lbl16e its file.
  void setRegion(const QString& name, const QString& path);

 private:
  [[nodiscard]] ComfortModel chosenModel() const;
  void showYear(const ComfortYear& year);
  void clearResults();
  // What `picture` shows, with the caption of its kind.
  [[nodiscard]] std::optional<render::Figure> figureOf(const PictureBox& picture) const;

  QLabel* region_;
  QLabel* path_;
  std::array<QRadioButton*, 3> models_{};  // ASHRAE, EN, PMV
  PmvBoxes* pmvBoxes_;
  QTabWidget* tabs_;
  ResultGrid* table_;
  PictureBox* shares_;
  PictureBox* adaptive_;
  ComfortModel shownModel_ = ComfortModel::AshraeAdaptive;
};

}  // namespace vlm
