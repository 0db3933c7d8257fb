#include "gui/pages/carpet_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/psychro/psychro_chart.h"
#include "core/report/figure_caption.h"
#include "core/seasonal/carpet.h"
#include "gui/app_state.h"
#include "render/picture_box.h"

namespace vlm {

CarpetTab::CarpetTab(AppState& state, QWidget* parent)
    : SeasonalTab(state, parent),
      byZone_(new QRadioButton(QStringLiteral("생체기후적 요구 죤"), this)),
      byDryBulb_(new QRadioButton(QStringLiteral("건구온도"), this)),
      picture_(new PictureBox(this)) {
  auto* colouring = new QGroupBox(QStringLiteral("색구분"), this);
  colouring->setObjectName("fra14b");
  auto* options = new QVBoxLayout(colouring);
  byZone_->setObjectName("opt14bZone");
  byDryBulb_->setObjectName("opt14bDBT");
  for (QRadioButton* option : {byZone_, byDryBulb_}) {
    option->setParent(colouring);
    option->setToolTip(QStringLiteral("시간별 분포의 색구분 기준을 선택하세요."));
    options->addWidget(option);
  }
  byZone_->setChecked(true);

  auto* side = new QVBoxLayout;
  side->addWidget(colouring);
  side->addWidget(button(QStringLiteral("그리기"), "cmd14bDraw",
                         QStringLiteral("시간별 분포를 그립니다."),
                         [this] { cmd14bDraw_Click(); }));
  side->addWidget(button(QStringLiteral("지우기"), "cmd14bErase",
                         QStringLiteral("시간별 분포를 지웁니다."),
                         [this] { cmd14bErase_Click(); }));
  side->addStretch(1);

  picture_->setObjectName("pic14bCarpet");
  picture_->setMinimumSize(480, 270);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(side);
  layout->addWidget(picture_, 1);
}

void CarpetTab::clearResults() { erasePicture(*picture_); }

void CarpetTab::cmd14bDraw_Click() {
  whenLoaded([this] {
    const CarpetColouring colouring =
        byDryBulb_->isChecked() ? CarpetColouring::DryBulb : CarpetColouring::Zone;
    showDrawing(*picture_, BuildCarpet(state().climate(), PsychroChart{}, colouring));
    caption_ = CarpetCaption(state().climate().RegionName, colouring);
  });
}

std::optional<render::Figure> CarpetTab::figure() const {
  return pictureFigure(*picture_, caption_);
}

void CarpetTab::cmd14bErase_Click() { clearResults(); }

}  // namespace vlm
