// frm11, the region page "1-지역선택": the map with the 13 built-in regions and
// "기타" (a .cly file of the user's), the file choice and the confirmation that
// loads the climate year and publishes the region to the analysis and graph pages.
#pragma once

#include <QHash>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/climate/site.h"
#include "core/climate/site_choices.h"
#include "gui/file_dialogs.h"
#include "gui/pages/page.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vlm {

class KoreaMap;
class ProgressBar;

class Frm11 : public Page {
  Q_OBJECT

 public:
  Frm11(AppState& state, QWidget* parent);

  // CommonDialog11; tests replace it.
  void setOpenFileDialog(FileDialog dialog) { openFile_ = std::move(dialog); }

  void cmd11Choose_Click();
  void cmd11Confirm_Click();

  [[nodiscard]] ProgressBar* progressBar() const { return progress_; }

 signals:
  // A region has been loaded: its name and the file shown as its source. Both
  // are empty when a load failed part-way and no year is loaded any more.
  void regionPublished(const QString& name, const QString& path);

 private:
  void createRegionOptions();
  [[nodiscard]] QLayout* createSiteChoice();
  void enableSiteChoice();
  // The site chosen for a file of the user's; false when a typed site was
  // refused (its message shown).
  [[nodiscard]] bool chosenSite(std::optional<Site>& site);
  void onOptionToggled(QRadioButton* option, bool checked);
  [[nodiscard]] QRadioButton* checkedOption() const;
  void loadClimateYear();
  void showProgress(int16_t hour);

  KoreaMap* map_;
  QButtonGroup* options_;
  std::vector<QRadioButton*> optionList_;
  // The map point under each option's circle.
  QHash<QRadioButton*, QPointF> anchors_;
  QRadioButton* otherOption_ = nullptr;
  QPushButton* choose_;
  QPushButton* confirm_;
  // The file picked for "기타", with an EPW file's station.
  QLabel* pickedFile_;
  // "위치": the site of a file that records none, and the boxes of a typed one.
  std::vector<SiteChoice> siteChoices_;
  QComboBox* site_;
  QLineEdit* latitude_;
  QLineEdit* longitude_;
  QLineEdit* utcOffset_;
  ProgressBar* progress_;
  QLabel* progressText_;
  FileDialog openFile_;
  // The progress label's text for the load under way.
  QString readingText_;
};

}  // namespace vlm
