// frm33, the conversion page "33-기후파일변환": an hourly weather file in the
// WYEC or TRY 80-column format (or EPW, or one station-year of the weather
// service's ASOS hourly CSV) becomes a .cly climate file that the
// region page then loads through "기타".
#pragma once

#include "gui/file_dialogs.h"
#include "gui/pages/page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vlm {

class ProgressBar;
class Frm33Typical;

class Frm33 : public Page {
  Q_OBJECT

 public:
  Frm33(AppState& state, QWidget* parent);

  // CommonDialog33 as the two browse buttons use it; tests replace them.
  void setOpenFileDialog(FileDialog dialog) { openFile_ = std::move(dialog); }
  void setSaveFileDialog(FileDialog dialog) { saveFile_ = std::move(dialog); }

  void cmd33Before_Click();
  void cmd33After_Click();
  void cmd33Convert_Click();

  [[nodiscard]] ProgressBar* progressBar() const { return progress_; }
  [[nodiscard]] Frm33Typical* typicalYear() const { return typical_; }

  // Lists the station-years of an ASOS source in cbo33Station, the one with
  // the most hours chosen; empties it for any other source.
  void listStationYears();

 private:
  void showStatus(const QString& text);

  QLineEdit* before_;
  QLineEdit* after_;
  QPushButton* browseBefore_;
  QPushButton* browseAfter_;
  QPushButton* convert_;
  ProgressBar* progress_;
  QLabel* status_;
  QComboBox* stationYear_;
  Frm33Typical* typical_;
  FileDialog openFile_;
  FileDialog saveFile_;
};

}  // namespace vlm
