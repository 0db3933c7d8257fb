#include "gui/pages/frm32.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/pages/unfinished_notice.h"

namespace vlm {

Frm32::Frm32(AppState& state, QWidget* parent) : Page(state, "frm32", "32-습공기상태계산", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(unfinishedNotice(this));
}

}  // namespace vlm
