// The typical-year choice of the conversion page: the option buttons
// opt33Convert (one weather file, as the page always converted) and
// opt33Typical "표준기상년 만들기 (ISO 15927-4)", which takes one or more
// ASOS CSV or EPW files of one station in txt33Before (separated by ";"),
// lists their stations in cbo33Station and builds the typical year.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/climate/conversion_progress.h"
#include "core/common/message.h"
#include "gui/file_dialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class QLayout;

namespace vlm {

// Several files at once; nullopt when cancelled. Tests replace it.
using MultiFileDialog =
    std::function<std::optional<QStringList>(QWidget* parent, const FileDialogRequest& request)>;
[[nodiscard]] std::optional<QStringList> systemOpenFilesDialog(QWidget* parent,
                                                               const FileDialogRequest& request);

class Frm33Typical : public QObject {
  Q_OBJECT

 public:
  struct Widgets {
    QWidget* page;
    QLabel* sourceCaption;
    QLineEdit* source;
    QLabel* stationCaption;
    QComboBox* station;
  };
  using Guard = std::function<bool(const std::function<void()>&)>;

  Frm33Typical(const Widgets& widgets, MessageSink& sink, Guard guard, QString programDir);

  // The row of the two option buttons, for the page's layout.
  [[nodiscard]] QLayout* optionRow() const { return row_; }
  [[nodiscard]] bool chosen() const;
  void setOpenFilesDialog(MultiFileDialog dialog) { openFiles_ = std::move(dialog); }

  // The browse button while the typical year is chosen.
  void chooseSources();
  // The stations of the files named, the first chosen.
  void listStations();
  // The convert button: builds the year into `target`.
  void convert(const std::string& target, const ConversionProgress& progress);

 signals:
  // The choice changed: the page lists what its source offers again.
  void choiceChanged();

 private:
  void showChoice();
  [[nodiscard]] std::vector<std::string> sources() const;

  Widgets w_;
  MessageSink& sink_;
  Guard guard_;
  QString programDir_;
  QRadioButton* convert_;
  QRadioButton* typical_;
  QLayout* row_;
  MultiFileDialog openFiles_;
};

}  // namespace vlm
