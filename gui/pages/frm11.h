// frm11, the region page "1-지역선택": the map with the 13 built-in regions and
// "기타" (a .cly file of the user's), the file choice and the confirmation that
// loads the climate year and publishes the region to the analysis and graph pages.
#pragma once

#include <QHash>
#include <QPointF>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "gui/pages/page.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vlm {

class KoreaMap;
class ProgressBar;

class Frm11 : public Page {
  Q_OBJECT

 public:
  // The open-file dialog: (parent, title, initial directory, filter) → the
  // chosen path, or nullopt when cancelled. Tests replace it.
  using OpenFileDialog = std::function<std::optional<QString>(
      QWidget* parent, const QString& title, const QString& directory, const QString& filter)>;

  Frm11(AppState& state, QWidget* parent);

  void setOpenFileDialog(OpenFileDialog dialog) { openFile_ = std::move(dialog); }

  void cmd11Choose_Click();
  void cmd11Confirm_Click();

  [[nodiscard]] ProgressBar* progressBar() const { return progress_; }

 signals:
  // A region has been loaded: its name and the file shown as its source.
  void regionPublished(const QString& name, const QString& path);

 private:
  void createRegionOptions();
  void onOptionToggled(QRadioButton* option, bool checked);
  [[nodiscard]] QRadioButton* checkedOption() const;
  void loadClimateYear();

  KoreaMap* map_;
  QButtonGroup* options_;
  std::vector<QRadioButton*> optionList_;
  // The map point under each option's circle.
  QHash<QRadioButton*, QPointF> anchors_;
  QRadioButton* otherOption_ = nullptr;
  QPushButton* choose_;
  QPushButton* confirm_;
  ProgressBar* progress_;
  QLabel* progressText_;
  OpenFileDialog openFile_;
};

}  // namespace vlm
