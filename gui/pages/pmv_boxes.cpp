#include "gui/pages/pmv_boxes.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/comfort/comfort_texts.h"
#include "core/comfort/pmv.h"

namespace vlm {
namespace {

struct Box {
  const char* suffix;
  const char* caption;
  const char* unit;
  const char* initial;
  PmvBox kind;
};

constexpr std::array<Box, 3> kBoxes{{
    {"Met", comfort_texts::kMetabolicRate, "met", "1.1", PmvBox::Met},
    {"Clo", comfort_texts::kClothing, "clo", "0.5", PmvBox::Clo},
    {"AirSpeed", comfort_texts::kAirSpeed, "m/s", "0.1", PmvBox::AirSpeed},
}};

}  // namespace

PmvBoxes::PmvBoxes(const QString& prefix, QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    const Box& b = kBoxes[i];
    boxes_[i] = new QLineEdit(QString::fromLatin1(b.initial), this);
    boxes_[i]->setObjectName("txt" + prefix + b.suffix);
    boxes_[i]->setMaximumWidth(56);
    const int row = static_cast<int>(i);
    grid->addWidget(new QLabel(QString::fromUtf8(b.caption), this), row, 0);
    grid->addWidget(boxes_[i], row, 1);
    grid->addWidget(new QLabel(QString::fromLatin1(b.unit), this), row, 2);
  }
  grid->setColumnStretch(3, 1);
}

std::optional<ComfortSettings> PmvBoxes::read(MessageSink& sink) const {
  std::array<double, 3> values{};
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    const std::optional<double> v =
        ReadPmvBox(kBoxes[i].kind, boxes_[i]->text().toStdString(), sink);
    if (!v) {
      boxes_[i]->setFocus();
      return std::nullopt;
    }
    values[i] = *v;
  }
  return ComfortSettings{ComfortModel::Pmv, values[0], values[1], values[2]};
}

}  // namespace vlm
