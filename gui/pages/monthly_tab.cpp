#include "gui/pages/monthly_tab.h"

#include <QChartView>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/climate/region_display.h"
#include "core/report/figure_caption.h"
#include "gui/app_state.h"
#include "gui/guarded.h"
#include "render/monthly_chart.h"

namespace vlm {
namespace {

const QString kOptionTip = QStringLiteral("원하는 항목을 선택하세요.");
const QString kNumbersTip = QStringLiteral("그래프상에 데이터 숫자 표시 여부를 선택합니다.");
const QString kChartTip = QStringLiteral(
    "복사:그래프 선택후 Ctrl-C, 붙여넣기:편집메뉴의 선택하여 붙여넣기에서 항목 선택");

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* named(QLabel* label, const QString& name) {
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The chart takes the focus when clicked; Ctrl+C then copies its picture
// (the page's export commands hold the shortcut).
class CopyableChartView final : public QChartView {
 public:
  explicit CopyableChartView(QWidget* parent) : QChartView(parent) {
    setFocusPolicy(Qt::StrongFocus);
  }
};

}  // namespace

MonthlyTab::MonthlyTab(AppState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      region_(named(new QLabel(this), "lbl131d")),
      path_(named(new QLabel(this), "lbl131e")),
      numbers_(new QCheckBox(QStringLiteral("데이터 숫자 표시"), this)),
      chart_(new CopyableChartView(this)) {
  auto* summary = new QGroupBox(QStringLiteral("정보요약"), this);
  summary->setObjectName("fra131");
  auto* grid = new QGridLayout(summary);
  grid->addWidget(named(new QLabel(QStringLiteral("대상지역 :"), summary), "lbl131a"), 0, 0);
  grid->addWidget(region_, 0, 1);
  grid->addWidget(named(new QLabel(QStringLiteral("기후파일 :"), summary), "lbl131b"), 1, 0);
  grid->addWidget(path_, 1, 1);
  path_->setWordWrap(true);
  grid->addWidget(named(new QLabel(QStringLiteral("대상요소 :"), summary), "lbl131c"), 2, 0,
                  Qt::AlignTop);
  auto* optionBox = new QVBoxLayout;
  for (std::size_t i = 0; i < kMonthlyElements.size(); ++i) {
    const MonthlyElementText& text = ElementText(kMonthlyElements[i]);
    auto* option = new QRadioButton(qs(text.caption), summary);
    option->setObjectName(qs(text.option));
    option->setToolTip(kOptionTip);
    connect(option, &QRadioButton::clicked, this, [this, option] { chooseElement(option); });
    optionBox->addWidget(option);
    options_[i] = option;
  }
  grid->addLayout(optionBox, 2, 1);
  numbers_->setObjectName("chk131a");
  numbers_->setToolTip(kNumbersTip);
  grid->addWidget(numbers_, 3, 0, 1, 2);
  grid->setColumnStretch(1, 1);

  auto* draw = new QPushButton(QStringLiteral("그리기"), this);
  draw->setObjectName("cmd131Draw");
  draw->setToolTip(QStringLiteral("그래프를 그립니다."));
  connect(draw, &QPushButton::clicked, this, &MonthlyTab::cmd131Draw_Click);
  auto* erase = new QPushButton(QStringLiteral("지우기"), this);
  erase->setObjectName("cmd131Erase");
  erase->setToolTip(QStringLiteral("그래프를 지웁니다."));
  connect(erase, &QPushButton::clicked, this, &MonthlyTab::cmd131Erase_Click);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(draw);
  buttons->addWidget(erase);

  auto* side = new QVBoxLayout;
  side->addWidget(summary);
  side->addLayout(buttons);
  side->addStretch(1);
  auto* sideWidget = new QWidget(this);
  sideWidget->setLayout(side);
  sideWidget->setFixedWidth(236);

  chart_->setObjectName("chart131");
  chart_->setToolTip(kChartTip);
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->chart()->setAnimationOptions(QChart::NoAnimation);
  chart_->setMinimumSize(600, 450);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(sideWidget);
  layout->addWidget(chart_, 1);

  // As the screen opens: dry-bulb temperature chosen, the chart hidden.
  options_[0]->setChecked(true);
  chooseElement(options_[0]);
  chart_->hide();
}

void MonthlyTab::chooseElement(QRadioButton* chosen) {
  for (QRadioButton* option : options_) {
    QFont font = option->font();
    font.setBold(option == chosen);
    option->setFont(font);
  }
}

std::optional<MonthlyElement> MonthlyTab::chosenElement() const {
  for (std::size_t i = 0; i < options_.size(); ++i) {
    if (options_[i]->isChecked()) return kMonthlyElements[i];
  }
  return std::nullopt;
}

void MonthlyTab::cmd131Draw_Click() {
  guarded(state_.sink(), [this] {
    const auto chart = PrepareMonthlyChart(loadedRegion(), chosenElement(), state_.climate(),
                                           numbers_->isChecked(), state_.sink());
    if (!chart) return;
    render::fillMonthlyChart(*chart_->chart(), *chart);
    shown_ = chart;
    shownElement_ = chosenElement();
    chart_->show();
  });
}

void MonthlyTab::cmd131Erase_Click() {
  // The chart keeps its data until the next drawing.
  chart_->hide();
  shown_.reset();
}

std::optional<render::Figure> MonthlyTab::figure() const {
  if (!shown_ || !shownElement_) return std::nullopt;
  const std::string region = RegionDisplayName(region_->text().toStdString(), state_.climate());
  return render::monthlyChartFigure(*shown_, QSizeF(chart_->size()),
                                    MonthlyChartCaption(region, *shownElement_));
}

void MonthlyTab::clearChart() {
  chart_->hide();
  render::clearMonthlyChart(*chart_->chart());
}

std::string MonthlyTab::loadedRegion() const {
  return state_.climate().loaded() ? region_->text().toStdString() : std::string();
}

}  // namespace vlm
