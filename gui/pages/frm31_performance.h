// The mask tab's frame "차양 성능" (fra31SMPerformance): how the drawn shade
// performs over the loaded year on its facade — the year's shares with the
// hours whose radiation is missing and the suggested overhang, the monthly
// chart, and the table grd31SMPerformance, one tab each. Out of use, with the reason as its
// tooltip, while no year with a known site is loaded.
#pragma once

#include <QGroupBox>
#include <optional>
#include <string>

#include "core/solar/shade_performance.h"
#include "render/figure.h"

class QLabel;

namespace vlm {

class ExportCommands;
class PictureBox;
class ResultGrid;

class ShadePerformanceFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit ShadePerformanceFrame(QWidget* parent);

  // The chart saves and copies, the table copies and saves, like the page's others.
  void attachExports(ExportCommands& exporter);
  // `caption` names what leaves the program (region, year, shade).
  void showPerformance(const ShadePerformance& performance, const OverhangSuggestion& suggestion,
                       const std::string& caption);
  void clearPerformance();
  // In use or not; `reason` is the tooltip of a frame out of use.
  void setAvailable(bool available, const QString& reason);

  [[nodiscard]] std::optional<render::Figure> chartFigure() const;

 private:
  PictureBox* chart_;
  // The year's cells: unwanted hours and beam, wanted hours and beam.
  QLabel* unwantedHours_;
  QLabel* unwantedBeam_;
  QLabel* wantedHours_;
  QLabel* wantedBeam_;
  QLabel* missing_;
  QLabel* suggestion_;
  ResultGrid* table_;
  std::string caption_;
};

}  // namespace vlm
