#include "gui/pages/unfinished_notice.h"

#include <QLabel>

namespace vlm {

QLabel* unfinishedNotice(QWidget* parent) {
  auto* label = new QLabel("이 화면의 기능은 아직 만들어지는 중입니다.", parent);
  label->setObjectName("lblUnfinished");
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet("color: #808080;");
  return label;
}

}  // namespace vlm
