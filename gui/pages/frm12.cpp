#include "gui/pages/frm12.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/analysis/bio_chart.h"
#include "core/analysis/chart_drawing.h"
#include "core/analysis/climate_plot.h"
#include "core/analysis/climate_report.h"
#include "core/analysis/psychro_grid.h"
#include "core/analysis/zone_outlines.h"
#include "core/climate/load_texts.h"
#include "core/report/figure_caption.h"
#include "gui/export_commands.h"
#include "gui/pages/chart_labels.h"
#include "gui/pages/pointer_readout.h"
#include "gui/pages/up_down.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

constexpr const char* kSaveDialogTitle = "기후데이터 추출후 저장할 파일명";
constexpr std::string_view kSaveDialogFilter = "모든 파일(*.*)|*.*";

// Bits of the six drawing options.
enum Option : std::size_t { kGrid, kData, kNeed, kGuide, kLabels, kAnalysis };

template <std::size_t N>
std::array<std::string, N> texts(const std::array<QLineEdit*, N>& fields) {
  std::array<std::string, N> out;
  for (std::size_t i = 0; i < N; ++i) out[i] = fields[i]->text().toStdString();
  return out;
}

template <std::size_t N>
std::array<bool, N> ticked(const std::array<QCheckBox*, N>& boxes) {
  std::array<bool, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = boxes[i]->isChecked();
  return out;
}

template <std::size_t N>
void fill(const std::array<QLineEdit*, N>& fields, const std::array<const char*, N>& values) {
  for (std::size_t i = 0; i < N; ++i) fields[i]->setText(values[i]);
}

}  // namespace

Frm12::Frm12(AppState& state, QWidget* parent)
    : Page(state, "frm12", "1-기후분석", parent), saveFile_(systemSaveFileDialog(true)) {
  // Printing keeps the bioclimatic chart in its picture's persistent image.
  setPrintFlag(&PrintFlags::BioChartPrinted);
  tab_ = new QTabWidget(this);
  tab_->setObjectName("tab12");
  tab_->addTab(createChartTab(), "건물생체기후도");
  tab_->addTab(createAnalysisTab(), "분석 결과 및 기후설계 지침별 순위");
  tab_->addTab(createExtractTab(), "기후데이터 추출, 저장");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tab_);
  auto* exporter = new ExportCommands(state.sink(), this);
  exporter->attachFigure(picture_, [this] { return currentFigure(); });
  exporter->attachTable(
      tab_->widget(1), [this] { return analysisTable(); },
      [this] {
        return shownAnalysis_
                   ? AnalysisTableCaption(shownAnalysis_->summary[0], shownAnalysis_->summary[2])
                   : std::string();
      });
  formLoad();
}

std::optional<render::Figure> Frm12::currentFigure() const {
  if (tab_->currentIndex() != 0 || picture_->blank()) return std::nullopt;
  std::vector<Drawing> layers = picture_->layers();
  // The screen shows its labels as controls over the picture; the figure carries them as texts.
  Drawing labels(picture_->drawing().scale());
  AppendAxisLabelTexts(labels, shownLabels_);
  layers.push_back(std::move(labels));
  return render::drawingFigure(std::move(layers), QSizeF(picture_->size()), figureCaption_);
}

std::optional<TextTable> Frm12::analysisTable() const {
  if (tab_->currentIndex() != 1 || !shownAnalysis_) return std::nullopt;
  return AnalysisTable(*shownAnalysis_);
}

void Frm12::formLoad() {
  tab_->setCurrentIndex(0);
  modes_[0]->setChecked(true);
  selectPeriodMode(PeriodMode::Hourly);
  fill(hourFields_, {"1", "1", "0", "12", "31", "23"});
  fill(dayFields_, {"1", "1", "12", "31"});
  fill(monthFields_, {"1", "12"});
  ShowAxisLabels(0);
  drawProgress_->setValue(0);
  ShowAnalysis(0);
  fill(extractFields_, {"1", "1", "0", "12", "31", "23"});
  setProgressLabel("");
}

void Frm12::setRegion(const QString& name, const QString& path) {
  drawOption_->setTitle(QString::fromStdString(drawOptionCaption(name.toStdString())));
  regionLabel_->setText(name);
  pathLabel_->setText(path);
  // Points and figures of the year before must not stand under the new caption.
  if (yearOnChart_) cmd12aErase_Click();
  ShowAnalysis(0);
}

std::string Frm12::loadedRegion() const {
  return state().climate().loaded() ? regionLabel_->text().toStdString() : std::string();
}

// Each mode enables its own fields and up-downs; what was typed stays.
void Frm12::selectPeriodMode(PeriodMode mode) {
  const auto enable = [](auto& fields, bool on) {
    for (QLineEdit* f : fields) f->setEnabled(on);
  };
  enable(hourFields_, mode == PeriodMode::Hourly);
  enable(dayFields_, mode == PeriodMode::Daily);
  enable(monthFields_, mode == PeriodMode::Monthly);
  for (std::size_t i = 0; i < upDowns_.size(); ++i) {
    const PeriodMode kind = i < 6    ? PeriodMode::Hourly
                            : i < 10 ? PeriodMode::Daily
                                     : PeriodMode::Monthly;
    upDowns_[i]->setEnabled(kind == mode);
  }
}

PeriodMode Frm12::periodMode() const {
  if (modes_[0]->isChecked()) return PeriodMode::Hourly;
  if (modes_[1]->isChecked()) return PeriodMode::Daily;
  return PeriodMode::Monthly;
}

PeriodFields Frm12::periodFields() const {
  PeriodFields fields;
  fields.hourly = texts(hourFields_);
  fields.daily = texts(dayFields_);
  fields.monthly = texts(monthFields_);
  return fields;
}

void Frm12::clearChart() {
  clearPicture(*picture_, state().printFlags().BioChartPrinted);
  yearOnChart_ = false;
  plotted_ = PlottedPoints{};
  outlines_ = ZoneOutlineItems{};
  drawnChart_ = Drawing{};
  periodFigures_ = AnalysisTexts{};
  pmvLegend_->clear();
  clearZoneFocus();
}

void Frm12::clearZoneFocus() {
  focus_.reset();
  focusLabel_->clear();
}

void Frm12::singleOutZone(std::size_t zone) {
  if (zone >= kZoneOutlineCount) return;
  // Only while the picture still shows the drawing the outlines were noted in
  // (printing moves it into the persistent image).
  const bool onShow =
      !drawnChart_.empty() && picture_->drawing().items().size() == drawnChart_.items().size();
  if (focus_ == zone) {
    clearZoneFocus();
    if (onShow) picture_->setDrawing(drawnChart_);
    return;
  }
  focus_ = zone;
  focusLabel_->setText(QString::fromStdString(ZoneFocusText(zone, periodFigures_)));
  if (onShow) picture_->setDrawing(SingleOutZone(drawnChart_, outlines_, zone));
}

void Frm12::singleOutFrom(QLabel* rowCaption, std::size_t zone) {
  zoneRowCaptions_[zone] = rowCaption;
  rowCaption->setCursor(Qt::PointingHandCursor);
  rowCaption->installEventFilter(this);
}

bool Frm12::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (std::size_t z = 0; z < zoneRowCaptions_.size(); ++z) {
      if (watched != zoneRowCaptions_[z]) continue;
      tab_->setCurrentIndex(0);
      singleOutZone(z);
      return true;
    }
  }
  return Page::eventFilter(watched, event);
}

void Frm12::readChartAt(QPointF user, QPoint pixel) {
  std::string text;
  if (!picture_->blank() && picture_->width() > 0) {
    const UserScale& scale = picture_->drawing().scale();
    const float perPixel = (scale.right - scale.left) / static_cast<float>(picture_->width());
    text = BioChartReadout(chart_, plotted_, state().climate(), static_cast<float>(user.x()),
                           static_cast<float>(user.y()), kReadoutReachPixels * perPixel);
  }
  showPointerReadout(*picture_, QString::fromStdString(text), pixel);
}

void Frm12::cmd12aDraw_Click() {
  clearChart();
  guarded([this] {
    if (!readPmvSettings()) return;
    if (SetPatm(0, state().psychro()) == -1) return;
    picture_->editDrawing().setScale(
        chart_.SetChartScale(static_cast<float>(picture_->width()) * kChartUnitsPerPixel,
                             static_cast<float>(picture_->height()) * kChartUnitsPerPixel));
    DrawChart();
  });
  // A drawing cut short by a failure is no longer under way.
  drawProgress_->setValue(0);
}

void Frm12::DrawChart() {
  const std::array<bool, 6> on = ticked(options_);
  int sum = 0;
  for (std::size_t i = 0; i < on.size(); ++i) sum += on[i] ? 1 << i : 0;
  const PeriodMode mode = periodMode();
  if (on[kData] || on[kAnalysis]) {
    if (SetPeriod(loadedRegion(), mode, periodFields(), periodStart_, periodEnd_, sink()) == -1) {
      ShowAxisLabels(0);
      ShowAnalysis(0);
      return;
    }
  }
  SilentSink quiet;
  figureCaption_ = BioChartCaption(state().climate().RegionName,
                                   on[kData] ? PeriodText(periodStart_, periodEnd_, quiet) : "");
  drawProgress_->setValue(sum != 0 ? 1 : 0);
  drawProgress_->repaint();

  if (on[kData] || on[kAnalysis]) {
    SilentSink quiet;  // the analysis tab reports its own messages
    periodFigures_ = vlm::ShowAnalysis(state().climate(), periodStart_, periodEnd_, chart_, quiet);
  }
  BioChart c{picture_->editDrawing(), chart_, state().psychro(), sink()};
  if (on[kGrid]) DrawPsychroGrid(c);
  if (on[kData]) {
    yearOnChart_ = true;
    PlotClimateData(c, state().climate(), mode, periodStart_, periodEnd_);
    plotted_ = ListPlottedPoints(chart_, state().climate(), mode, periodStart_, periodEnd_);
  }
  std::array<ZoneItems, 5> need{};
  std::array<ZoneItems, 9> guide{};
  if (on[kNeed]) DrawNeedZones(c, ticked(needZones_), &need);
  if (on[kGuide]) DrawGuideZones(c, ticked(guideZones_), &guide);
  drawPmvOutline(c, on[kData]);
  std::copy(need.begin(), need.end(), outlines_.begin());
  std::copy(guide.begin(), guide.end(), outlines_.begin() + need.size());
  if (on[kLabels]) ShowAxisLabels(1);
  if (on[kAnalysis]) ShowAnalysis(1);
  if (!on[kLabels]) ShowAxisLabels(0);
  if (!on[kAnalysis]) ShowAnalysis(0);
  drawnChart_ = picture_->drawing();
  drawProgress_->setValue(0);
}

void Frm12::cmd12aErase_Click() {
  clearChart();
  ShowAxisLabels(0);
  ShowAnalysis(0);
}

void Frm12::ShowAxisLabels(int16_t mode) {
  BioChart c{picture_->editDrawing(), chart_, state().psychro(), sink()};
  const std::vector<AxisLabel> labels = vlm::ShowAxisLabels(c, mode);
  if (mode == 1) {
    chartLabels_->show(labels);
    shownLabels_ = labels;
  } else if (mode == 0) {
    chartLabels_->hide();
    shownLabels_.clear();
  }
}

void Frm12::ShowAnalysis(int16_t mode) {
  if (mode == 0) {
    showAnalysisTexts(AnalysisTexts{});
    shownAnalysis_.reset();
  } else if (mode == 1) {
    shownAnalysis_ = vlm::ShowAnalysis(state().climate(), periodStart_, periodEnd_, chart_, sink());
    showAnalysisTexts(*shownAnalysis_);
  }
}

void Frm12::showAnalysisTexts(const AnalysisTexts& t) {
  const auto set = [](QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
  };
  for (std::size_t i = 0; i < 3; ++i) set(summary_[i], t.summary[i]);
  for (std::size_t i = 0; i < 3; ++i) set(errors_[i], t.errors[i]);
  for (std::size_t i = 0; i < needRows_.size(); ++i) {
    set(needRows_[i][0], t.need[i].hours);
    set(needRows_[i][1], t.need[i].percent);
    set(needRows_[i][2], t.need[i].rank);
  }
  for (std::size_t i = 0; i < guideRows_.size(); ++i) {
    set(guideRows_[i][0], t.guide[i].hours);
    set(guideRows_[i][1], t.guide[i].percent);
    set(guideRows_[i][2], t.guide[i].rank);
  }
  // The label breaks lines at LF; the text joins its lines with CR LF.
  QString best = QString::fromStdString(t.mostImportant);
  best.remove('\r');
  mostImportant_->setText(best);
}

void Frm12::setProgressLabel(const QString& text) {
  extractProgress_->setFrameStyle(text.isEmpty() ? QFrame::NoFrame : QFrame::Box | QFrame::Plain);
  extractProgress_->setText(text);
}

void Frm12::cmd12cSave_Click() {
  std::optional<ReportPeriod> period;
  const bool checked =
      guarded([&] { period = CheckReportPeriod(loadedRegion(), texts(extractFields_), sink()); });
  if (!checked || !period) return;

  // From the dialog on, a cancel or a failure ends the command without a box;
  // the report is written whole or not at all, and the label is restored.
  const std::optional<QString> path = saveFile_(
      this, FileDialogRequest{
                kSaveDialogTitle, QString::fromStdString(state().programDir()),
                qtFileFilter(kSaveDialogFilter), "Report",
                QString::fromStdString(ReportFileName(regionLabel_->text().toStdString(), *period)),
                "txt"});
  if (!path) return;
  setProgressLabel(*path + " 파일 저장중...");
  extractProgress_->repaint();
  try {
    WriteClimateReport(path->toStdString(), state().climate(), *period, sink());
  } catch (const std::exception&) {
    setProgressLabel("");
    return;
  }
  sink().show(ReportSavedMessage());
  setProgressLabel("");
}

}  // namespace vlm
