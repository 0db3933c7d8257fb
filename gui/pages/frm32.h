// frm32, the page "32-습공기상태계산" of the navigation pane.
#pragma once

#include "gui/pages/page.h"

namespace vlm {

class Frm32 : public Page {
  Q_OBJECT

 public:
  Frm32(AppState& state, QWidget* parent);
};

}  // namespace vlm
