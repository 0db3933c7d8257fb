#include "gui/pages/degree_day_tab.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/format.h"
#include "core/seasonal/degree_days.h"
#include "gui/app_state.h"
#include "gui/pages/result_grid.h"
#include "gui/pages/warning_line.h"

namespace vlm {
namespace {

QStringList rowCaptions() {
  QStringList rows;
  for (int m = 1; m <= 12; ++m) rows << QString::number(m) + QStringLiteral("월");
  rows << QStringLiteral("년간");
  return rows;
}

// A month without a valid hour leaves its degree-day cells empty.
QString cellText(const std::optional<float>& value) {
  return value ? utf8Text(Format(*value, "#0.0")) : QString();
}

void showRow(ResultGrid& table, int row, const DegreeDays& d) {
  table.setText(row, 0, cellText(d.hdd));
  table.setText(row, 1, cellText(d.cdd));
  table.setText(row, 2, QString::number(d.missingHours));
}

}  // namespace

DegreeDayTab::DegreeDayTab(AppState& state, QWidget* parent)
    : SeasonalTab(state, parent),
      heatingBase_(new QLineEdit(QStringLiteral("18"), this)),
      coolingBase_(new QLineEdit(QStringLiteral("24"), this)),
      table_(new ResultGrid("grd14c", rowCaptions(),
                            {QStringLiteral("난방도일(°C·일)"), QStringLiteral("냉방도일(°C·일)"),
                             QStringLiteral("결측 시간수")},
                            this)),
      warning_(createWarningLine("lbl14cWarning", this)) {
  auto* bases = new QGroupBox(QStringLiteral("기준온도"), this);
  bases->setObjectName("fra14c");
  auto* form = new QFormLayout(bases);
  heatingBase_->setObjectName("txt14cHeatBase");
  heatingBase_->setToolTip(QStringLiteral("난방도일의 기준온도를 입력하세요. (5 ~ 30°C)"));
  coolingBase_->setObjectName("txt14cCoolBase");
  coolingBase_->setToolTip(QStringLiteral("냉방도일의 기준온도를 입력하세요. (10 ~ 40°C)"));
  form->addRow(QStringLiteral("난방(°C) :"), heatingBase_);
  form->addRow(QStringLiteral("냉방(°C) :"), coolingBase_);

  auto* side = new QVBoxLayout;
  side->addWidget(bases);
  side->addWidget(button(QStringLiteral("계산"), "cmd14cCalc",
                         QStringLiteral("월별, 년간 난방도일과 냉방도일을 계산합니다."),
                         [this] { cmd14cCalc_Click(); }));
  side->addWidget(button(QStringLiteral("지우기"), "cmd14cErase",
                         QStringLiteral("도일 계산 결과를 지웁니다."),
                         [this] { cmd14cErase_Click(); }));
  side->addStretch(1);
  auto* sideWidget = new QWidget(this);
  sideWidget->setLayout(side);
  sideWidget->setFixedWidth(200);

  auto* results = new QVBoxLayout;
  results->addWidget(table_, 1);
  auto* method = new QLabel(utf8Text(kDegreeDayMethodText), this);
  method->setObjectName("lbl14cMethod");
  method->setWordWrap(true);
  results->addWidget(method);
  results->addWidget(warning_);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(sideWidget);
  layout->addLayout(results, 1);
}

void DegreeDayTab::clearResults() {
  table_->clearTexts();
  warning_->clear();
}

void DegreeDayTab::cmd14cCalc_Click() {
  whenLoaded([this] {
    clearResults();
    MessageSink& sink = state().sink();
    const auto heating =
        ReadDegreeDayBase(DegreeDayBase::Heating, heatingBase_->text().toStdString(), sink);
    if (!heating) return;
    const auto cooling =
        ReadDegreeDayBase(DegreeDayBase::Cooling, coolingBase_->text().toStdString(), sink);
    if (!cooling) return;
    const DegreeDayTable t = DegreeDaysByMonth(state().climate(), *heating, *cooling);
    for (std::size_t m = 0; m < t.months.size(); ++m)
      showRow(*table_, static_cast<int>(m), t.months[m]);
    showRow(*table_, 12, t.year);
    warning_->setText(utf8Text(DegreeDayBaseWarning(*heating, *cooling)));
  });
}

void DegreeDayTab::cmd14cErase_Click() { clearResults(); }

}  // namespace vlm
