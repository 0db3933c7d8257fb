// frm14, the seasonal-analysis page "1-기후 심화분석": when in the year the
// loaded climate needs what. Five tabs — the zones month by month, the
// hour-by-day carpet, degree-days, a comparison with a second climate and the
// wind of the hours that want ventilation —
// each computed in the core from the loaded year and shown here. The region
// page writes the loaded region into it through setRegion(), which also
// empties every result shown for the previous region.
#pragma once

#include "gui/figure_source.h"
#include "gui/pages/page.h"

class QLabel;
class QTabWidget;

namespace vlm {

class ZoneMonthsTab;
class CarpetTab;
class DegreeDayTab;
class CompareTab;
class WindTab;

class Frm14 : public Page, public FigureSource {
  Q_OBJECT

 public:
  Frm14(AppState& state, QWidget* parent);

  [[nodiscard]] ZoneMonthsTab* zoneTab() const { return zones_; }
  [[nodiscard]] CarpetTab* carpetTab() const { return carpet_; }
  [[nodiscard]] DegreeDayTab* degreeDayTab() const { return degreeDays_; }
  [[nodiscard]] CompareTab* compareTab() const { return compare_; }
  [[nodiscard]] WindTab* windTab() const { return wind_; }

  // The need-zone shares, the carpet, the comparison chart or the wind rose of the shown tab,
  // once drawn; the degree-day tab has no figure.
  [[nodiscard]] std::optional<render::Figure> currentFigure() const override;

 public slots:
  // lbl14d shows the region, lbl14e its file.
  void setRegion(const QString& name, const QString& path);

 private:
  QLabel* region_;
  QLabel* path_;
  QTabWidget* tabs_;
  ZoneMonthsTab* zones_;
  CarpetTab* carpet_;
  DegreeDayTab* degreeDays_;
  CompareTab* compare_;
  WindTab* wind_;
};

}  // namespace vlm
