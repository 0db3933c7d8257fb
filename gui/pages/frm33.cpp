#include "gui/pages/frm33.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/pages/unfinished_notice.h"

namespace vlm {

Frm33::Frm33(AppState& state, QWidget* parent) : Page(state, "frm33", "33-기후파일변환", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(unfinishedNotice(this));
}

}  // namespace vlm
