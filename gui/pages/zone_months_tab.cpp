#include "gui/pages/zone_months_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/analysis/zone.h"
#include "core/psychro/psychro_chart.h"
#include "core/report/figure_caption.h"
#include "core/seasonal/monthly_zones.h"
#include "core/seasonal/share_chart.h"
#include "gui/app_state.h"
#include "gui/pages/result_grid.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

// Table rows: the two error rows, the five need zones and their total, the
// nine guidelines, the most important guideline.
constexpr int kNeedRow = 2;
constexpr int kGuideRow = kNeedRow + 6;
constexpr int kMostRow = kGuideRow + 9;

QStringList rowCaptions() {
  QStringList rows{QStringLiteral("결측, 에러"), QStringLiteral("도표 범위 초과")};
  for (const NeedZone& z : kNeedZones) rows << utf8Text(z.name);
  rows << QStringLiteral("계");
  for (const GuideZone& z : kGuideZones) rows << utf8Text(z.shortName);
  rows << QStringLiteral("가장 중요한 지침");
  return rows;
}

QStringList columnCaptions() {
  QStringList columns;
  for (int m = 1; m <= 12; ++m) columns << QString::number(m) + QStringLiteral("월");
  columns << QStringLiteral("년간");
  return columns;
}

// 0 hours, 1 percent, 2 rank.
QString shownText(const AnalysisRow& row, int shown) {
  return utf8Text(shown == 0 ? row.hours : shown == 1 ? row.percent : row.rank);
}

}  // namespace

ZoneMonthsTab::ZoneMonthsTab(AppState& state, QWidget* parent)
    : SeasonalTab(state, parent),
      table_(new ResultGrid("grd14a", rowCaptions(), columnCaptions(), this)),
      picture_(new PictureBox(this)) {
  auto* shown = new QGroupBox(QStringLiteral("표시 항목"), this);
  shown->setObjectName("fra14a");
  auto* shownLayout = new QVBoxLayout(shown);
  const std::array<std::pair<const char*, const char*>, 3> options{
      {{"opt14aHours", "시간수"}, {"opt14aPercent", "비율(%)"}, {"opt14aRank", "우선순위"}}};
  for (std::size_t i = 0; i < options.size(); ++i) {
    shown_[i] = new QRadioButton(QString::fromUtf8(options[i].second), shown);
    shown_[i]->setObjectName(options[i].first);
    shown_[i]->setToolTip(QStringLiteral("표에 나타낼 항목을 선택하세요."));
    shownLayout->addWidget(shown_[i]);
  }
  shown_[1]->setChecked(true);

  auto* side = new QVBoxLayout;
  side->addWidget(shown);
  side->addWidget(button(QStringLiteral("그리기"), "cmd14aDraw",
                         QStringLiteral("월별 존 분석 결과를 표와 그래프로 나타냅니다."),
                         [this] { cmd14aDraw_Click(); }));
  side->addWidget(button(QStringLiteral("지우기"), "cmd14aErase",
                         QStringLiteral("월별 존 분석 결과를 지웁니다."),
                         [this] { cmd14aErase_Click(); }));
  side->addStretch(1);

  picture_->setObjectName("pic14aChart");
  picture_->setMinimumSize(480, 180);
  table_->setMinimumHeight(150);
  auto* results = new QVBoxLayout;
  results->addWidget(table_, 3);
  results->addWidget(picture_, 2);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(side);
  layout->addLayout(results, 1);
}

void ZoneMonthsTab::clearResults() {
  table_->clearTexts();
  erasePicture(*picture_);
}

void ZoneMonthsTab::cmd14aDraw_Click() {
  whenLoaded([this] {
    clearResults();
    const ClimateData& climate = state().climate();
    const MonthlyZones zones = AnalyseMonths(climate, PsychroChart{}, state().sink());
    int shown = 0;
    while (shown < 2 && !shown_[static_cast<std::size_t>(shown)]->isChecked()) ++shown;
    for (std::size_t c = 0; c < kMonthColumns; ++c) {
      const AnalysisTexts& t = zones.columns[c];
      const int col = static_cast<int>(c);
      table_->setText(0, col, utf8Text(t.errors[0]));
      table_->setText(1, col, utf8Text(t.errors[1]));
      for (std::size_t i = 0; i < t.need.size(); ++i)
        table_->setText(kNeedRow + static_cast<int>(i), col, shownText(t.need[i], shown));
      for (std::size_t i = 0; i < t.guide.size(); ++i)
        table_->setText(kGuideRow + static_cast<int>(i), col, shownText(t.guide[i], shown));
      // Tied guidelines make a long text; the whole of it shows under the pointer.
      table_->setLongText(kMostRow, col, utf8Text(t.mostImportant).replace("\r\n", "\n"));
    }
    showDrawing(*picture_, BuildNeedShareChart(zones, climate.RegionName));
    caption_ = NeedShareCaption(climate.RegionName);
  });
}

std::optional<render::Figure> ZoneMonthsTab::figure() const {
  return pictureFigure(*picture_, caption_);
}

void ZoneMonthsTab::cmd14aErase_Click() { clearResults(); }

}  // namespace vlm
