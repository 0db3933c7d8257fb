#include "gui/pages/compare_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "core/analysis/zone.h"
#include "core/climate/load_texts.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychro_chart.h"
#include "core/report/figure_caption.h"
#include "core/seasonal/climate_comparison.h"
#include "core/seasonal/comparison_chart.h"
#include "core/seasonal/seasonal_messages.h"
#include "gui/app_state.h"
#include "gui/pages/progress_bar.h"
#include "gui/pages/result_grid.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

// Rows: the five need zones, then the nine guidelines.
constexpr int kGuideRow = 5;

QStringList rowCaptions() {
  QStringList rows;
  for (const NeedZone& z : kNeedZones) rows << utf8Text(z.name);
  for (const GuideZone& z : kGuideZones) rows << utf8Text(z.shortName);
  return rows;
}

// Hours, share and rank of each side, headed by the side's name.
QStringList columnsFor(const QString& a, const QString& b) {
  QStringList columns;
  for (const QString& side : {a, b}) {
    columns << side + QStringLiteral(" 시간수") << side + QStringLiteral(" 비율(%)")
            << side + QStringLiteral(" 순위");
  }
  return columns;
}

QStringList plainColumns() { return columnsFor(QStringLiteral("기준"), QStringLiteral("비교")); }

QLabel* named(QLabel* label, const char* name) {
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

}  // namespace

CompareTab::CompareTab(AppState& state, QWidget* parent)
    : SeasonalTab(state, parent),
      regions_(new QComboBox(this)),
      choose_(button(QStringLiteral("기후파일 선택..."), "cmd14dChoose",
                     QStringLiteral("비교할 기후파일(*.cly, *.epw)을 선택하세요."),
                     [this] { cmd14dChoose_Click(); })),
      file_(named(new QLabel(this), "lbl14dFile")),
      progress_(new ProgressBar(this)),
      progressText_(named(new QLabel(this), "lbl14dProg")),
      table_(new ResultGrid("grd14d", rowCaptions(), plainColumns(), this)),
      mostA_(named(new QLabel(this), "lbl14dMostA")),
      mostB_(named(new QLabel(this), "lbl14dMostB")),
      mostCaptionA_(named(new QLabel(QStringLiteral("기준 :"), this), "lbl14dMostACaption")),
      mostCaptionB_(named(new QLabel(QStringLiteral("비교 :"), this), "lbl14dMostBCaption")),
      picture_(new PictureBox(this)),
      openFile_(systemOpenFileDialog) {
  regions_->setObjectName("cbo14dRegion");
  regions_->setToolTip(QStringLiteral("비교할 지역을 선택하세요."));
  for (const Region& r : kBuiltInRegions) regions_->addItem(utf8Text(r.koreanName));
  regions_->addItem(utf8Text(kOtherRegionName));
  connect(regions_, &QComboBox::currentIndexChanged, this, &CompareTab::onRegionChosen);
  onRegionChosen(0);
  progress_->setObjectName("progBar14d");
  progress_->setRange(0, 100);
  progress_->setValue(0);

  auto* second = new QGroupBox(QStringLiteral("비교 대상"), this);
  second->setObjectName("fra14d");
  auto* secondLayout = new QVBoxLayout(second);
  secondLayout->addWidget(regions_);
  secondLayout->addWidget(choose_);
  secondLayout->addWidget(file_);
  auto* side = new QVBoxLayout;
  side->addWidget(second);
  side->addWidget(button(QStringLiteral("비교하기"), "cmd14dCompare",
                         QStringLiteral("대상지역과 비교 대상의 기후를 비교합니다."),
                         [this] { cmd14dCompare_Click(); }));
  side->addWidget(button(QStringLiteral("지우기"), "cmd14dErase",
                         QStringLiteral("기후 비교 결과를 지웁니다."),
                         [this] { cmd14dErase_Click(); }));
  side->addWidget(progress_);
  side->addWidget(progressText_);
  side->addStretch(1);
  auto* sideWidget = new QWidget(this);
  sideWidget->setLayout(side);
  sideWidget->setFixedWidth(200);

  auto* most = new QGroupBox(QStringLiteral("가장 중요한 기후설계 지침"), this);
  most->setObjectName("fra14d2");
  auto* mostLayout = new QGridLayout(most);
  mostLayout->addWidget(mostCaptionA_, 0, 0);
  mostLayout->addWidget(mostA_, 0, 1);
  mostLayout->addWidget(mostCaptionB_, 1, 0);
  mostLayout->addWidget(mostB_, 1, 1);
  mostLayout->setColumnStretch(1, 1);

  picture_->setObjectName("pic14dChart");
  picture_->setMinimumSize(400, 180);
  auto* results = new QVBoxLayout;
  results->addWidget(table_, 3);
  results->addWidget(most);
  results->addWidget(picture_, 2);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(sideWidget);
  layout->addLayout(results, 1);
}

void CompareTab::onRegionChosen(int index) {
  choose_->setEnabled(index == static_cast<int>(kBuiltInRegions.size()));
}

ClimateChoice CompareTab::chosenClimate() const {
  const auto index = static_cast<std::size_t>(regions_->currentIndex());
  if (index < kBuiltInRegions.size()) {
    return builtInChoice(kBuiltInRegions[index], state().programDir());
  }
  return otherChoice(otherFile_.toStdString());
}

void CompareTab::cmd14dChoose_Click() {
  const std::optional<QString> chosen = openFile_(
      this, FileDialogRequest{
                utf8Text(kCompareFileDialogTitle), QString::fromStdString(state().programDir()),
                qtFileFilter(kCompareFileDialogFilter), "ClimateFile", QString(), QString()});
  if (!chosen.has_value()) return;
  otherFile_ = *chosen;
  file_->setText(otherFile_);
}

void CompareTab::cmd14dCompare_Click() {
  whenLoaded([this] {
    clearResults();
    const ClimateChoice choice = chosenClimate();
    progressText_->setText(utf8Text(loadProgressText(choice.regionName, choice.filePath)));
    // The second year is held only while the comparison is computed.
    auto second = std::make_unique<ClimateData>();
    bool loaded = false;
    try {
      loaded = LoadComparisonClimate(*second, choice, state().sink(), [this](int16_t hour) {
        progress_->showProgress(static_cast<int>(std::nearbyint(loadProgressPercent(hour))));
      });
    } catch (...) {
      progress_->setValue(0);
      progressText_->clear();
      throw;
    }
    progress_->setValue(0);
    progressText_->clear();
    if (!loaded) return;
    show(CompareClimates(state().climate(), *second, PsychroChart{}, state().sink()));
  });
}

void CompareTab::show(const ClimateComparison& c) {
  const std::array<const AnalysisTexts*, 2> sides{&c.a, &c.b};
  for (std::size_t s = 0; s < sides.size(); ++s) {
    const int col = static_cast<int>(s) * 3;
    const AnalysisTexts& t = *sides[s];
    for (std::size_t i = 0; i < kNeedZones.size(); ++i) {
      const int row = static_cast<int>(i);
      table_->setText(row, col, utf8Text(t.need[i].hours));
      table_->setText(row, col + 1, utf8Text(t.need[i].percent));
      table_->setText(row, col + 2, utf8Text(t.need[i].rank));
    }
    for (std::size_t i = 0; i < kGuideZones.size(); ++i) {
      const int row = kGuideRow + static_cast<int>(i);
      table_->setText(row, col, utf8Text(t.guide[i].hours));
      table_->setText(row, col + 1, utf8Text(t.guide[i].percent));
      table_->setText(row, col + 2, utf8Text(t.guide[i].rank));
    }
  }
  table_->setHorizontalHeaderLabels(columnsFor(utf8Text(c.a.summary[0]), utf8Text(c.b.summary[0])));
  mostCaptionA_->setText(utf8Text(c.a.summary[0]) + QStringLiteral(" :"));
  mostCaptionB_->setText(utf8Text(c.b.summary[0]) + QStringLiteral(" :"));
  mostA_->setText(utf8Text(c.a.mostImportant).replace("\r\n", ", "));
  mostB_->setText(utf8Text(c.b.mostImportant).replace("\r\n", ", "));
  showDrawing(*picture_, BuildComparisonChart(c));
  caption_ = ComparisonCaption(c.a.summary[0], c.b.summary[0]);
}

std::optional<render::Figure> CompareTab::figure() const {
  return pictureFigure(*picture_, caption_);
}

void CompareTab::clearResults() {
  table_->clearTexts();
  table_->setHorizontalHeaderLabels(plainColumns());
  mostCaptionA_->setText(QStringLiteral("기준 :"));
  mostCaptionB_->setText(QStringLiteral("비교 :"));
  mostA_->clear();
  mostB_->clear();
  erasePicture(*picture_);
}

void CompareTab::cmd14dErase_Click() { clearResults(); }

}  // namespace vlm
