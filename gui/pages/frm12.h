// frm12, the climate-analysis page "1-기후분석" with its three tabs: the
// building bioclimatic chart with its options and period, the analysis results
// with the guideline ranking, and the extraction of a period to a report. The
// region page writes the loaded region into it through setRegion().
#pragma once

#include <QPoint>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/analysis/analysis_summary.h"
#include "core/analysis/chart_readout.h"
#include "core/analysis/axis_labels.h"
#include "core/analysis/period.h"
#include "core/analysis/zone_focus.h"
#include "core/comfort/comfort_year.h"
#include "core/psychro/psychro_chart.h"
#include "gui/figure_source.h"
#include "gui/file_dialogs.h"
#include "gui/pages/page.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vlm {

struct BioChart;
class ChartLabels;
class LegendShape;
class PmvBoxes;
class PictureBox;
class UpDown;

class Frm12 : public Page, public FigureSource {
  Q_OBJECT

 public:
  Frm12(AppState& state, QWidget* parent);

  // CommonDialog12c; tests replace it.
  void setSaveFileDialog(FileDialog dialog) { saveFile_ = std::move(dialog); }

  void cmd12aDraw_Click();
  void cmd12aErase_Click();
  void cmd12cSave_Click();
  // Clicking a zone's legend swatch (or its row on the analysis tab): outline
  // 0 … 4 a need zone, 5 … 13 a guideline zone. The same zone again clears it.
  void singleOutZone(std::size_t zone);
  [[nodiscard]] std::optional<std::size_t> singledOutZone() const { return focus_; }

  // The period of the last SetPeriod (1 … 8760).
  [[nodiscard]] int16_t periodStart() const { return periodStart_; }
  [[nodiscard]] int16_t periodEnd() const { return periodEnd_; }
  [[nodiscard]] const PsychroChart& chart() const { return chart_; }

  // The chart with its value labels while the chart tab shows a drawing.
  [[nodiscard]] std::optional<render::Figure> currentFigure() const override;
  // The analysis tab's texts as a table while it shows an analysis.
  [[nodiscard]] std::optional<TextTable> analysisTable() const;

 public slots:
  // The region just loaded: the caption of fra12aDrawOption names it, lbl12c14
  // shows it and lbl12c15 shows the file it came from.
  void setRegion(const QString& name, const QString& path);

 private:
  // Tab 0, the chart.
  QWidget* createChartTab();
  QGroupBox* createDrawOptionFrame();
  QGroupBox* createNeedZoneFrame();
  QGroupBox* createGuideZoneFrame();
  QGroupBox* createTimeFrame();
  // The PMV outline beside the specified options (frm12_pmv.cpp).
  QGroupBox* createPmvFrame();
  // The boxes read and checked when the outline is ticked; false after the
  // refusal of a box, before anything is drawn.
  [[nodiscard]] bool readPmvSettings();
  void drawPmvOutline(BioChart& c, bool dataPlotted);
  // Tab 1, the analysis; tab 2, the extraction.
  QWidget* createAnalysisTab();
  QWidget* createExtractTab();

  void formLoad();
  // The region every consumer of the year works on: the one the labels name,
  // or "" when no year is loaded (none yet, or a load failed part-way).
  [[nodiscard]] std::string loadedRegion() const;
  void selectPeriodMode(PeriodMode mode);
  [[nodiscard]] PeriodMode periodMode() const;
  [[nodiscard]] PeriodFields periodFields() const;
  void clearChart();
  void DrawChart();
  void ShowAxisLabels(int16_t mode);
  void ShowAnalysis(int16_t mode);
  void showAnalysisTexts(const AnalysisTexts& texts);
  void setProgressLabel(const QString& text);
  // The values under the pointer, in the status bar and a tooltip beside it.
  void readChartAt(QPointF user, QPoint pixel);
  void clearZoneFocus();
  // Makes an analysis row's caption single out its zone when clicked.
  void singleOutFrom(QLabel* rowCaption, std::size_t zone);
  bool eventFilter(QObject* watched, QEvent* event) override;

  QTabWidget* tab_ = nullptr;
  PictureBox* picture_ = nullptr;
  ChartLabels* chartLabels_ = nullptr;
  QGroupBox* drawOption_ = nullptr;
  // The six option boxes in bit order: grid, data, need zones, guideline zones, labels, analysis.
  std::array<QCheckBox*, 6> options_{};
  std::array<QCheckBox*, 5> needZones_{};
  std::array<QCheckBox*, 9> guideZones_{};
  QProgressBar* drawProgress_ = nullptr;
  std::array<QRadioButton*, 3> modes_{};  // hourly, daily, monthly
  std::array<QLineEdit*, 6> hourFields_{};
  std::array<QLineEdit*, 4> dayFields_{};
  std::array<QLineEdit*, 2> monthFields_{};
  std::array<UpDown*, 12> upDowns_{};  // hourly, daily, monthly in field order

  // Tab 1.
  std::array<QLabel*, 3> summary_{};
  std::array<QLabel*, 3> errors_{};
  std::array<std::array<QLabel*, 3>, 6> needRows_{};
  std::array<std::array<QLabel*, 3>, 9> guideRows_{};
  QLabel* mostImportant_ = nullptr;

  // Tab 2.
  QLabel* regionLabel_ = nullptr;
  QLabel* pathLabel_ = nullptr;
  std::array<QLineEdit*, 6> extractFields_{};
  QLabel* extractProgress_ = nullptr;
  FileDialog saveFile_;

  // What leaves the program with the chart: the labels on show and the caption.
  std::vector<AxisLabel> shownLabels_;
  std::string figureCaption_;
  std::optional<AnalysisTexts> shownAnalysis_;

  PsychroChart chart_;
  int16_t periodStart_ = 0;
  int16_t periodEnd_ = 0;
  // The points of the loaded year on the chart (cleared with the chart).
  bool yearOnChart_ = false;
  PlottedPoints plotted_;
  // The zone outlines of the last drawing, the drawing as it was drawn, the
  // period's figures, and the zone singled out on it.
  ZoneOutlineItems outlines_{};
  Drawing drawnChart_;
  AnalysisTexts periodFigures_;
  std::optional<std::size_t> focus_;
  QLabel* focusLabel_ = nullptr;
  // The PMV outline's tick, its three boxes, the settings they held at the
  // last draw and the legend line under the chart.
  QCheckBox* pmvOutline_ = nullptr;
  PmvBoxes* pmvBoxes_ = nullptr;  // met, clo, air speed
  ComfortSettings pmvSettings_;
  QLabel* pmvLegend_ = nullptr;
  // The row captions of the analysis tab that single out their zone.
  std::array<QLabel*, kZoneOutlineCount> zoneRowCaptions_{};
};

}  // namespace vlm
