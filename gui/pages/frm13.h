// frm13, the monthly-climate page "1-월별 기후표현". The region page writes the
// loaded region into it through setRegion(); an empty lbl131d means that no
// region is loaded.
#pragma once

#include "gui/pages/page.h"

class QLabel;

namespace vlm {

class Frm13 : public Page {
  Q_OBJECT

 public:
  Frm13(AppState& state, QWidget* parent);

 public slots:
  // lbl131d and lbl132d show the region, lbl131e and lbl132e its file.
  void setRegion(const QString& name, const QString& path);

 private:
  QLabel* region1_;
  QLabel* region2_;
  QLabel* path1_;
  QLabel* path2_;
};

}  // namespace vlm
