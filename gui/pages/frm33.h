// frm33, the page "33-기후파일변환" of the navigation pane.
#pragma once

#include "gui/pages/page.h"

namespace vlm {

class Frm33 : public Page {
  Q_OBJECT

 public:
  Frm33(AppState& state, QWidget* parent);
};

}  // namespace vlm
