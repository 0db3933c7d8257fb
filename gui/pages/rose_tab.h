// The second tab of frm13: the wind rose of a month, a season or the year from
// the wind-direction counts of the last load, with its title, direction, ring
// and missing-hours labels over the picture pic132.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QWidget>
#include <array>
#include <optional>

#include "core/graphs/rose_view.h"
#include "render/figure.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace vlm {

class AppState;
class PictureBox;

class RoseTab : public QWidget {
  Q_OBJECT

 public:
  RoseTab(AppState& state, QWidget* parent);

  // lbl132d and lbl132e.
  [[nodiscard]] QLabel* regionLabel() const { return region_; }
  [[nodiscard]] QLabel* pathLabel() const { return path_; }
  [[nodiscard]] PictureBox* picture() const { return picture_; }
  [[nodiscard]] const WindRoseView& view() const { return view_; }

  void cmd132Draw_Click();
  void cmd132Erase_Click();

  // The rose on show with its title and labels and its caption; nullopt while none is drawn.
  [[nodiscard]] std::optional<render::Figure> figure() const;

 private:
  void choosePeriodKind(QRadioButton* chosen);
  [[nodiscard]] std::optional<RosePeriod> chosenPeriod() const;
  // Shows the view's title and labels, each at its place on the picture.
  void showLabels();
  void place(QLabel* label, const RoseLabel& rule);
  // The direction under the pointer with its hours and share.
  void readRoseAt(QPointF user, QPoint pixel);

  AppState& state_;
  QLabel* region_;
  QLabel* path_;
  QRadioButton* month_;
  QRadioButton* season_;
  QRadioButton* year_;
  QComboBox* months_;
  QComboBox* seasons_;
  QCheckBox* numbers_;
  QLabel* title_;
  PictureBox* picture_;
  std::array<QLabel*, kRoseDirectionLabels> directions_{};
  std::array<QLabel*, kRoseRings> rings_{};
  QLabel* missing_;
  QLabel* legend_;
  WindRoseView view_;
  // The counts of the rose on show, for reading it under the pointer.
  std::optional<RoseCounts> shownCounts_;
  std::string caption_;
};

}  // namespace vlm
