// frm12, the climate-analysis page "1-기후분석". The region page writes the
// loaded region into it through setRegion().
#pragma once

#include "gui/pages/page.h"

class QGroupBox;
class QLabel;

namespace vlm {

class Frm12 : public Page {
  Q_OBJECT

 public:
  Frm12(AppState& state, QWidget* parent);

 public slots:
  // The region just loaded: the caption of fra12aDrawOption names it, lbl12c14
  // shows it and lbl12c15 shows the file it came from.
  void setRegion(const QString& name, const QString& path);

 private:
  QGroupBox* drawOption_;
  QLabel* regionLabel_;
  QLabel* pathLabel_;
};

}  // namespace vlm
