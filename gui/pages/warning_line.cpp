#include "gui/pages/warning_line.h"

#include <QLabel>
#include <QPalette>

namespace vlm {

QLabel* createWarningLine(const QString& name, QWidget* parent) {
  auto* line = new QLabel(parent);
  line->setObjectName(name);
  line->setWordWrap(true);
  QPalette red = line->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  line->setPalette(red);
  return line;
}

}  // namespace vlm
