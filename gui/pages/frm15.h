// frm15, the solar radiation page "1-일사 분석": what every orientation of a
// facade receives of the sun over the loaded year, in the hours that want it
// and in those that refuse it. The core analyses and draws; the page reads
// its boxes, shows the rose, the monthly chart and the table, and reads the
// rose under the pointer. The region page writes the loaded region into it
// through setRegion(), which also empties what was shown for the previous one.
#pragma once

#include <optional>
#include <string>

#include "core/solar/radiation_year.h"
#include "gui/figure_source.h"
#include "gui/pages/page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace vlm {

class PictureBox;
class ResultGrid;

class Frm15 : public Page, public FigureSource {
  Q_OBJECT

 public:
  Frm15(AppState& state, QWidget* parent);

  void cmd15Draw_Click();
  void cmd15Erase_Click();

  // The rose, the monthly chart or nothing (the table's tab), once drawn.
  [[nodiscard]] std::optional<render::Figure> currentFigure() const override;

 public slots:
  void setRegion(const QString& name, const QString& path);

 private:
  [[nodiscard]] std::optional<RadiationOptions> readOptions() const;
  void showResult(const RadiationYear& result);
  void readRoseAt(QPointF user, QPoint pixel);

  QLabel* region_;
  QComboBox* model_;
  QLineEdit* albedo_;
  QLineEdit* tilt_;
  QLabel* site_;
  QLabel* hours_;
  QLabel* mostWanted_;
  QLabel* mostUnwanted_;
  QTabWidget* tabs_;
  PictureBox* rose_;
  PictureBox* monthly_;
  ResultGrid* table_;
  std::optional<RadiationYear> result_;
  std::string regionName_;
};

}  // namespace vlm
