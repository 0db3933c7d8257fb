#include "gui/pages/frm32_comfort.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/comfort/state_comfort.h"
#include "gui/pages/pmv_boxes.h"

namespace vlm {
namespace {

QLabel* value(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setMinimumWidth(60);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

Frm32Comfort::Frm32Comfort(MessageSink& sink, QWidget* parent)
    : QGroupBox(QStringLiteral("열쾌적 (평균복사온도 = 건구온도)"), parent),
      sink_(sink),
      boxes_(new PmvBoxes(QStringLiteral("32"), this)),
      pmv_(value("lbl32PMV", this)),
      ppd_(value("lbl32PPD", this)),
      note_(value("lbl32PMVNote", this)) {
  setObjectName("fra32PMV");
  auto* again = new QPushButton(QStringLiteral("PMV 계산"), this);
  again->setObjectName("cmd32PMV");
  again->setToolTip(QStringLiteral("계산된 습공기 상태의 PMV와 PPD를 다시 계산합니다."));
  connect(again, &QPushButton::clicked, this, [this] {
    if (state_) showFor(*state_);
  });
  auto* results = new QGridLayout;
  results->addWidget(new QLabel(QStringLiteral("PMV"), this), 0, 0);
  results->addWidget(pmv_, 0, 1);
  results->addWidget(new QLabel(QStringLiteral("PPD"), this), 1, 0);
  results->addWidget(ppd_, 1, 1);
  results->addWidget(new QLabel(QStringLiteral("%"), this), 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(boxes_);
  layout->addLayout(results);
  layout->addWidget(note_);
  layout->addWidget(again, 0, Qt::AlignRight);
}

void Frm32Comfort::showFor(const AirState& state) {
  clear();
  state_ = state;
  const std::optional<ComfortSettings> settings = boxes_->read(sink_);
  if (!settings) return;
  const StateComfort c = ComfortOfState(state.dbt, state.vp, *settings);
  pmv_->setText(QString::fromStdString(c.pmvText));
  ppd_->setText(QString::fromStdString(c.ppdText));
  note_->setText(QString::fromStdString(c.note));
}

void Frm32Comfort::clear() {
  state_.reset();
  pmv_->clear();
  ppd_->clear();
  note_->clear();
}

}  // namespace vlm
