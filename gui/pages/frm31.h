// frm31, the page "31-태양궤적,음영평가" of the navigation pane.
#pragma once

#include "gui/pages/page.h"

namespace vlm {

class Frm31 : public Page {
  Q_OBJECT

 public:
  Frm31(AppState& state, QWidget* parent);
};

}  // namespace vlm
