#include "gui/pages/frm16.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/comfort/adaptive_chart.h"
#include "core/comfort/comfort_classes.h"
#include "core/comfort/comfort_messages.h"
#include "core/comfort/comfort_share_chart.h"
#include "core/report/comfort_table.h"
#include "gui/export_commands.h"
#include "gui/pages/pmv_boxes.h"
#include "gui/pages/result_grid.h"
#include "gui/pages/seasonal_tab.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

QLabel* named(QLabel* label, const char* name) {
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QStringList rowCaptions() {
  QStringList rows;
  for (int m = 1; m <= 12; ++m) rows << QString::number(m) + QStringLiteral("월");
  rows << QStringLiteral("년간");
  return rows;
}

// The table's columns for a model: its classes and the missing hours.
QStringList columnCaptions(ComfortModel model) {
  const TextTable empty = ComfortTable(ComfortYear{model, BandCount(model), {}, {}});
  QStringList columns;
  for (std::size_t c = 1; c < empty.rows[0].size(); ++c) columns << utf8Text(empty.rows[0][c]);
  return columns;
}

PictureBox* picture(const char* name, QWidget* parent) {
  auto* p = new PictureBox(parent);
  p->setObjectName(name);
  p->setMinimumSize(600, 400);
  return p;
}

}  // namespace

Frm16::Frm16(AppState& state, QWidget* parent)
    : Page(state, "frm16", "1-열쾌적 분석", parent),
      region_(named(new QLabel(this), "lbl16d")),
      path_(named(new QLabel(this), "lbl16e")),
      pmvBoxes_(new PmvBoxes(QStringLiteral("16"), this)),
      tabs_(new QTabWidget(this)),
      table_(new ResultGrid("grd16", rowCaptions(), columnCaptions(ComfortModel::AshraeAdaptive),
                            this)),
      shares_(picture("pic16Share", this)),
      adaptive_(picture("pic16Adaptive", this)) {
  auto* summary = new QGroupBox(QStringLiteral("정보요약"), this);
  summary->setObjectName("fra16");
  auto* row = new QHBoxLayout(summary);
  row->addWidget(named(new QLabel(QStringLiteral("대상지역 :"), summary), "lbl16a"));
  row->addWidget(region_);
  row->addSpacing(24);
  row->addWidget(named(new QLabel(QStringLiteral("기후파일 :"), summary), "lbl16b"));
  row->addWidget(path_, 1);

  auto* modelFrame = new QGroupBox(QStringLiteral("쾌적 모델"), this);
  modelFrame->setObjectName("fra16Model");
  auto* modelLayout = new QVBoxLayout(modelFrame);
  const std::array<std::pair<ComfortModel, const char*>, 3> kModels{{
      {ComfortModel::AshraeAdaptive, "opt16Ashrae"},
      {ComfortModel::EnAdaptive, "opt16EN"},
      {ComfortModel::Pmv, "opt16PMV"},
  }};
  for (std::size_t i = 0; i < kModels.size(); ++i) {
    models_[i] = new QRadioButton(utf8Text(ComfortModelName(kModels[i].first)), modelFrame);
    models_[i]->setObjectName(kModels[i].second);
    modelLayout->addWidget(models_[i]);
  }
  modelLayout->addWidget(pmvBoxes_);
  models_[0]->setChecked(true);
  pmvBoxes_->setEnabled(false);
  connect(models_[2], &QRadioButton::toggled, pmvBoxes_, &QWidget::setEnabled);

  auto* calc = new QPushButton(QStringLiteral("계산"), this);
  calc->setObjectName("cmd16Calc");
  calc->setToolTip(QStringLiteral("월별, 년간 열쾌적 시간수를 계산하고 그립니다."));
  connect(calc, &QPushButton::clicked, this, &Frm16::cmd16Calc_Click);
  auto* erase = new QPushButton(QStringLiteral("지우기"), this);
  erase->setObjectName("cmd16Erase");
  erase->setToolTip(QStringLiteral("열쾌적 분석 결과를 지웁니다."));
  connect(erase, &QPushButton::clicked, this, &Frm16::cmd16Erase_Click);

  auto* side = new QVBoxLayout;
  side->addWidget(modelFrame);
  side->addWidget(calc);
  side->addWidget(erase);
  side->addStretch(1);

  tabs_->setObjectName("tab16");
  tabs_->addTab(table_, QStringLiteral("월별 시간수"));
  tabs_->addTab(shares_, QStringLiteral("월별 비율"));
  tabs_->addTab(adaptive_, QStringLiteral("적응형 차트"));

  auto* body = new QHBoxLayout;
  body->addLayout(side);
  body->addWidget(tabs_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addLayout(body, 1);

  auto* exporter = new ExportCommands(state.sink(), this);
  exporter->attachFigure(shares_, [this] { return figureOf(*shares_); });
  exporter->attachFigure(adaptive_, [this] { return figureOf(*adaptive_); });
  exporter->attachTable(table_, [this] { return table_->textTable(); });
}

ComfortModel Frm16::chosenModel() const {
  if (models_[1]->isChecked()) return ComfortModel::EnAdaptive;
  if (models_[2]->isChecked()) return ComfortModel::Pmv;
  return ComfortModel::AshraeAdaptive;
}

void Frm16::cmd16Calc_Click() {
  if (!state().climate().loaded()) {
    sink().show(NoComfortRegionMessage());
    return;
  }
  guarded([this] {
    ComfortSettings settings{chosenModel()};
    if (settings.model == ComfortModel::Pmv) {
      const std::optional<ComfortSettings> pmv = pmvBoxes_->read(sink());
      if (!pmv) return;
      settings = *pmv;
    }
    clearResults();
    showYear(ClassifyComfortYear(state().climate(), settings));
  });
}

void Frm16::showYear(const ComfortYear& year) {
  shownModel_ = year.model;
  table_->setColumnCount(0);
  const QStringList columns = columnCaptions(year.model);
  table_->setColumnCount(static_cast<int>(columns.size()));
  table_->setHorizontalHeaderLabels(columns);
  table_->clearTexts();  // cells for the new columns
  const TextTable t = ComfortTable(year);
  for (std::size_t r = 1; r < t.rows.size(); ++r)
    for (std::size_t c = 1; c < t.rows[r].size(); ++c)
      table_->setText(static_cast<int>(r - 1), static_cast<int>(c - 1), utf8Text(t.rows[r][c]));
  const std::string& region = state().climate().RegionName;
  showDrawing(*shares_, BuildComfortShareChart(year, region));
  if (year.model != ComfortModel::Pmv)
    showDrawing(*adaptive_, BuildAdaptiveChart(state().climate(), year.model, region));
}

void Frm16::cmd16Erase_Click() { clearResults(); }

void Frm16::clearResults() {
  table_->clearTexts();
  erasePicture(*shares_);
  erasePicture(*adaptive_);
}

std::optional<render::Figure> Frm16::figureOf(const PictureBox& picture) const {
  const char* kind = &picture == shares_ ? kComfortShareKind : kAdaptiveChartKind;
  return pictureFigure(picture, ComfortCaption(state().climate().RegionName, shownModel_, kind));
}

std::optional<render::Figure> Frm16::currentFigure() const {
  if (tabs_->currentWidget() == shares_) return figureOf(*shares_);
  if (tabs_->currentWidget() == adaptive_) return figureOf(*adaptive_);
  return std::nullopt;
}

void Frm16::setRegion(const QString& name, const QString& path) {
  region_->setText(name);
  path_->setText(path);
  clearResults();
}

}  // namespace vlm
