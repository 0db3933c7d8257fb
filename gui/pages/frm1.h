// frm1, the group page: the product's title and version and, when a group
// item of the navigation tree is selected, the group's subtitle and the list of
// what its screens do.
#pragma once

#include "gui/pages/page.h"

class QLabel;

namespace vlm {

class Frm1 : public Page {
  Q_OBJECT

 public:
  Frm1(AppState& state, QWidget* parent);

  // Writes the subtitle and description of the group with this item text and
  // returns true; any other text changes nothing and returns false.
  bool showGroup(const QString& itemText);

  // The description of a group item ("" for any other text).
  [[nodiscard]] static QString groupDescription(const QString& itemText);

 private:
  QLabel* subTitle_;
  QLabel* description_;
};

}  // namespace vlm
