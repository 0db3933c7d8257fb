// The PMV outline of the chart tab: chk12aPMV with its three boxes. Unticked,
// the chart is drawn as the options alone say.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/comfort/comfort_texts.h"
#include "core/comfort/pmv_outline.h"
#include "gui/app_state.h"
#include "gui/pages/frm12.h"
#include "gui/pages/pmv_boxes.h"

namespace vlm {

QGroupBox* Frm12::createPmvFrame() {
  auto* frame = new QGroupBox(QString::fromUtf8(comfort_texts::kPmvOutlineCaption));
  frame->setObjectName("fra12aPMV");
  pmvOutline_ = new QCheckBox(QString::fromUtf8(comfort_texts::kPmvOutlineCaption), frame);
  pmvOutline_->setObjectName("chk12aPMV");
  pmvOutline_->setToolTip(
      QStringLiteral("평균복사온도를 기온과 같게 하여 |PMV| ≤ 0.5 인 범위를 차트에 표시합니다."));
  pmvBoxes_ = new PmvBoxes(QStringLiteral("12a"), frame);
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(pmvOutline_);
  layout->addWidget(pmvBoxes_);
  connect(pmvOutline_, &QCheckBox::toggled, pmvBoxes_, &QWidget::setEnabled);
  pmvBoxes_->setEnabled(false);
  pmvLegend_ = new QLabel;
  pmvLegend_->setObjectName("lbl12aPMV");
  pmvLegend_->setTextFormat(Qt::PlainText);
  return frame;
}

bool Frm12::readPmvSettings() {
  if (!pmvOutline_->isChecked()) return true;
  const std::optional<ComfortSettings> settings = pmvBoxes_->read(sink());
  if (!settings) return false;
  pmvSettings_ = *settings;
  return true;
}

void Frm12::drawPmvOutline(BioChart& c, bool dataPlotted) {
  pmvLegend_->clear();
  if (!pmvOutline_->isChecked()) return;
  const std::optional<int> inside =
      dataPlotted ? std::optional(CountInsidePmvComfort(plotted_, pmvSettings_, c.psychro))
                  : std::nullopt;
  const std::string legend = PmvOutlineLegend(pmvSettings_, inside, plotted_.mode);
  DrawPmvOutline(c, PmvComfortOutline(pmvSettings_, c.psychro, c.chart), legend);
  pmvLegend_->setText(QString::fromStdString(legend));
}

}  // namespace vlm
