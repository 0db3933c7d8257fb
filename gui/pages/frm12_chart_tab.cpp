// Tab 0 of frm12: the chart picture, the six drawing options, the two zone
// frames with their legend colours and the period with the month legend.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/analysis/zone.h"
#include "core/analysis/zone_outlines.h"
#include "core/climate/load_texts.h"
#include "core/psychro/psychro_chart.h"
#include "gui/pages/chart_labels.h"
#include "gui/pages/frm12.h"
#include "gui/pages/legend_shape.h"
#include "gui/pages/pointer_readout.h"
#include "gui/pages/up_down.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* button(const char* name, const char* caption, const char* tip, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setToolTip(tip);
  return b;
}

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(name);
  return c;
}

// A row of a zone frame: the legend swatch beside the zone's box.
void addZoneRow(QGridLayout* grid, int row, int column, LegendShape* shape, QCheckBox* box) {
  auto* cell = new QHBoxLayout;
  cell->addWidget(shape, 0, Qt::AlignTop);
  cell->addWidget(box, 1, Qt::AlignTop);
  grid->addLayout(cell, row, column);
}

constexpr const char* kSingleOutTip = "클릭하면 차트에서 이 죤을 강조합니다 (다시 클릭하면 해제)";

QHBoxLayout* buttonRow(QPushButton* a, QPushButton* b) {
  auto* row = new QHBoxLayout;
  row->addWidget(a);
  row->addWidget(b);
  row->addStretch(1);
  return row;
}

}  // namespace

QWidget* Frm12::createChartTab() {
  auto* tab = new QWidget;
  picture_ = new PictureBox(tab);
  picture_->setObjectName("pic12aChart");
  picture_->setMinimumSize(360, 270);
  chartLabels_ = new ChartLabels(picture_);
  connect(picture_, &PictureBox::pointerMoved, this, &Frm12::readChartAt);
  connect(picture_, &PictureBox::pointerLeft, this,
          [this] { showPointerReadout(*picture_, QString(), QPoint()); });

  // The zone singled out from its legend swatch, with its hours and share.
  focusLabel_ = new QLabel(tab);
  focusLabel_->setObjectName("lbl12aZoneFocus");

  // The chart with the period under it on the left; the options and the
  // zones on the right, in a panel that scrolls when the window is small.
  auto* chartColumn = new QVBoxLayout;
  chartColumn->addWidget(picture_, 1);
  chartColumn->addWidget(focusLabel_);
  QGroupBox* pmvFrame = createPmvFrame();
  chartColumn->addWidget(pmvLegend_);
  chartColumn->addWidget(createTimeFrame());

  auto* panel = new QWidget;
  auto* side = new QVBoxLayout(panel);
  side->setContentsMargins(0, 0, 0, 0);
  side->addWidget(createDrawOptionFrame());
  side->addWidget(pmvFrame);
  side->addWidget(createNeedZoneFrame());
  side->addWidget(createGuideZoneFrame());
  side->addStretch(1);
  auto* scroll = new QScrollArea(tab);
  scroll->setObjectName("scr12aOptions");
  scroll->setWidget(panel);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setMinimumWidth(panel->sizeHint().width() +
                          scroll->verticalScrollBar()->sizeHint().width());

  auto* layout = new QHBoxLayout(tab);
  layout->addLayout(chartColumn, 1);
  layout->addWidget(scroll);
  return tab;
}

QGroupBox* Frm12::createDrawOptionFrame() {
  drawOption_ = new QGroupBox(qs(drawOptionCaption("")));
  drawOption_->setObjectName("fra12aDrawOption");
  struct Option {
    const char* name;
    const char* caption;
  };
  static constexpr std::array<Option, 6> kOptions{{
      {"chk12aPsychro", "습공기선도 표시"},
      {"chk12aDataPlot", "기후데이터 표시(지역, 기간 필요)"},
      {"chk12aBioNeed", "생체기후적 요구 죤 표시"},
      {"chk12aClima", "기후설계 지침 죤 표시"},
      {"chk12aLabel", "온습도값 라벨 표시"},
      {"chk12aResult", "분석 결과 및 기후설계 지침별 순위\nTab 내용 표시(지역, 기간 필요)"},
  }};
  auto* layout = new QVBoxLayout(drawOption_);
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    options_[i] = checkBox(kOptions[i].name, kOptions[i].caption, drawOption_);
    layout->addWidget(options_[i]);
  }
  auto* selectAll = button("cmd12aSelectAll", "모두선택", "그림종류 모두 선택", drawOption_);
  auto* deselectAll = button("cmd12aDeselectAll", "모두해제", "그림종류 모두 해제", drawOption_);
  auto* draw =
      button("cmd12aDraw", "그리기",
             "건물생체기후도, 분석 결과 및 기후설계 지침별 순위 Tab 내용 표시", drawOption_);
  auto* erase =
      button("cmd12aErase", "지우기",
             "건물생체기후도, 분석 결과 및 기후설계 지침별 순위 Tab 내용 지우기", drawOption_);
  layout->addLayout(buttonRow(selectAll, deselectAll));
  layout->addLayout(buttonRow(draw, erase));
  drawProgress_ = new QProgressBar(drawOption_);
  drawProgress_->setObjectName("prog12aDraw");
  // The bar only says whether a drawing is under way.
  drawProgress_->setRange(0, 1);
  drawProgress_->setTextVisible(false);
  layout->addWidget(drawProgress_);

  connect(selectAll, &QPushButton::clicked, this, [this] {
    for (QCheckBox* c : options_) c->setChecked(true);
  });
  connect(deselectAll, &QPushButton::clicked, this, [this] {
    for (QCheckBox* c : options_) c->setChecked(false);
  });
  connect(draw, &QPushButton::clicked, this, &Frm12::cmd12aDraw_Click);
  connect(erase, &QPushButton::clicked, this, &Frm12::cmd12aErase_Click);
  return drawOption_;
}

QGroupBox* Frm12::createNeedZoneFrame() {
  auto* frame = new QGroupBox("생체기후적 요구 죤 표시");
  frame->setObjectName("fra12aZone1");
  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < kNeedZones.size(); ++i) {
    needZones_[i] = checkBox("chk12a" + qs(kNeedZones[i].key), qs(kNeedZones[i].name), frame);
    auto* shape = new LegendShape(QString("shp12aa%1").arg(i + 1), frame);
    shape->setPaletteColor(kNeedZoneColors[i]);
    shape->setToolTip(kSingleOutTip);
    connect(shape, &LegendShape::clicked, this, [this, i] { singleOutZone(i); });
    addZoneRow(grid, static_cast<int>(i), 0, shape, needZones_[i]);
  }
  auto* all = button("cmd12a1SA", "모두선택", "생체기후적 요구 죤 모두 선택", frame);
  auto* none = button("cmd12a1DSA", "모두해제", "생체기후적 요구 죤 모두 해제", frame);
  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(grid);
  layout->addLayout(buttonRow(all, none));
  connect(all, &QPushButton::clicked, this, [this] {
    for (QCheckBox* c : needZones_) c->setChecked(true);
  });
  connect(none, &QPushButton::clicked, this, [this] {
    for (QCheckBox* c : needZones_) c->setChecked(false);
  });
  return frame;
}

QGroupBox* Frm12::createGuideZoneFrame() {
  auto* frame = new QGroupBox("기후설계 지침 죤 표시");
  frame->setObjectName("fra12aZone2");
  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < kGuideZones.size(); ++i) {
    guideZones_[i] = checkBox("chk12a" + qs(kGuideZones[i].key), qs(kGuideZones[i].caption), frame);
    auto* shape = new LegendShape(QString("shp12ab%1").arg(i + 1), frame);
    shape->setPaletteColor(kGuideZoneColors[i]);
    shape->setToolTip(kSingleOutTip);
    connect(shape, &LegendShape::clicked, this,
            [this, i] { singleOutZone(kNeedZones.size() + i); });
    addZoneRow(grid, static_cast<int>(i), 0, shape, guideZones_[i]);
  }
  auto* all = button("cmd12a2SA", "모두선택", "기후설계 지침 죤 모두 선택", frame);
  auto* none = button("cmd12a2DSA", "모두해제", "기후설계 지침 죤 모두 해제", frame);
  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(grid);
  layout->addLayout(buttonRow(all, none));
  connect(all, &QPushButton::clicked, this, [this] {
    for (QCheckBox* c : guideZones_) c->setChecked(true);
  });
  connect(none, &QPushButton::clicked, this, [this] {
    for (QCheckBox* c : guideZones_) c->setChecked(false);
  });
  return frame;
}

QGroupBox* Frm12::createTimeFrame() {
  auto* frame = new QGroupBox("기후데이터 표시 및 분석 대상기간 설정, 월별 색구분 범례");
  frame->setObjectName("fra12aTime");
  auto* grid = new QGridLayout;
  struct Mode {
    const char* name;
    const char* caption;
    const char* tip;
  };
  static constexpr std::array<Mode, 3> kModes{{
      {"opt12aHour", "시간별", "시간별 데이터를 표시하고, 분석합니다."},
      {"opt12aDay", "일별", "일별 데이터를 표시하고, 동일기간의 시간별 데이터를 분석합니다."},
      {"opt12aMonth", "월별", "월별 데이터를 표시하고, 동일기간의 시간별 데이터를 분석합니다."},
  }};
  struct Field {
    const char* name;
    const char* caption;
    int minimum, maximum;
  };
  constexpr Field kMonth1{"Month1", "월(1-12)", 1, 12};
  constexpr Field kDay1{"Day1", "일(1-31)", 1, 31};
  constexpr Field kHour1{"Hour1", "시(0-23)    ~", 0, 23};
  constexpr Field kMonth2{"Month2", "월(1-12)", 1, 12};
  constexpr Field kDay2{"Day2", "일(1-31)", 1, 31};
  constexpr Field kHour2{"Hour2", "시(0-23)", 0, 23};
  const std::array<std::vector<Field>, 3> kFields{{
      {kMonth1, kDay1, kHour1, kMonth2, kDay2, kHour2},
      {kMonth1, kDay1, kMonth2, kDay2},
      {kMonth1, kMonth2},
  }};
  static constexpr std::array<const char*, 3> kKinds{"Hour", "Day", "Month"};
  std::size_t upDown = 0;
  for (std::size_t m = 0; m < kModes.size(); ++m) {
    modes_[m] = new QRadioButton(kModes[m].caption, frame);
    modes_[m]->setObjectName(kModes[m].name);
    modes_[m]->setToolTip(kModes[m].tip);
    const int row = static_cast<int>(m) * 2;
    grid->addWidget(modes_[m], row, 0, 2, 1, Qt::AlignTop);
    const std::vector<Field>& fields = kFields[m];
    for (std::size_t f = 0; f < fields.size(); ++f) {
      const QString suffix = QString(kKinds[m]) + fields[f].name;
      auto* text = new QLineEdit(frame);
      text->setObjectName("txt12a" + suffix);
      text->setMaximumWidth(34);
      auto* ud = new UpDown(text, fields[f].minimum, fields[f].maximum, frame);
      ud->setObjectName("ud12a" + suffix);
      auto* caption = new QLabel(fields[f].caption, frame);
      auto* cell = new QHBoxLayout;
      cell->setSpacing(1);
      cell->addWidget(text);
      cell->addWidget(ud);
      cell->addWidget(caption);
      const int half = f < fields.size() / 2 ? 0 : 1;
      const int column = static_cast<int>(f % (fields.size() / 2)) + 1;
      grid->addLayout(cell, row + half, column);
      upDowns_[upDown++] = ud;
      if (m == 0) hourFields_[f] = text;
      if (m == 1) dayFields_[f] = text;
      if (m == 2) monthFields_[f] = text;
    }
    connect(modes_[m], &QRadioButton::toggled, this, [this, m](bool on) {
      QFont font = modes_[m]->font();
      font.setBold(on);
      modes_[m]->setFont(font);
      if (on) selectPeriodMode(static_cast<PeriodMode>(m));
    });
  }

  // The month colours of the plotted points.
  auto* legend = new QGridLayout;
  legend->setHorizontalSpacing(4);
  for (int16_t month = 1; month <= 12; ++month) {
    auto* shape = new LegendShape(QString("shp12a_%1").arg(month - 1), frame);
    shape->setPaletteColor(PsychroChart::GetColor_Month(month));
    auto* name = new QLabel(QString("%1월").arg(month), frame);
    const int row = (month - 1) / 6;
    const int column = ((month - 1) % 6) * 2;
    legend->addWidget(shape, row, column);
    legend->addWidget(name, row, column + 1);
  }
  // Spare width goes to the right of the fields, not between them.
  grid->setColumnStretch(grid->columnCount(), 1);
  legend->setColumnStretch(legend->columnCount(), 1);
  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(grid);
  layout->addLayout(legend);
  return frame;
}

}  // namespace vlm
