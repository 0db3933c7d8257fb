#include "gui/pages/frm31.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/pages/unfinished_notice.h"

namespace vlm {

Frm31::Frm31(AppState& state, QWidget* parent) : Page(state, "frm31", "31-태양궤적,음영평가", parent) {
  // Printing keeps pic31Schart and pic31SM in their persistent images.
  setPrintFlag(&PrintFlags::DiagramPrinted);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(unfinishedNotice(this));
}

}  // namespace vlm
