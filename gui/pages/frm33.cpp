#include "gui/pages/frm33.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/conversion_progress.h"
#include "core/climate/weather_conversion.h"
#include "gui/pages/frm33_typical.h"
#include "gui/pages/progress_bar.h"

namespace vlm {
namespace {

QString text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QLabel* wrappedLabel(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  return label;
}

}  // namespace

Frm33::Frm33(AppState& state, QWidget* parent)
    : Page(state, "frm33", "33-기후파일변환", parent),
      before_(new QLineEdit(this)),
      after_(new QLineEdit(this)),
      browseBefore_(new QPushButton("찾아보기...", this)),
      browseAfter_(new QPushButton("찾아보기...", this)),
      convert_(new QPushButton("변환후 저장", this)),
      progress_(new ProgressBar(this)),
      status_(new QLabel(this)),
      stationYear_(new QComboBox(this)),
      openFile_(systemOpenFileDialog),
      // The page asks about an existing target itself, after the name checks.
      saveFile_(systemSaveFileDialog(false)) {
  QLabel* beforeCaption = wrappedLabel("lbl33Before", "원본 기후파일명(WYEC 혹은 TRY 형식)", this);
  QLabel* afterCaption = wrappedLabel(
      "lbl33After", "변환후 Velmora용 기후파일명(확장자는 반드시 cly로 해야 함, 예 : seoul.cly)",
      this);
  before_->setObjectName("txt33Before");
  before_->setToolTip("원본 기상파일명입니다.");
  after_->setObjectName("txt33After");
  after_->setToolTip("변환후 파일명입니다.");
  browseBefore_->setObjectName("cmd33Before");
  browseBefore_->setToolTip("원본 기후파일 선택");
  browseAfter_->setObjectName("cmd33After");
  browseAfter_->setToolTip("변환후 파일명 지정");
  convert_->setObjectName("cmd33Convert");
  convert_->setToolTip("원본 기후파일=>Velmora용 기후파일");
  progress_->setObjectName("prog33Progress");
  status_->setObjectName("lbl331");
  QLabel* stationCaption = wrappedLabel("lbl33Station", "지점과 연도(ASOS 시간자료)", this);
  stationYear_->setObjectName("cbo33Station");
  stationYear_->setToolTip("변환할 지점과 연도 (괄호 안은 자료가 있는 시간 수)");
  stationYear_->setEnabled(false);
  typical_ = new Frm33Typical(
      {this, beforeCaption, before_, stationCaption, stationYear_}, sink(),
      [this](const std::function<void()>& work) { return guarded(work); },
      QString::fromStdString(state.programDir()));
  connect(typical_, &Frm33Typical::choiceChanged, this, &Frm33::listStationYears);
  connect(before_, &QLineEdit::editingFinished, this, &Frm33::listStationYears);
  connect(browseBefore_, &QPushButton::clicked, this, &Frm33::cmd33Before_Click);
  connect(browseAfter_, &QPushButton::clicked, this, &Frm33::cmd33After_Click);
  connect(convert_, &QPushButton::clicked, this, &Frm33::cmd33Convert_Click);

  // Paths are long: the text boxes take the width of the pane, the rest keeps
  // its natural size at the top.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  grid->addWidget(beforeCaption, 0, 0, 1, 2);
  grid->addWidget(before_, 1, 0);
  grid->addWidget(browseBefore_, 1, 1);
  grid->addWidget(stationCaption, 2, 0, 1, 2);
  grid->addWidget(stationYear_, 3, 0);
  grid->addItem(new QSpacerItem(0, 16), 4, 0);
  grid->addWidget(afterCaption, 5, 0, 1, 2);
  grid->addWidget(after_, 6, 0);
  grid->addWidget(browseAfter_, 6, 1);
  grid->setColumnStretch(0, 1);
  auto* run = new QHBoxLayout;
  run->addStretch(1);
  run->addWidget(convert_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 24);
  layout->addLayout(typical_->optionRow());
  layout->addSpacing(8);
  layout->addLayout(grid);
  layout->addSpacing(16);
  layout->addLayout(run);
  layout->addSpacing(16);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  layout->addStretch(1);
  progress_->setValue(0);
}

void Frm33::cmd33Before_Click() {
  if (typical_->chosen()) return typical_->chooseSources();
  const std::optional<QString> chosen = openFile_(
      this, FileDialogRequest{
                text(kSourceDialogTitle), QString::fromStdString(state().programDir()),
                qtFileFilter(kSourceDialogFilter), "ConversionSource", QString(), QString()});
  // A cancel ends the command and keeps the path typed or picked before.
  if (!chosen.has_value()) return;
  before_->setText(*chosen);
  listStationYears();
}

void Frm33::listStationYears() {
  if (typical_->chosen()) return typical_->listStations();
  stationYear_->clear();
  stationYear_->setEnabled(false);
  const std::string source = before_->text().toStdString();
  if (weatherSourceKindOf(source) != WeatherSourceKind::Asos) return;
  std::optional<std::vector<AsosStationYear>> list;
  guarded([&] { list = asosStationYears(source, sink()); });
  if (!list) return;
  for (const AsosStationYear& entry : *list)
    stationYear_->addItem(
        text(stationYearText(entry)),
        QList<QVariant>{static_cast<int>(entry.station), static_cast<int>(entry.year)});
  const auto chosen = std::find(list->begin(), list->end(), defaultStationYear(*list));
  stationYear_->setCurrentIndex(static_cast<int>(chosen - list->begin()));
  stationYear_->setEnabled(true);
}

void Frm33::cmd33After_Click() {
  // The converted file is proposed under the source's name.
  const QString source = QFileInfo(before_->text().trimmed()).completeBaseName();
  const std::optional<QString> chosen =
      saveFile_(this, FileDialogRequest{text(kTargetDialogTitle),
                                        QString::fromStdString(state().programDir()),
                                        qtFileFilter(kTargetDialogFilter), "ConversionTarget",
                                        source.isEmpty() ? QString() : source + ".cly", "cly"});
  if (chosen.has_value()) after_->setText(*chosen);
}

void Frm33::cmd33Convert_Click() {
  ConversionProgress progress;
  progress.status = [this](std::string_view status) { showStatus(text(status)); };
  progress.percent = [this](int16_t percent) { progress_->showProgress(percent); };
  const std::string source = before_->text().toStdString();
  const std::string target = after_->text().toStdString();
  if (typical_->chosen()) {
    typical_->convert(target, progress);
    progress_->setValue(0);
    status_->clear();
    return;
  }
  AsosChoice asos;
  if (stationYear_->currentIndex() >= 0) {
    const QList<QVariant> picked = stationYear_->currentData().toList();
    asos.station = picked.value(0).toInt();
    asos.year = static_cast<int16_t>(picked.value(1).toInt());
  }
  guarded([&] {
    (void)ConvertWeatherFile(source, target, sink(), OverwritePolicy::Ask, progress, asos);
  });
  // Idle again however the conversion ended, so that a failure does not leave
  // "저장중..." on show.
  progress_->setValue(0);
  status_->clear();
}

void Frm33::showStatus(const QString& status) {
  status_->setText(status);
  // The conversion holds the thread; the label must show before it is done.
  status_->repaint();
}

}  // namespace vlm
