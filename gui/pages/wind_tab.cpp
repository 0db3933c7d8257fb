#include "gui/pages/wind_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/psychro/psychro_chart.h"
#include "core/seasonal/wind_classes.h"
#include "core/seasonal/wind_figure.h"
#include "gui/app_state.h"
#include "gui/pages/pointer_readout.h"
#include "gui/pages/result_grid.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

QStringList directionRows(const std::vector<std::vector<std::string>>& rows) {
  QStringList names;
  for (std::size_t r = 1; r < rows.size(); ++r) names << utf8Text(rows[r][0]);
  return names;
}

QStringList headings(const std::vector<std::vector<std::string>>& rows) {
  QStringList columns;
  for (std::size_t c = 1; c < rows[0].size(); ++c) columns << utf8Text(rows[0][c]);
  return columns;
}

// The rows and headings of a table with no hour, for the empty grid.
std::vector<std::vector<std::string>> emptyRows() {
  WindCounts none;
  none.edges = kDefaultWindClassEdges;
  for (WindDirection& d : none.directions) d.classHours.assign(none.edges.size(), 0);
  return WindTableRows(none);
}

QSpinBox* hourBox(const char* name, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(0, 23);
  box->setValue(value);
  box->setSuffix(QStringLiteral("시"));
  return box;
}

QDoubleSpinBox* dryBulbBox(const char* name, double value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(name);
  box->setRange(-20.0, 50.0);
  box->setDecimals(1);
  box->setValue(value);
  box->setSuffix(QStringLiteral(" °C"));
  return box;
}

}  // namespace

WindTab::WindTab(AppState& state, QWidget* parent)
    : SeasonalTab(state, parent),
      fromHour_(hourBox("ud14eFrom", 0, this)),
      toHour_(hourBox("ud14eTo", 23, this)),
      zone_(new QComboBox(this)),
      byDryBulb_(new QCheckBox(QStringLiteral("건구온도 범위"), this)),
      dryBulbMin_(dryBulbBox("ud14eDBTMin", 20.0, this)),
      dryBulbMax_(dryBulbBox("ud14eDBTMax", 30.0, this)),
      classes_(new QLineEdit(utf8Text(kDefaultWindClassText), this)),
      picture_(new PictureBox(this)),
      table_(new ResultGrid("grd14eWind", directionRows(emptyRows()), headings(emptyRows()), this)),
      prevailing_(new QLabel(this)) {
  auto* conditions = new QGroupBox(QStringLiteral("대상시간"), this);
  conditions->setObjectName("fra14e");
  auto* grid = new QGridLayout(conditions);
  // Three months a row: four would cut "12월" in the side column's width.
  constexpr int kColumns = 3;
  for (std::size_t m = 0; m < months_.size(); ++m) {
    auto* box = new QCheckBox(QString::number(m + 1) + QStringLiteral("월"), conditions);
    box->setObjectName(QStringLiteral("chk14eMonth_%1").arg(m));
    box->setChecked(true);
    months_[m] = box;
    grid->addWidget(box, static_cast<int>(m) / kColumns, static_cast<int>(m) % kColumns);
  }
  auto* hours = new QHBoxLayout;
  hours->addWidget(new QLabel(QStringLiteral("시각 :"), conditions));
  hours->addWidget(fromHour_);
  hours->addWidget(new QLabel(QStringLiteral("~"), conditions));
  hours->addWidget(toHour_);
  int row = static_cast<int>(months_.size()) / kColumns;
  grid->addLayout(hours, row++, 0, 1, kColumns);
  zone_->setObjectName("cbo14eZone");
  zone_->setToolTip(QStringLiteral("바람을 볼 시간의 기후 죤을 선택하세요."));
  const std::vector<WindZone> zones = WindZoneChoices();
  for (std::size_t i = 0; i < zones.size(); ++i) {
    zone_->addItem(utf8Text(WindZoneName(zones[i])));
    if (zones[i] == WindZone{}) zone_->setCurrentIndex(static_cast<int>(i));
  }
  grid->addWidget(zone_, row++, 0, 1, kColumns);
  byDryBulb_->setObjectName("chk14eDBT");
  grid->addWidget(byDryBulb_, row++, 0, 1, kColumns);
  auto* range = new QHBoxLayout;
  range->addWidget(dryBulbMin_);
  range->addWidget(new QLabel(QStringLiteral("~"), conditions));
  range->addWidget(dryBulbMax_);
  grid->addLayout(range, row++, 0, 1, kColumns);
  grid->addWidget(new QLabel(QStringLiteral("풍속 등급 경계(m/s) :"), conditions), row++, 0, 1,
                  kColumns);
  classes_->setObjectName("txt14eClasses");
  classes_->setToolTip(QStringLiteral("풍속 등급의 경계값을 쉼표로 구분하여 입력하세요."));
  grid->addWidget(classes_, row++, 0, 1, kColumns);

  auto* side = new QVBoxLayout;
  side->addWidget(conditions);
  side->addWidget(button(QStringLiteral("그리기"), "cmd14eDraw",
                         QStringLiteral("선택한 시간의 바람장미를 그립니다."),
                         [this] { cmd14eDraw_Click(); }));
  side->addWidget(button(QStringLiteral("지우기"), "cmd14eErase",
                         QStringLiteral("바람 분석 결과를 지웁니다."),
                         [this] { cmd14eErase_Click(); }));
  side->addStretch(1);
  auto* sideWidget = new QWidget(this);
  sideWidget->setLayout(side);
  sideWidget->setFixedWidth(230);

  picture_->setObjectName("pic14eWind");
  picture_->setMinimumSize(480, 400);
  prevailing_->setObjectName("lbl14ePrevailing");
  prevailing_->setTextFormat(Qt::PlainText);
  auto* results = new QVBoxLayout;
  results->addWidget(picture_, 3);
  results->addWidget(prevailing_);
  results->addWidget(table_, 2);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(sideWidget);
  layout->addLayout(results, 1);
  connect(picture_, &PictureBox::pointerMoved, this, &WindTab::readAt);
  connect(picture_, &PictureBox::pointerLeft, this,
          [this] { showPointerReadout(*picture_, QString(), QPoint()); });
}

WindFilter WindTab::chosenFilter() const {
  WindFilter filter;
  for (std::size_t m = 0; m < months_.size(); ++m) filter.months[m] = months_[m]->isChecked();
  filter.fromHour = static_cast<int16_t>(fromHour_->value());
  filter.toHour = static_cast<int16_t>(toHour_->value());
  filter.zone = WindZoneChoices().at(static_cast<std::size_t>(zone_->currentIndex()));
  if (byDryBulb_->isChecked()) {
    filter.dryBulb = std::pair{static_cast<float>(dryBulbMin_->value()),
                               static_cast<float>(dryBulbMax_->value())};
  }
  return filter;
}

void WindTab::cmd14eDraw_Click() {
  whenLoaded([this] {
    const auto edges = ReadWindClassEdges(classes_->text().toStdString(), state().sink());
    if (!edges) return;
    const WindFilter filter = chosenFilter();
    show(CountWind(state().climate(), filter, *edges, PsychroChart{}), filter);
  });
}

void WindTab::show(const WindCounts& counts, const WindFilter& filter) {
  const std::string& region = state().climate().RegionName;
  geometry_ = RoseGeometry::ForPicture(static_cast<float>(picture_->width()),
                                       static_cast<float>(picture_->height()));
  showDrawing(*picture_, BuildWindRose(geometry_, counts, WindRoseTitle(region, filter.zone)));
  const auto rows = WindTableRows(counts);
  table_->setColumnCount(static_cast<int>(rows[0].size()) - 1);
  table_->setHorizontalHeaderLabels(headings(rows));
  table_->clearTexts();
  for (std::size_t r = 1; r < rows.size(); ++r) {
    for (std::size_t c = 1; c < rows[r].size(); ++c) {
      table_->setText(static_cast<int>(r) - 1, static_cast<int>(c) - 1, utf8Text(rows[r][c]));
    }
  }
  prevailing_->setText(utf8Text(PrevailingText(counts)));
  shown_ = counts;
  caption_ = WindAnalysisCaption(region, filter);
}

void WindTab::readAt(QPointF user, QPoint pixel) {
  std::string text;
  if (shown_ && !picture_->blank()) {
    text = WindRoseReadout(geometry_, *shown_, static_cast<float>(user.x()),
                           static_cast<float>(user.y()));
  }
  showPointerReadout(*picture_, QString::fromStdString(text), pixel);
}

std::optional<render::Figure> WindTab::figure() const { return pictureFigure(*picture_, caption_); }

void WindTab::clearResults() {
  erasePicture(*picture_);
  const auto rows = emptyRows();
  table_->setColumnCount(static_cast<int>(rows[0].size()) - 1);
  table_->setHorizontalHeaderLabels(headings(rows));
  table_->clearTexts();
  prevailing_->clear();
  shown_.reset();
}

void WindTab::cmd14eErase_Click() { clearResults(); }

}  // namespace vlm
