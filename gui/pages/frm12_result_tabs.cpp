// Tabs 1 and 2 of frm12: the analysis results with the guideline ranking, and
// the extraction of a period to the climate-data report.
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/analysis/analysis_summary.h"
#include "core/analysis/climate_report.h"
#include "core/analysis/zone.h"
#include "gui/pages/frm12.h"
#include "gui/pages/up_down.h"

namespace vlm {
namespace {

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* caption(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// A value label: sunken, so that an empty one still shows its place.
QLabel* value(const QString& name, QWidget* parent, Qt::Alignment align = Qt::AlignCenter) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAlignment(align | Qt::AlignVCenter);
  label->setMinimumWidth(56);
  return label;
}

void headings(QGridLayout* grid, QWidget* parent, const std::array<const char*, 4>& names,
              std::size_t count) {
  static constexpr std::array<const char*, 4> kTexts{"구    분", "시간수", "비율(%)", "우선순위"};
  for (std::size_t i = 0; i < count; ++i) {
    auto* h = caption(names[i], kTexts[i], parent);
    h->setAlignment(Qt::AlignCenter);
    grid->addWidget(h, 0, static_cast<int>(i));
  }
}

}  // namespace

QWidget* Frm12::createAnalysisTab() {
  auto* tab = new QWidget;

  auto* summaryFrame = new QGroupBox("정보 요약", tab);
  summaryFrame->setObjectName("fra12b1");
  auto* summaryGrid = new QGridLayout(summaryFrame);
  static constexpr std::array<const char*, 3> kSummaryNames{"lbl12b11", "lbl12b12", "lbl12b13"};
  static constexpr std::array<const char*, 3> kSummaryTexts{
      "대상지역 :", "기후파일 :", "대상기간 :"};
  for (std::size_t i = 0; i < 3; ++i) {
    summaryGrid->addWidget(caption(kSummaryNames[i], kSummaryTexts[i], summaryFrame),
                           static_cast<int>(i), 0);
    summary_[i] = value(QString("lbl12b1_%1").arg(i), summaryFrame, Qt::AlignLeft);
    summaryGrid->addWidget(summary_[i], static_cast<int>(i), 1);
  }
  summaryGrid->setColumnStretch(1, 1);

  auto* errorFrame = new QGroupBox("결측 데이터 및 데이터 표시, 분석 에러 요약", tab);
  errorFrame->setObjectName("fra12b2");
  auto* errorGrid = new QGridLayout(errorFrame);
  headings(errorGrid, errorFrame, {"lbl12b21", "lbl12b22", "", ""}, 2);
  static constexpr std::array<const char*, 3> kErrorNames{"lbl12b23", "lbl12b24", "lbl12b26"};
  for (std::size_t i = 0; i < 3; ++i) {
    errorGrid->addWidget(caption(kErrorNames[i], kErrorRowCaptions[i], errorFrame),
                         static_cast<int>(i) + 1, 0);
    errors_[i] = value(QString("lbl12b2_%1").arg(i), errorFrame);
    errorGrid->addWidget(errors_[i], static_cast<int>(i) + 1, 1);
  }

  auto* needFrame = new QGroupBox("생체기후적 요구 죤 분석 결과", tab);
  needFrame->setObjectName("fra12b3");
  auto* needGrid = new QGridLayout(needFrame);
  headings(needGrid, needFrame, {"lbl12b31", "lbl12b32", "lbl12b33", "lbl12b34"}, 4);
  for (std::size_t i = 0; i < 6; ++i) {
    const QString text = i < kNeedZones.size() ? qs(kNeedZones[i].name) : kNeedTotalCaption;
    QLabel* rowCaption = caption(QString("lbl12b3%1").arg(i + 5), text, needFrame);
    if (i < kNeedZones.size()) singleOutFrom(rowCaption, i);
    needGrid->addWidget(rowCaption, static_cast<int>(i) + 1, 0);
    static constexpr std::array<const char*, 3> kColumns{"a", "b", "c"};
    for (std::size_t c = 0; c < 3; ++c) {
      needRows_[i][c] = value(QString("lbl12b3%1_%2").arg(kColumns[c]).arg(i), needFrame);
      needGrid->addWidget(needRows_[i][c], static_cast<int>(i) + 1, static_cast<int>(c) + 1);
    }
  }

  auto* guideFrame = new QGroupBox("기후설계 지침 죤 분석 결과 및 지침별 우선 순위", tab);
  guideFrame->setObjectName("fra12b4");
  auto* guideGrid = new QGridLayout(guideFrame);
  headings(guideGrid, guideFrame, {"lbl12b4t1", "lbl12b4t2", "lbl12b4t3", "lbl12b4t4"}, 4);
  for (std::size_t i = 0; i < kGuideZones.size(); ++i) {
    QLabel* rowCaption =
        caption(QString("lbl12b4%1").arg(i), qs(kGuideZones[i].caption), guideFrame);
    singleOutFrom(rowCaption, kNeedZones.size() + i);
    guideGrid->addWidget(rowCaption, static_cast<int>(i) + 1, 0);
    static constexpr std::array<const char*, 3> kColumns{"a", "b", "c"};
    for (std::size_t c = 0; c < 3; ++c) {
      guideRows_[i][c] = value(QString("lbl12b4%1_%2").arg(kColumns[c]).arg(i), guideFrame);
      guideGrid->addWidget(guideRows_[i][c], static_cast<int>(i) + 1, static_cast<int>(c) + 1);
    }
  }

  auto* bestFrame = new QGroupBox("가장 중요한 기후설계 지침", tab);
  bestFrame->setObjectName("fra12b5");
  mostImportant_ = value("lbl12b5", bestFrame);
  mostImportant_->setMinimumHeight(54);
  QFont bold = mostImportant_->font();
  bold.setBold(true);
  mostImportant_->setFont(bold);
  auto* bestLayout = new QVBoxLayout(bestFrame);
  bestLayout->addWidget(mostImportant_);

  auto* left = new QVBoxLayout;
  left->addWidget(summaryFrame);
  left->addWidget(errorFrame);
  left->addWidget(needFrame);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(guideFrame);
  right->addWidget(bestFrame);
  right->addStretch(1);
  auto* layout = new QHBoxLayout(tab);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);
  return tab;
}

QWidget* Frm12::createExtractTab() {
  auto* tab = new QWidget;
  regionLabel_ = value("lbl12c14", tab, Qt::AlignLeft);
  pathLabel_ = value("lbl12c15", tab, Qt::AlignLeft);
  pathLabel_->setWordWrap(true);
  auto* source = new QGridLayout;
  source->addWidget(caption("lbl12c11", "대상지역 :", tab), 0, 0);
  source->addWidget(regionLabel_, 0, 1);
  source->addWidget(caption("lbl12c12", "기후파일 :", tab), 1, 0);
  source->addWidget(pathLabel_, 1, 1);
  source->setColumnStretch(1, 1);

  struct Field {
    const char* caption;
    int minimum, maximum;
  };
  static constexpr std::array<Field, 6> kFields{{{"월(1~12)", 1, 12},
                                                 {"일(1~31)", 1, 31},
                                                 {"시(0~23)    ~", 0, 23},
                                                 {"월(1~12)", 1, 12},
                                                 {"일(1~31)", 1, 31},
                                                 {"시(0~23)", 0, 23}}};
  auto* period = new QHBoxLayout;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    extractFields_[i] = new QLineEdit(tab);
    extractFields_[i]->setObjectName(QString("txt12c1%1").arg(i + 1));
    extractFields_[i]->setMaximumWidth(34);
    auto* ud = new UpDown(extractFields_[i], kFields[i].minimum, kFields[i].maximum, tab);
    ud->setObjectName(QString("ud12c1%1").arg(i + 1));
    period->addWidget(extractFields_[i]);
    period->addWidget(ud);
    period->addWidget(new QLabel(kFields[i].caption, tab));
  }
  period->addStretch(1);

  auto* save = new QPushButton("기후데이터 추출, 저장...", tab);
  save->setObjectName("cmd12cSave");
  save->setToolTip("기후데이터 추출 후, 지정한 파일명으로 저장");
  connect(save, &QPushButton::clicked, this, &Frm12::cmd12cSave_Click);
  extractProgress_ = caption("lbl12cProg", "", tab);
  auto* saveRow = new QHBoxLayout;
  saveRow->addWidget(save);
  saveRow->addWidget(extractProgress_, 1);

  // The legend that heads the report, column by column.
  auto* elements = new QGroupBox("저장될 기후데이터 요소", tab);
  elements->setObjectName("fra12c2");
  std::array<QStringList, 4> columns;
  for (const LegendRow& row : ReportLegend()) {
    columns[0] << qs(row.element);
    columns[1] << qs(row.unit);
    columns[2] << qs(row.marker);
    columns[3] << qs(row.remark);
  }
  auto* legend = new QHBoxLayout(elements);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    auto* column = caption(QString("lbl12c2%1").arg(c + 1), columns[c].join('\n'), elements);
    column->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    legend->addWidget(column, c == 3 ? 1 : 0);
  }

  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(source);
  layout->addLayout(period);
  layout->addLayout(saveRow);
  layout->addWidget(elements);
  layout->addStretch(1);
  return tab;
}

}  // namespace vlm
