#include "gui/pages/frm31.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/psychro/psychro_chart.h"
#include "core/solar/diagram_legend.h"
#include "core/solar/radiation_site.h"
#include "core/solar/sun_path_readout.h"
#include "gui/export_commands.h"
#include "gui/pages/frm31_performance.h"
#include "gui/pages/frm31_texts.h"
#include "gui/pages/frm31_widgets.h"
#include "gui/pages/pointer_readout.h"
#include "gui/pages/progress_bar.h"
#include "gui/pages/square_box.h"
#include "render/picture_box.h"

namespace vlm {
using frm31::plainLabel;
using frm31::qs;

namespace {

// 7000 twips at 15 twips to the pixel of a 96-dpi screen.
constexpr int kPicturePx = 467;
// The diagrams shrink no further, so that their labels stay readable.
constexpr int kSmallestPicturePx = 360;
constexpr double kLabelPointSize = 8.0;

// The order of a target's labels; SunPathLabels names them by these keys.
constexpr std::array<const char*, 9> kLabelKeys = {"N",   "S",   "E",   "W",  "V0",
                                                   "V20", "V40", "V60", "V80"};

// The picture position of a label anchored at (x, y) in the diagram's user scale.
QPoint labelPosition(const PictureLabel& anchor, const QSize& labelSize, const SunPathGeometry& g,
                     const QSize& pictureSize) {
  const double px = anchor.x / g.width * pictureSize.width();
  const double py = (g.height - anchor.y) / g.height * pictureSize.height();
  double left = px;
  if (anchor.hAlign == HAlign::Center) left -= labelSize.width() / 2.0;
  if (anchor.hAlign == HAlign::Right) left -= labelSize.width();
  double top = py;
  if (anchor.vAlign == VAlign::Middle) top -= labelSize.height() / 2.0;
  if (anchor.vAlign == VAlign::Bottom) top -= labelSize.height();
  // Beside the horizon a small picture leaves less room than the east and west
  // labels need: they move in rather than lose their brackets at the edge.
  left = std::clamp(left, 0.0, std::max(0.0, double(pictureSize.width() - labelSize.width())));
  top = std::clamp(top, 0.0, std::max(0.0, double(pictureSize.height() - labelSize.height())));
  return QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

}  // namespace

Frm31::Frm31(AppState& state, QWidget* parent)
    : Page(state, "frm31", "31-태양궤적,음영평가", parent),
      geometry_(SunPathGeometry::ForPicture(kSunPathPictureSize, kSunPathPictureSize)) {
  // Printing keeps pic31Schart and pic31SM in their persistent images.
  setPrintFlag(&PrintFlags::DiagramPrinted);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tab31");
  tabs_->addTab(createSchartTab(), "태양궤적도");
  tabs_->addTab(createInputTab(), "음영각 정보입력");
  tabs_->addTab(createMaskTab(), "음영마스크");
  tabs_->setCurrentIndex(0);
  currentTab_ = 0;
  connect(tabs_, &QTabWidget::currentChanged, this, &Frm31::onTabChanged);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(tabs_);

  // Form_Load: Seoul chosen, its latitude locked in the box; type 3 chosen.
  city_->setCurrentIndex(static_cast<int>(kSchartSeoulIndex));
  latitude_->setText(qs(kSchartCities[kSchartSeoulIndex].latitudeText));
  schart_.progress->setValue(0);
  opt31SMinput_Click(kShadeCombined);

  auto* exporter = new ExportCommands(state.sink(), this);
  exporter->attachFigure(schart_.picture, [this] { return figureOf(schart_); });
  exporter->attachFigure(mask_.picture, [this] { return figureOf(mask_); });
  performance_->attachExports(*exporter);
  updateClimateAvailability();
}

void Frm31::setRegion(const QString& name, const QString& path) {
  (void)name;
  (void)path;
  climateHours_.reset();
  performance_->clearPerformance();
  updateClimateAvailability();
}

std::optional<QString> Frm31::climateUnavailable() const {
  const ClimateData& climate = state().climate();
  if (!climate.loaded()) return QString::fromUtf8(frm31::kNoRegionTip);
  if (!climate.site) return QString::fromUtf8(frm31::kNoSiteTip);
  return std::nullopt;
}

void Frm31::updateClimateAvailability() {
  const std::optional<QString> reason = climateUnavailable();
  for (QCheckBox* box : {schartClimate_, maskClimate_}) {
    box->setEnabled(!reason);
    box->setToolTip(reason ? *reason : QString::fromUtf8(frm31::kClimateBoxTip));
    if (reason) box->setChecked(false);
  }
  performance_->setAvailable(!reason, reason.value_or(QString()));
}

const std::vector<WishedHour>& Frm31::climateHours() {
  if (!climateHours_) {
    const ClimateData& climate = state().climate();
    SilentSink checked;  // called only with the site known
    const std::optional<SolarSite> site = SolarSiteOf(climate, checked);
    climateHours_ = site ? WishedHours(climate, SunWishes(climate, PsychroChart{}), *site)
                         : std::vector<WishedHour>{};
  }
  return *climateHours_;
}

std::optional<render::Figure> Frm31::currentFigure() const {
  if (tabs_->currentIndex() == 0) return figureOf(schart_);
  if (tabs_->currentIndex() == 2) return figureOf(mask_);
  return std::nullopt;
}

std::optional<render::Figure> Frm31::figureOf(const Target& target) const {
  if (target.picture->blank()) return std::nullopt;
  std::vector<Drawing> layers = target.picture->layers();
  SunPathPicture labels(geometry_);
  for (std::size_t i = 0; i < target.labels.size(); ++i) {
    if (target.labels[i] != nullptr && !target.labels[i]->isHidden())
      labels.labels.push_back(target.anchors[i]);
  }
  layers.push_back(labels.withLabels());
  // The legend frames stay on the screen; the figure carries its own key.
  return render::withLegend(
      render::drawingFigure(std::move(layers), QSizeF(target.picture->size()), target.caption),
      &target == &mask_ ? MaskLegend() : SunPathLegend());
}

Frm31::Target Frm31::createTarget(const QString& pictureName, const QString& progressName,
                                  const std::array<QString, 9>& names, QWidget* parent) {
  Target target;
  target.picture = new PictureBox(parent);
  target.picture->setObjectName(pictureName);
  target.box = new SquareBox(target.picture, kPicturePx, kSmallestPicturePx, parent);
  target.picture->installEventFilter(this);
  target.picture->setBackground(Qt::white);
  target.picture->setDrawing(Drawing(geometry_.scale()));
  PictureBox* picture = target.picture;
  connect(picture, &PictureBox::pointerLeft, this,
          [picture] { showPointerReadout(*picture, QString(), QPoint()); });
  target.progress = new ProgressBar(parent);
  target.progress->setObjectName(progressName);
  target.progress->setRange(0, 100);
  target.progress->setValue(0);

  // The labels sit over the drawing, placed once around the horizon circle and
  // beside the upper vertical radius; they are shown only with a finished diagram.
  const std::vector<PictureLabel> anchors = SunPathLabels(geometry_);
  for (std::size_t i = 0; i < kLabelKeys.size(); ++i) {
    for (const PictureLabel& anchor : anchors) {
      if (anchor.key != kLabelKeys[i]) continue;
      QLabel* label = plainLabel(names[i], QString::fromStdString(anchor.text), target.picture);
      QFont font = label->font();
      font.setPointSizeF(kLabelPointSize);
      label->setFont(font);
      label->adjustSize();
      label->hide();
      target.labels[i] = label;
      target.anchors[i] = anchor;
    }
  }
  placeLabels(target);
  return target;
}

void Frm31::placeLabels(const Target& target) const {
  for (std::size_t i = 0; i < target.labels.size(); ++i) {
    if (target.labels[i] == nullptr) continue;
    target.labels[i]->move(labelPosition(target.anchors[i], target.labels[i]->size(), geometry_,
                                         target.picture->size()));
  }
}

bool Frm31::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    for (const Target* target : {&schart_, &mask_}) {
      if (watched == target->picture) placeLabels(*target);
    }
  }
  return Page::eventFilter(watched, event);
}

void Frm31::clearTarget(Target& target) {
  clearPicture(*target.picture, state().printFlags().DiagramPrinted);
  for (QLabel* label : target.labels) label->hide();
  target.latitude.reset();
  target.mask.reset();
}

void Frm31::readDiagramAt(const Target& target, QPointF user, QPoint pixel) {
  std::string text;
  if (target.latitude && !target.picture->blank() && target.picture->width() > 0) {
    const float perPixel = geometry_.width / static_cast<float>(target.picture->width());
    text =
        SunPathReadout(geometry_, *target.latitude, static_cast<float>(user.x()),
                       static_cast<float>(user.y()), kReadoutReachPixels * perPixel, target.mask);
  }
  showPointerReadout(*target.picture, QString::fromStdString(text), pixel);
}

void Frm31::showDrawing(Target& target, const SunPathPicture& drawn) {
  target.picture->setDrawing(drawn.drawing);
  // The core hands back the labels only with a finished diagram.
  for (const PictureLabel& shown : drawn.labels) {
    for (std::size_t i = 0; i < kLabelKeys.size(); ++i) {
      if (shown.key == kLabelKeys[i]) target.labels[i]->show();
    }
  }
}

void Frm31::onTabChanged(int index) {
  const int previous = currentTab_;
  currentTab_ = index;
  tab31_Click(previous);
}

void Frm31::tab31_Click(int previousTab) {
  MaskSummary s = summary();
  if (previousTab == 0) {
    SummariseSite(s, city_->currentText().toStdString(), latitude_->text().toStdString());
    tabCity_ = s.city;
    tabLatitude_ = s.latitude;
  } else if (previousTab == 1) {
    const auto text = [this](std::size_t i) { return shadeTexts_[i]->text().toStdString(); };
    const ShadeInputs inputs{text(0), text(1), text(2), text(3), text(4),
                             text(5), text(6), text(7), text(8)};
    SummariseShade(s, shadeType_, inputs);
  } else {
    return;
  }
  sumCity_->setText(QString::fromStdString(s.city));
  sumLatitude_->setText(QString::fromStdString(s.latitude));
  sumDevice_->setText(QString::fromStdString(s.device));
  sumV_->setText(QString::fromStdString(s.v));
  sumHw_->setText(QString::fromStdString(s.hw));
  sumHe_->setText(QString::fromStdString(s.he));
  sumS_->setText(QString::fromStdString(s.s));
}

MaskSummary Frm31::summary() const {
  const auto text = [](const QLabel* label) { return label->text().toStdString(); };
  return MaskSummary{text(sumCity_), text(sumLatitude_), text(sumDevice_), text(sumV_),
                     text(sumHw_),   text(sumHe_),       text(sumS_)};
}

}  // namespace vlm
