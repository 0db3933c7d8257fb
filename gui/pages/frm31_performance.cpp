#include "gui/pages/frm31_performance.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <string_view>

#include "core/report/shade_table.h"
#include "core/solar/radiation_texts.h"
#include "core/solar/shade_performance_chart.h"
#include "core/solar/shade_performance_texts.h"
#include "core/solar/shading_texts.h"
#include "gui/export_commands.h"
#include "gui/pages/frm31_texts.h"
#include "gui/pages/result_grid.h"
#include "gui/pages/seasonal_tab.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

// Small enough to share a row with the mask's legend at 1024 × 700.
constexpr int kLeastChartWidth = 300;
constexpr int kLeastChartHeight = 100;

// One line each, short enough for the frame at 1024 × 700.
QLabel* line(const char* name, QWidget* parent, std::string_view text = {}) {
  auto* label = new QLabel(utf8Text(text), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The table's headings: its first column and first row.
std::pair<QStringList, QStringList> headings() {
  const TextTable empty = ShadePerformanceTable(ShadePerformance{});
  QStringList rows, columns;
  for (std::size_t r = 1; r < empty.rows.size(); ++r) rows << utf8Text(empty.rows[r][0]);
  for (std::size_t c = 1; c < empty.rows[0].size(); ++c) columns << utf8Text(empty.rows[0][c]);
  return {rows, columns};
}

}  // namespace

ShadePerformanceFrame::ShadePerformanceFrame(QWidget* parent)
    : QGroupBox(utf8Text(kPerformanceTitle), parent),
      chart_(new PictureBox(this)),
      unwantedHours_(line("lbl31SMPerformanceUnwantedHours", this)),
      unwantedBeam_(line("lbl31SMPerformanceUnwantedBeam", this)),
      wantedHours_(line("lbl31SMPerformanceWantedHours", this)),
      wantedBeam_(line("lbl31SMPerformanceWantedBeam", this)),
      missing_(line("lbl31SMPerformanceMissing", this)),
      suggestion_(line("lbl31SMPerformanceSuggestion", this)),
      table_(nullptr) {
  setObjectName("fra31SMPerformance");
  const auto [rows, columns] = headings();
  table_ = new ResultGrid("grd31SMPerformance", rows, columns, this);
  // Nine columns do not share the frame's width: each takes its heading's, and the grid scrolls.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  chart_->setObjectName("pic31SMPerformance");
  chart_->setBackground(Qt::white);
  chart_->setMinimumSize(kLeastChartWidth, kLeastChartHeight);

  // The year's lines, the monthly chart and the monthly table, one at a time.
  auto* year = new QWidget(this);
  auto* cells = new QGridLayout(year);
  cells->setVerticalSpacing(2);
  cells->addWidget(line("lbl31SMPerformanceHoursHeading", year, kYearHoursHeading), 0, 1);
  cells->addWidget(line("lbl31SMPerformanceBeamHeading", year, kYearBeamHeading), 0, 2);
  cells->addWidget(line("lbl31SMPerformanceUnwanted", year, kUnwantedCaption), 1, 0);
  cells->addWidget(unwantedHours_, 1, 1);
  cells->addWidget(unwantedBeam_, 1, 2);
  cells->addWidget(line("lbl31SMPerformanceWanted", year, kWantedCaption), 2, 0);
  cells->addWidget(wantedHours_, 2, 1);
  cells->addWidget(wantedBeam_, 2, 2);
  cells->addWidget(missing_, 3, 0, 1, 3);
  cells->addWidget(suggestion_, 4, 0, 1, 3);
  cells->setColumnStretch(2, 1);
  cells->setRowStretch(5, 1);
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("tab31SMPerformance");
  for (std::size_t i = 0; i < kPerformanceTabs.size(); ++i) {
    QWidget* page = i == 0 ? year : (i == 1 ? static_cast<QWidget*>(chart_) : table_);
    tabs->addTab(page, utf8Text(kPerformanceTabs[i]));
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  setAvailable(false, QString());
}

void ShadePerformanceFrame::attachExports(ExportCommands& exporter) {
  exporter.attachFigure(chart_, [this] { return chartFigure(); });
  exporter.attachTable(
      table_, [this] { return table_->textTable(); }, [this] { return caption_; });
}

void ShadePerformanceFrame::showPerformance(const ShadePerformance& performance,
                                            const OverhangSuggestion& suggestion,
                                            const std::string& caption) {
  caption_ = caption;
  showDrawing(*chart_, ShadePerformanceChart(performance));
  const TextTable table = ShadePerformanceTable(performance);
  for (std::size_t r = 1; r < table.rows.size(); ++r)
    for (std::size_t c = 1; c < table.rows[r].size(); ++c)
      table_->setText(static_cast<int>(r - 1), static_cast<int>(c - 1), utf8Text(table.rows[r][c]));
  unwantedHours_->setText(utf8Text(UnwantedHoursText(performance.year)));
  unwantedBeam_->setText(utf8Text(UnwantedBeamText(performance.year)));
  wantedHours_->setText(utf8Text(WantedHoursText(performance.year)));
  wantedBeam_->setText(utf8Text(WantedBeamText(performance.year)));
  missing_->setText(utf8Text(MissingRadiationLine(performance.year)));
  suggestion_->setText(utf8Text(SuggestionLine(suggestion)));
}

void ShadePerformanceFrame::clearPerformance() {
  erasePicture(*chart_);
  table_->clearTexts();
  for (QLabel* label :
       {unwantedHours_, unwantedBeam_, wantedHours_, wantedBeam_, missing_, suggestion_})
    label->clear();
}

void ShadePerformanceFrame::setAvailable(bool available, const QString& reason) {
  setEnabled(available);
  setToolTip(available ? QString::fromUtf8(frm31::kPerformanceTip) : reason);
  if (!available) clearPerformance();
}

std::optional<render::Figure> ShadePerformanceFrame::chartFigure() const {
  return pictureFigure(*chart_, caption_);
}

}  // namespace vlm
