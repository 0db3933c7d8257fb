#include "gui/pages/frm15.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

#include "core/psychro/psychro_chart.h"
#include "core/report/radiation_table.h"
#include "core/solar/radiation_figures.h"
#include "core/solar/radiation_site.h"
#include "core/solar/radiation_texts.h"
#include "gui/export_commands.h"
#include "gui/pages/pointer_readout.h"
#include "gui/pages/result_grid.h"
#include "gui/pages/seasonal_tab.h"
#include "gui/pages/square_box.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

// The page's own captions; the messages and the figures' texts are the core's.
constexpr const char* kModelItems[] = {"Perez 비등방성 천공", "등방성 천공 (Liu-Jordan)"};
constexpr const char* kHoursLead = "사용한 시간수: ";
constexpr const char* kMissingLead = ", 일사 결측: ";
constexpr const char* kSunDownLead = ", 해가 진 시간의 일사(확산일사로 처리): ";

QLabel* named(QLabel* label, const char* name) {
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* box(const char* text, const char* name, const char* tip, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromUtf8(text), parent);
  edit->setObjectName(name);
  edit->setToolTip(QString::fromUtf8(tip));
  return edit;
}

// A box's number; not a number reads as NaN, which the range checks refuse.
double boxNumber(const QLineEdit& edit) {
  bool ok = false;
  const double value = edit.text().trimmed().toDouble(&ok);
  return ok ? value : std::numeric_limits<double>::quiet_NaN();
}

QStringList tableRows() {
  QStringList rows;
  for (int i = 0; i < kRadiationOrientations; ++i)
    rows << utf8Text(OrientationName(OrientationAzimuth(i)));
  rows << utf8Text(kHorizontalCaption);
  return rows;
}

QStringList tableColumns() {
  QStringList columns{utf8Text(kYearCaption), utf8Text(kWantedCaption), utf8Text(kUnwantedCaption)};
  for (int m = 1; m <= 12; ++m) columns << QString::number(m) + QStringLiteral("월");
  return columns;
}

QString mostLine(std::string_view lead, int azimuth) {
  return utf8Text(lead) + utf8Text(OrientationName(azimuth));
}

}  // namespace

Frm15::Frm15(AppState& state, QWidget* parent)
    : Page(state, "frm15", "1-일사 분석", parent),
      region_(named(new QLabel(this), "lbl15Region")),
      model_(new QComboBox(this)),
      albedo_(box("0.2", "txt15Albedo", "지면 반사율을 입력하세요. (0 ~ 1)", this)),
      tilt_(box("90", "txt15Tilt", "면의 경사각을 입력하세요. (0 수평 ~ 90 수직)", this)),
      site_(named(new QLabel(this), "lbl15Site")),
      hours_(named(new QLabel(this), "lbl15Hours")),
      mostWanted_(named(new QLabel(this), "lbl15MostWanted")),
      mostUnwanted_(named(new QLabel(this), "lbl15MostUnwanted")),
      tabs_(new QTabWidget(this)),
      rose_(new PictureBox(this)),
      monthly_(new PictureBox(this)),
      table_(new ResultGrid("grd15Radiation", tableRows(), tableColumns(), this)) {
  model_->setObjectName("cbo15Model");
  for (const char* item : kModelItems) model_->addItem(QString::fromUtf8(item));
  model_->setToolTip(QStringLiteral("천공 확산일사의 모델을 선택하세요."));

  auto* options = new QGroupBox(QStringLiteral("계산 조건"), this);
  options->setObjectName("fra15");
  auto* form = new QFormLayout(options);
  form->addRow(QStringLiteral("천공 모델 :"), model_);
  form->addRow(QStringLiteral("지면 반사율 :"), albedo_);
  form->addRow(QStringLiteral("경사각(°) :"), tilt_);

  const auto button = [this](const char* caption, const char* name, const char* tip, auto handler) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(tip));
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  auto* side = new QVBoxLayout;
  side->addWidget(named(new QLabel(QStringLiteral("대상지역 :"), this), "lbl15a"));
  side->addWidget(region_);
  side->addWidget(site_);
  side->addWidget(options);
  side->addWidget(button("그리기", "cmd15Draw", "방위별 일사량을 계산하여 그립니다.",
                         [this] { cmd15Draw_Click(); }));
  side->addWidget(button("지우기", "cmd15Erase", "일사 분석 결과를 지웁니다.",
                         [this] { cmd15Erase_Click(); }));
  for (QLabel* label : {hours_, mostWanted_, mostUnwanted_}) {
    label->setWordWrap(true);
    side->addWidget(label);
  }
  side->addStretch(1);
  auto* sideWidget = new QWidget(this);
  sideWidget->setLayout(side);
  sideWidget->setFixedWidth(240);

  rose_->setObjectName("pic15Rose");
  monthly_->setObjectName("pic15Monthly");
  monthly_->setMinimumSize(520, 400);
  connect(rose_, &PictureBox::pointerMoved, this,
          [this](QPointF user, QPoint pixel) { readRoseAt(user, pixel); });
  connect(rose_, &PictureBox::pointerLeft, this,
          [this] { showPointerReadout(*rose_, QString(), QPoint()); });
  tabs_->setObjectName("tab15");
  tabs_->addTab(new SquareBox(rose_, 560, 360, tabs_), QStringLiteral("방위별 일사량"));
  tabs_->addTab(monthly_, QStringLiteral("월별 일사량"));
  tabs_->addTab(table_, QStringLiteral("일사량 표"));

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(sideWidget);
  layout->addWidget(tabs_, 1);
  auto* exporter = new ExportCommands(state.sink(), this);
  exporter->attachFigure(rose_, [this] {
    return pictureFigure(*rose_, regionName_ + " " + std::string(kRoseTitle));
  });
  exporter->attachFigure(monthly_, [this] {
    return pictureFigure(*monthly_, regionName_ + " " + std::string(kMonthlyTitle));
  });
  exporter->attachTable(table_, [this] { return table_->textTable(); });
}

std::optional<render::Figure> Frm15::currentFigure() const {
  if (tabs_->currentIndex() == 0)
    return pictureFigure(*rose_, regionName_ + " " + std::string(kRoseTitle));
  if (tabs_->currentIndex() == 1)
    return pictureFigure(*monthly_, regionName_ + " " + std::string(kMonthlyTitle));
  return std::nullopt;
}

void Frm15::setRegion(const QString& name, const QString& path) {
  (void)path;
  region_->setText(name);
  const auto& site = state().climate().site;
  site_->setText(site ? QStringLiteral("위도 %1°, 경도 %2°, UTC%3")
                            .arg(site->latitude, 0, 'f', 4)
                            .arg(site->longitude, 0, 'f', 4)
                            .arg(site->utcOffset >= 0 ? "+" + QString::number(site->utcOffset)
                                                      : QString::number(site->utcOffset))
                      : QStringLiteral("위치 모름"));
  cmd15Erase_Click();
}

std::optional<RadiationOptions> Frm15::readOptions() const {
  RadiationOptions options;
  options.model = model_->currentIndex() == 1 ? SkyModel::Isotropic : SkyModel::Perez;
  options.albedo = boxNumber(*albedo_);
  options.tilt = boxNumber(*tilt_);
  if (!CheckRadiationOptions(options, sink())) return std::nullopt;
  return options;
}

void Frm15::cmd15Draw_Click() {
  const ClimateData& climate = state().climate();
  if (!climate.loaded()) {
    sink().show(NoRadiationRegionMessage());
    return;
  }
  guarded([this, &climate] {
    cmd15Erase_Click();
    const auto options = readOptions();
    if (!options) return;
    const auto site = SolarSiteOf(climate, sink());
    if (!site) return;
    const auto result = AnalyseRadiation(climate, PsychroChart{}, *site, *options, sink());
    if (result) showResult(*result);
  });
}

void Frm15::showResult(const RadiationYear& result) {
  result_ = result;
  regionName_ = state().climate().RegionName;
  showDrawing(*rose_, RadiationRoseDrawing(result, regionName_));
  showDrawing(*monthly_, RadiationMonthlyDrawing(result, regionName_));
  const TextTable table = RadiationTable(result);
  for (std::size_t r = 1; r < table.rows.size(); ++r)
    for (std::size_t c = 1; c < table.rows[r].size(); ++c)
      table_->setText(static_cast<int>(r - 1), static_cast<int>(c - 1),
                      utf8Text(table.rows[r][c]));
  hours_->setText(QString::fromUtf8(kHoursLead) + QString::number(result.hours.used) +
                  QString::fromUtf8(kMissingLead) + QString::number(result.hours.missingRadiation) +
                  QString::fromUtf8(kSunDownLead) +
                  QString::number(result.hours.sunDownWithRadiation));
  mostWanted_->setText(mostLine(kMostWantedLead, result.mostWanted));
  mostUnwanted_->setText(mostLine(kMostUnwantedLead, result.mostUnwanted));
}

void Frm15::cmd15Erase_Click() {
  result_.reset();
  erasePicture(*rose_);
  erasePicture(*monthly_);
  table_->clearTexts();
  for (QLabel* label : {hours_, mostWanted_, mostUnwanted_}) label->clear();
}

void Frm15::readRoseAt(QPointF user, QPoint pixel) {
  const std::string text =
      result_ && !rose_->blank()
          ? RadiationRoseReadout(*result_, static_cast<float>(user.x()),
                                 static_cast<float>(user.y()))
          : std::string();
  showPointerReadout(*rose_, utf8Text(text), pixel);
}

}  // namespace vlm
