// Tab 0 of frm31: the site (a listed city or a typed latitude), the sun-path
// diagram and its legend of date and hour lines; with the loaded year ticked,
// the year's daytime hours on the diagram of its site.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/climate/site_rules.h"
#include "core/report/figure_caption.h"
#include "core/solar/climate_overlay.h"
#include "gui/pages/frm31.h"
#include "gui/pages/frm31_texts.h"
#include "gui/pages/frm31_widgets.h"
#include "gui/pages/progress_bar.h"
#include "render/picture_box.h"

namespace vlm {
using frm31::button;
using frm31::labelNames;
using frm31::plainLabel;
using frm31::qs;

namespace {

QFrame* swatch(const QString& name, const Color& color, QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFixedSize(28, 10);
  frame->setStyleSheet(
      QString("background-color: rgb(%1, %2, %3);").arg(color.r).arg(color.g).arg(color.b));
  return frame;
}

}  // namespace

QWidget* Frm31::createSchartTab() {
  auto* tab = new QWidget;
  auto* site = new QGroupBox("지역선택", tab);
  site->setObjectName("fra31SchartLatitude");
  city_ = new QComboBox(site);
  city_->setObjectName("cbo31SchartCity");
  city_->setToolTip("대상지역을 선택하세요.");
  for (const SchartCity& c : kSchartCities) city_->addItem(qs(c.name));
  latitude_ = new QLineEdit(site);
  latitude_->setObjectName("txt31SchartLatitude");
  latitude_->setToolTip("기타 지역인 경우 위도(북위, 25~55°) 직접 입력");
  latitude_->setEnabled(false);
  connect(city_, &QComboBox::currentIndexChanged, this, &Frm31::cbo31SchartCity_Click);

  auto* grid = new QGridLayout(site);
  grid->addWidget(plainLabel("lblSchartCity", "대상지역", site), 0, 0);
  grid->addWidget(city_, 0, 1);
  grid->addWidget(plainLabel("lbl31SchartLatitude", "위      도\r\n (25~55°)", site), 1, 0);
  grid->addWidget(latitude_, 1, 1);

  auto* draw = button("cmd31SchartDraw", "그리기", "태양궤적도 그리기", tab);
  auto* erase = button("cmd31SchartErase", "지우기", "태양궤적도 지우기", tab);
  connect(draw, &QPushButton::clicked, this, &Frm31::cmd31SchartDraw_Click);
  connect(erase, &QPushButton::clicked, this, &Frm31::cmd31SchartErase_Click);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(draw);
  buttons->addWidget(erase);
  schartClimate_ = frm31::climateBox("chk31Climate", tab);
  schartSite_ = plainLabel("lbl31SchartSite", QString(), tab);
  schartSite_->setWordWrap(true);

  schart_ = createTarget("pic31Schart", "prog31SchartDraw", labelNames("lbl31Schart", ""), tab);
  connect(schart_.picture, &PictureBox::pointerMoved, this,
          [this](QPointF user, QPoint pixel) { readDiagramAt(schart_, user, pixel); });

  auto* left = new QVBoxLayout;
  left->addWidget(site);
  left->addLayout(buttons);
  left->addWidget(schartClimate_);
  left->addWidget(schartSite_);
  left->addWidget(schart_.progress);
  left->addStretch(1);
  auto* layout = new QHBoxLayout(tab);
  layout->addLayout(left);
  layout->addWidget(schart_.box, 1);
  layout->addWidget(createSchartLegend(), 0, Qt::AlignTop);
  return tab;
}

QWidget* Frm31::createSchartLegend() {
  auto* frame = new QGroupBox(QString(), nullptr);
  frame->setObjectName("fra31SchartLegend");
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(4);
  int row = 0;
  grid->addWidget(plainLabel("lbl31SchartLegendDates", qs(kSunPathLegendDates), frame), row++, 0, 1,
                  2);
  for (std::size_t i = 0; i < kSunPathDateCurves.size(); ++i) {
    const SunPathDateCurve& curve = kSunPathDateCurves[i];
    const QString n = QString::number(i + 1);
    grid->addWidget(swatch("shp31SchartLegend" + n, curve.swatch, frame), row, 0);
    grid->addWidget(plainLabel("lbl31SchartLegend" + n, qs(curve.caption), frame), row++, 1);
  }
  grid->setRowMinimumHeight(row++, 8);
  grid->addWidget(plainLabel("lbl31SchartLegendHours", qs(kSunPathLegendHours), frame), row++, 0, 1,
                  2);
  grid->addWidget(swatch("shp31SchartLegendHour", Color::rgb(0, 0, 0), frame), row, 0,
                  Qt::AlignTop);
  grid->addWidget(plainLabel("lbl31SchartLegendHourText", qs(kSunPathLegendHourText), frame), row++,
                  1);
  grid->setRowMinimumHeight(row++, 8);
  grid->addWidget(plainLabel("lbl31SchartLegendAngles", qs(kSunPathLegendAngles), frame), row++, 0,
                  1, 2);
  return frame;
}

void Frm31::cbo31SchartCity_Click(int index) {
  if (index < 0) return;
  const std::optional<SchartCityChoice> choice = ChooseSchartCity(static_cast<std::size_t>(index));
  if (!choice) return;
  latitude_->setText(QString::fromStdString(choice->latitudeText));
  latitude_->setEnabled(choice->latitudeEditable);
  if (choice->latitudeEditable) latitude_->setFocus();
}

void Frm31::cmd31SchartDraw_Click() {
  clearTarget(schart_);
  schartSite_->clear();
  // Ticked, the diagram is the loaded year's site's, whatever the city box says.
  const bool withClimate = schartClimate_->isChecked() && !climateUnavailable();
  const std::string latitudeText =
      withClimate
          ? DiagramSiteOf(*state().climate().site, state().climate().RegionName).latitudeText
          : latitude_->text().toStdString();
  SunPathPicture drawn(geometry_);
  ProgressBar* bar = schart_.progress;
  // A fault part-way keeps what was drawn up to it on the picture.
  guarded([&] {
    if (DrawSchart(drawn, geometry_, latitudeText, sink(),
                   [bar](int percent) { bar->showProgress(percent); }) &&
        withClimate) {
      DrawClimateOverlay(drawn.drawing, geometry_, climateHours());
    }
  });
  showDrawing(schart_, drawn);
  schart_.caption = SunPathCaption(latitudeText);
  SilentSink checked;  // the drawing has shown any message already
  if (!drawn.labels.empty()) {
    schart_.latitude = ReadSchartLatitude(latitudeText, checked);
    if (withClimate) {
      const Site& site = *state().climate().site;
      schartSite_->setText(QString::fromUtf8(frm31::kSiteLead) +
                           qs(DiagramSiteOf(site, state().climate().RegionName).name) + "\n" +
                           qs(siteText(site)));
    }
  }
}

void Frm31::cmd31SchartErase_Click() {
  clearTarget(schart_);
  schartSite_->clear();
}

}  // namespace vlm
