// frm13, the monthly-climate page "1-월별 기후표현": the monthly chart of one
// climate element on its first tab and the wind rose on its second. The page
// computes nothing itself; it shows the statistics and wind-direction tables of
// the last load. The region page writes the loaded region into it through
// setRegion(); an empty lbl131d means that no region is loaded.
#pragma once

#include "gui/figure_source.h"
#include "gui/pages/page.h"

class QTabWidget;

namespace vlm {

class MonthlyTab;
class RoseTab;

class Frm13 : public Page, public FigureSource {
  Q_OBJECT

 public:
  Frm13(AppState& state, QWidget* parent);

  [[nodiscard]] MonthlyTab* monthlyTab() const { return monthly_; }
  [[nodiscard]] RoseTab* roseTab() const { return rose_; }

  // The monthly chart or the wind rose, whichever tab is shown, once drawn.
  [[nodiscard]] std::optional<render::Figure> currentFigure() const override;

 public slots:
  // lbl131d and lbl132d show the region, lbl131e and lbl132e its file.
  void setRegion(const QString& name, const QString& path);

 private:
  QTabWidget* tabs_;
  MonthlyTab* monthly_;
  RoseTab* rose_;
};

}  // namespace vlm
