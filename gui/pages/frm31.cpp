#include "gui/pages/frm31.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/report/figure_caption.h"
#include "core/solar/sun_path_readout.h"
#include "gui/export_commands.h"
#include "gui/pages/pointer_readout.h"
#include "gui/pages/progress_bar.h"
#include "gui/pages/square_box.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

// 7000 twips at 15 twips to the pixel of a 96-dpi screen.
constexpr int kPicturePx = 467;
// The diagrams shrink no further, so that their labels stay readable.
constexpr int kSmallestPicturePx = 360;
constexpr double kLabelPointSize = 8.0;

// The order of a target's labels; SunPathLabels names them by these keys.
constexpr std::array<const char*, 9> kLabelKeys = {"N",   "S",   "E",   "W",  "V0",
                                                   "V20", "V40", "V60", "V80"};

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Captions hold "<=" and CR LF; they are plain text, never markup.
QLabel* plainLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* valueLabel(const QString& name, QWidget* parent) {
  QLabel* label = plainLabel(name, QString(), parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(150);
  return label;
}

QPushButton* button(const QString& name, const QString& text, const QString& tip, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setToolTip(tip);
  return b;
}

QFrame* swatch(const QString& name, const Color& color, QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFixedSize(28, 10);
  frame->setStyleSheet(
      QString("background-color: rgb(%1, %2, %3);").arg(color.r).arg(color.g).arg(color.b));
  return frame;
}

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
  return QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

// One of the four drawings of tab 1 that show a shade type and how its angles
// are measured, painted from its vector file so that it prints sharp.
class Illustration : public QWidget {
 public:
  Illustration(const QString& name, const QString& path, QWidget* parent)
      : QWidget(parent), renderer_(new QSvgRenderer(path, this)) {
    setObjectName(name);
    setFixedSize(260, 200);
  }
  [[nodiscard]] bool valid() const { return renderer_->isValid(); }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    if (renderer_->isValid()) renderer_->render(&painter, QRectF(rect()));
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  QSvgRenderer* renderer_;
};

struct ShadeText {
  const char* suffix;  // of txt31SMinput…
  const char* caption;
  const char* range;
};

// In the order of ShadeInputs: type 1 v, s; type 2 hw, he, s; type 3 v, hw, he, s.
constexpr std::array<ShadeText, 9> kShadeTexts = {{
    {"Hv", "수직음영각", "(0<= and <=90°)"},
    {"Hs", "면방위각", "(-180<= and <= 180°)"},
    {"Vhw", "수평음영각", "(서, 0<= and <=90°)"},
    {"Vhe", "수평음영각", "(동, -90<= and <=0°)"},
    {"Vs", "면방위각", "(-180<= and <=180°)"},
    {"HVv", "수직음영각", "(0< and <=70°)"},
    {"HVhw", "수평음영각", "(서, 15<= and <90°)"},
    {"HVhe", "수평음영각", "(동, -90< and <=-15°)"},
    {"HVs", "면방위각", "(-180<= and <=180°)"},
}};

struct ShadeOption {
  const char* name;
  const char* caption;
  const char* tip;
  std::size_t firstText, textCount;
};

constexpr std::array<ShadeOption, 3> kShadeOptions = {{
    {"opt31SMinputH", "수평차양(혹은 건물 입면)", "차양종류를 선택하세요.", 0, 2},
    {"opt31SMinputV", "수직차양(혹은 건물 평면)", "처양종류를 선택하세요.", 2, 3},
    {"opt31SMinputHV", "수평수직차양(혹은 건물 입, 평면)", "차양종류를 선택하세요.", 5, 4},
}};

struct IllustrationItem {
  const char* file;
  const char* caption;
};

constexpr std::array<IllustrationItem, 4> kIllustrations = {{
    {"/images/shade_horizontal.svg", "[수평차양]"},
    {"/images/shade_vertical.svg", "[수직차양]"},
    {"/images/shade_combined.svg", "[수평수직차양]"},
    {"/images/shade_building.svg", "[건물의 경우]"},
}};

constexpr const char* kMaskLegend =
    "(1) 차양의 경우\r\n\r\n - 굵은 선 내부 : 음영 생김\r\n - 굵은 선 외부 : 음영 안 생김\r\n\r\n"
    "(2) 건물의 경우\r\n\r\n - 굵은 선 내부 : 음영 안 생김\r\n - 굵은 선 외부 : 음영 생김";

std::array<QString, 9> labelNames(const QString& prefix, const QString& directionSuffix) {
  std::array<QString, 9> names;
  const std::array<const char*, 4> directions = {"N", "S", "E", "W"};
  for (std::size_t i = 0; i < 4; ++i) names[i] = prefix + directions[i] + directionSuffix;
  for (std::size_t i = 4; i < 9; ++i) names[i] = prefix + "V" + QString::number((i - 4) * 20);
  return names;
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
  return render::drawingFigure(std::move(layers), QSizeF(target.picture->size()), target.caption);
}

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

  schart_ = createTarget("pic31Schart", "prog31SchartDraw", labelNames("lbl31Schart", ""), tab);
  connect(schart_.picture, &PictureBox::pointerMoved, this,
          [this](QPointF user, QPoint pixel) { readDiagramAt(schart_, user, pixel); });

  auto* left = new QVBoxLayout;
  left->addWidget(site);
  left->addLayout(buttons);
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

QWidget* Frm31::createInputTab() {
  auto* tab = new QWidget;
  auto* frame = new QGroupBox("정보입력", tab);
  frame->setObjectName("fra31SMinput");
  auto* grid = new QGridLayout(frame);
  grid->setColumnMinimumWidth(0, 16);
  int row = 0;
  for (std::size_t type = 0; type < kShadeOptions.size(); ++type) {
    const ShadeOption& option = kShadeOptions[type];
    auto* radio = new QRadioButton(option.caption, frame);
    radio->setObjectName(option.name);
    radio->setToolTip(option.tip);
    shadeOptions_[type] = radio;
    const auto shadeType = static_cast<int16_t>(type + 1);
    connect(radio, &QRadioButton::clicked, this,
            [this, shadeType] { opt31SMinput_Click(shadeType); });
    if (type > 0) grid->setRowMinimumHeight(row++, 10);
    grid->addWidget(radio, row++, 0, 1, 4);
    for (std::size_t i = option.firstText; i < option.firstText + option.textCount; ++i) {
      const ShadeText& item = kShadeTexts[i];
      const QString suffix = item.suffix;
      auto* text = new QLineEdit(frame);
      text->setObjectName("txt31SMinput" + suffix);
      text->setFixedWidth(80);
      shadeTexts_[i] = text;
      grid->addWidget(plainLabel("lbl31SMinput" + suffix + "Name", item.caption, frame), row, 1);
      grid->addWidget(text, row, 2);
      grid->addWidget(plainLabel("lbl31SMinput" + suffix + "Range", item.range, frame), row++, 3);
    }
  }

  auto* layout = new QHBoxLayout(tab);
  layout->addWidget(createIllustrations(), 0, Qt::AlignTop);
  layout->addWidget(frame, 0, Qt::AlignTop);
  layout->addStretch(1);
  return tab;
}

QWidget* Frm31::createIllustrations() {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < kIllustrations.size(); ++i) {
    const QString n = QString::number(i + 1);
    const QString path = QString::fromStdString(state().programPath(kIllustrations[i].file));
    auto* picture = new Illustration("pic31SMinput" + n, path, box);
    QLabel* caption = plainLabel("lbl31SMinput" + n, kIllustrations[i].caption, box);
    caption->setAlignment(Qt::AlignCenter);
    const int row = static_cast<int>(i / 2) * 2;
    const int column = static_cast<int>(i % 2);
    grid->addWidget(picture, row, column);
    grid->addWidget(caption, row + 1, column);
  }
  return box;
}

QWidget* Frm31::createMaskTab() {
  auto* tab = new QWidget;
  auto* draw = button("cmd31SMDraw", "그리기", "음영마스크 그리기", tab);
  auto* erase = button("cmd31SMErase", "지우기", "음영마스크 지우기", tab);
  connect(draw, &QPushButton::clicked, this, &Frm31::cmd31SMDraw_Click);
  connect(erase, &QPushButton::clicked, this, &Frm31::cmd31SMErase_Click);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(draw);
  buttons->addWidget(erase);

  mask_ = createTarget("pic31SM", "prog31SMDraw", labelNames("lbl31SM", "1"), tab);
  connect(mask_.picture, &PictureBox::pointerMoved, this,
          [this](QPointF user, QPoint pixel) { readDiagramAt(mask_, user, pixel); });

  auto* left = new QVBoxLayout;
  left->addWidget(createSummary());
  left->addLayout(buttons);
  left->addWidget(mask_.progress);
  left->addWidget(createMaskLegend());
  left->addStretch(1);
  auto* layout = new QHBoxLayout(tab);
  layout->addLayout(left);
  layout->addWidget(mask_.box, 1);
  return tab;
}

QWidget* Frm31::createSummary() {
  auto* frame = new QGroupBox("정보 요약");
  frame->setObjectName("fra31SMsummary");
  auto* grid = new QGridLayout(frame);
  int row = 0;
  const auto add = [&](const QString& name, const QString& caption) {
    QLabel* value = valueLabel(name, frame);
    grid->addWidget(plainLabel(name + "Caption", caption, frame), row, 0);
    grid->addWidget(value, row++, 1);
    return value;
  };
  sumCity_ = add("lbl31SMcity", "대상지역 :");
  sumLatitude_ = add("lbl31SMlatitude", "위  도(°) :");
  sumDevice_ = add("lbl31SMdevice", "차양종류 :");
  grid->addWidget(plainLabel("lbl31SMangles", "음영각 정보", frame), row++, 0, 1, 2);
  sumV_ = add("lbl31SMv", "- 수직음영각(°) :");
  sumHw_ = add("lbl31SMhw", "- 수평음영각(°, 서) :");
  sumHe_ = add("lbl31SMhe", "- 수평음영각(°, 동) :");
  sumS_ = add("lbl31SMs", "- 면방위각(°) :");
  return frame;
}

QWidget* Frm31::createMaskLegend() {
  auto* frame = new QGroupBox("음영 평가 방법");
  frame->setObjectName("fra31SMLegend");
  auto* box = new QVBoxLayout(frame);
  box->addWidget(plainLabel("lbl31SMLegend", kMaskLegend, frame));
  return frame;
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
  SunPathPicture drawn(geometry_);
  ProgressBar* bar = schart_.progress;
  // A fault part-way keeps what was drawn up to it on the picture.
  guarded([&] {
    DrawSchart(drawn, geometry_, latitude_->text().toStdString(), sink(),
               [bar](int percent) { bar->showProgress(percent); });
  });
  showDrawing(schart_, drawn);
  schart_.caption = SunPathCaption(latitude_->text().toStdString());
  SilentSink checked;  // the drawing has shown any message already
  if (!drawn.labels.empty()) {
    schart_.latitude = ReadSchartLatitude(latitude_->text().toStdString(), checked);
  }
}

void Frm31::cmd31SchartErase_Click() { clearTarget(schart_); }

void Frm31::opt31SMinput_Click(int16_t shadeType) {
  shadeType_ = shadeType;
  for (std::size_t i = 0; i < shadeOptions_.size(); ++i) {
    QRadioButton* option = shadeOptions_[i];
    const bool chosen = static_cast<int16_t>(i + 1) == shadeType;
    if (chosen && !option->isChecked()) option->setChecked(true);
    QFont font = option->font();
    font.setBold(chosen);
    option->setFont(font);
  }
  setShadeTextsEnabled();
}

void Frm31::setShadeTextsEnabled() {
  for (std::size_t type = 0; type < kShadeOptions.size(); ++type) {
    const ShadeOption& option = kShadeOptions[type];
    const bool chosen = static_cast<int16_t>(type + 1) == shadeType_;
    for (std::size_t i = option.firstText; i < option.firstText + option.textCount; ++i)
      shadeTexts_[i]->setEnabled(chosen);
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

void Frm31::cmd31SMDraw_Click() {
  clearTarget(mask_);
  SunPathPicture drawn(geometry_);
  ProgressBar* bar = mask_.progress;
  const MaskSummary captions = summary();
  guarded([&] {
    DrawShadingMask(drawn, geometry_, shadeType_, captions, sink(),
                    [bar](int percent) { bar->showProgress(percent); });
  });
  showDrawing(mask_, drawn);
  mask_.caption = ShadingMaskCaption(captions.latitude, captions.device);
  SilentSink checked;  // the drawing has shown any message already
  if (drawn.labels.empty()) return;
  mask_.latitude = ReadMaskLatitude(captions, checked);
  if (const auto angles = ReadShadeAngles(shadeType_, captions, checked)) {
    mask_.mask = std::pair{shadeType_, *angles};
  }
}

void Frm31::cmd31SMErase_Click() { clearTarget(mask_); }

}  // namespace vlm
