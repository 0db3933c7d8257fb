// The fourth tab of frm14, "기후 비교": the loaded year against a second
// climate (a built-in region or a file), their need-zone shares and guideline
// ranks side by side, the most important guideline of each, and the monthly
// mean dry bulb and RH of both. The second climate is read for the comparison
// only and never replaces the loaded year.
#pragma once

#include <QString>

#include "core/climate/climate_load.h"
#include "gui/file_dialogs.h"
#include "gui/pages/seasonal_tab.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vlm {

class ProgressBar;
class ResultGrid;
struct ClimateComparison;

class CompareTab : public SeasonalTab {
  Q_OBJECT

 public:
  CompareTab(AppState& state, QWidget* parent);
  void clearResults() override;

  // The file dialog of the "기타" choice; tests replace it.
  void setOpenFileDialog(FileDialog dialog) { openFile_ = std::move(dialog); }

  void cmd14dChoose_Click();
  void cmd14dCompare_Click();
  void cmd14dErase_Click();

  [[nodiscard]] ResultGrid* table() const { return table_; }
  [[nodiscard]] PictureBox* picture() const { return picture_; }
  // The chart of the comparison on show, with its caption.
  [[nodiscard]] std::optional<render::Figure> figure() const;

 private:
  void onRegionChosen(int index);
  [[nodiscard]] ClimateChoice chosenClimate() const;
  void show(const ClimateComparison& comparison);

  QComboBox* regions_;
  QPushButton* choose_;
  QLabel* file_;
  ProgressBar* progress_;
  QLabel* progressText_;
  ResultGrid* table_;
  QLabel* mostA_;
  QLabel* mostB_;
  QLabel* mostCaptionA_;
  QLabel* mostCaptionB_;
  PictureBox* picture_;
  FileDialog openFile_;
  QString otherFile_;
  std::string caption_;
};

}  // namespace vlm
