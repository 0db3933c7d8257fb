// Tab 2 of frm31: the summary of site and shade, the shading mask over a
// second sun-path diagram (with the loaded year's hours under it when ticked),
// how to read the mask, and how the shade performs over the loaded year.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/report/figure_caption.h"
#include "core/solar/climate_overlay.h"
#include "core/solar/diagram_legend.h"
#include "gui/pages/frm31.h"
#include "gui/pages/frm31_performance.h"
#include "gui/pages/frm31_widgets.h"
#include "gui/pages/progress_bar.h"
#include "render/picture_box.h"

namespace vlm {
using frm31::button;
using frm31::labelNames;
using frm31::plainLabel;
using frm31::qs;

namespace {

QLabel* valueLabel(const QString& name, QWidget* parent) {
  QLabel* label = plainLabel(name, QString(), parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(150);
  return label;
}

}  // namespace

QWidget* Frm31::createMaskTab() {
  auto* tab = new QWidget;
  auto* draw = button("cmd31SMDraw", "그리기", "음영마스크 그리기", tab);
  auto* erase = button("cmd31SMErase", "지우기", "음영마스크 지우기", tab);
  connect(draw, &QPushButton::clicked, this, &Frm31::cmd31SMDraw_Click);
  connect(erase, &QPushButton::clicked, this, &Frm31::cmd31SMErase_Click);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(draw);
  buttons->addWidget(erase);

  mask_ = createTarget("pic31SM", "prog31SMDraw", labelNames("lbl31SM", "1"), tab);
  connect(mask_.picture, &PictureBox::pointerMoved, this,
          [this](QPointF user, QPoint pixel) { readDiagramAt(mask_, user, pixel); });

  maskClimate_ = frm31::climateBox("chk31SMClimate", tab);
  performance_ = new ShadePerformanceFrame(tab);

  auto* left = new QVBoxLayout;
  left->addWidget(createSummary());
  left->addLayout(buttons);
  left->addWidget(maskClimate_);
  left->addWidget(mask_.progress);
  left->addStretch(1);
  // The legend and the performance share the row under the summary and the
  // mask, so that the mask keeps the height it needs at 1024 × 700.
  auto* layout = new QGridLayout(tab);
  layout->addLayout(left, 0, 0);
  layout->addWidget(mask_.box, 0, 1);
  layout->addWidget(createMaskLegend(), 1, 0);
  layout->addWidget(performance_, 1, 1);
  layout->setRowStretch(0, 1);
  layout->setColumnStretch(1, 1);
  return tab;
}

QWidget* Frm31::createSummary() {
  auto* frame = new QGroupBox("정보 요약");
  frame->setObjectName("fra31SMsummary");
  auto* grid = new QGridLayout(frame);
  int row = 0;
  const auto add = [&](const QString& name, const QString& caption) {
    QLabel* value = valueLabel(name, frame);
    grid->addWidget(plainLabel(name + "Caption", caption, frame), row, 0);
    grid->addWidget(value, row++, 1);
    return value;
  };
  sumCity_ = add("lbl31SMcity", "대상지역 :");
  sumLatitude_ = add("lbl31SMlatitude", "위  도(°) :");
  sumDevice_ = add("lbl31SMdevice", "차양종류 :");
  grid->addWidget(plainLabel("lbl31SMangles", "음영각 정보", frame), row++, 0, 1, 2);
  sumV_ = add("lbl31SMv", "- 수직음영각(°) :");
  sumHw_ = add("lbl31SMhw", "- 수평음영각(°, 서) :");
  sumHe_ = add("lbl31SMhe", "- 수평음영각(°, 동) :");
  sumS_ = add("lbl31SMs", "- 면방위각(°) :");
  return frame;
}

QWidget* Frm31::createMaskLegend() {
  auto* frame = new QGroupBox("음영 평가 방법");
  frame->setObjectName("fra31SMLegend");
  auto* box = new QVBoxLayout(frame);
  box->addWidget(plainLabel("lbl31SMLegend", qs(kMaskLegendText), frame));
  return frame;
}

void Frm31::cmd31SMDraw_Click() {
  clearTarget(mask_);
  performance_->clearPerformance();
  // Ticked, the summary names the loaded year's site and the mask is drawn for
  // it; unticked, the summary is again what tab 0 gave it.
  const bool withClimate = maskClimate_->isChecked() && !climateUnavailable();
  if (withClimate) {
    const DiagramSite site = DiagramSiteOf(*state().climate().site, state().climate().RegionName);
    sumCity_->setText(QString::fromStdString(site.name));
    sumLatitude_->setText(QString::fromStdString(site.latitudeText));
  } else {
    sumCity_->setText(QString::fromStdString(tabCity_));
    sumLatitude_->setText(QString::fromStdString(tabLatitude_));
  }
  SunPathPicture drawn(geometry_);
  ProgressBar* bar = mask_.progress;
  const MaskSummary captions = summary();
  // The dots go under the outline, which stays readable over them.
  const auto dots = [this, withClimate](Drawing& drawing) {
    if (withClimate) DrawClimateOverlay(drawing, geometry_, climateHours());
  };
  guarded([&] {
    DrawShadingMask(
        drawn, geometry_, shadeType_, captions, sink(),
        [bar](int percent) { bar->showProgress(percent); }, dots);
  });
  showDrawing(mask_, drawn);
  mask_.caption = ShadingMaskCaption(captions.latitude, captions.device);
  SilentSink checked;  // the drawing has shown any message already
  if (drawn.labels.empty()) return;
  mask_.latitude = ReadMaskLatitude(captions, checked);
  if (const auto angles = ReadShadeAngles(shadeType_, captions, checked)) {
    mask_.mask = std::pair{shadeType_, *angles};
    if (!climateUnavailable()) guarded([&] { showPerformance(*angles, captions); });
  }
}

void Frm31::showPerformance(const ShadeAngles& angles, const MaskSummary& captions) {
  const std::vector<FacadeHour> hours = FacadeHours(climateHours(), angles.s);
  performance_->showPerformance(
      PerformanceOf(hours, Shade::Of(shadeType_, angles)), SuggestOverhang(hours),
      ShadePerformanceCaption(state().climate().RegionName, captions.device));
}

void Frm31::cmd31SMErase_Click() {
  clearTarget(mask_);
  performance_->clearPerformance();
}

}  // namespace vlm
