#include "gui/pages/rose_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/climate/region_display.h"
#include "core/graphs/rose_readout.h"
#include "core/report/figure_caption.h"
#include "gui/app_state.h"
#include "gui/guarded.h"
#include "gui/pages/pointer_readout.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

// The picture of the rose, in pixels; its user scale is the same, so a label's
// size in pixels is its size in user units. Wide enough for the longest
// direction labels left and right of the outer circle (R = 0.4 × height).
constexpr int kPictureWidth = 620;
constexpr int kPictureHeight = 480;

const QString kPeriodTip = QStringLiteral("원하는 시기를 선택하세요.");

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* named(QLabel* label, const QString& name) {
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A label of the rose: plain text on the picture, hidden until a drawing shows it.
QLabel* roseLabel(const QString& name, QWidget* picture, double pointSize, bool bold) {
  QLabel* label = named(new QLabel(picture), name);
  QFont font = label->font();
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  label->setFont(font);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->hide();
  return label;
}

}  // namespace

RoseTab::RoseTab(AppState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      region_(named(new QLabel(this), "lbl132d")),
      path_(named(new QLabel(this), "lbl132e")),
      month_(new QRadioButton(QStringLiteral("월별"), this)),
      season_(new QRadioButton(QStringLiteral("계절별"), this)),
      year_(new QRadioButton(QStringLiteral("년간"), this)),
      months_(new QComboBox(this)),
      seasons_(new QComboBox(this)),
      numbers_(new QCheckBox(QStringLiteral("데이터 숫자 표시"), this)),
      title_(named(new QLabel(this), "lbl132WS_title")),
      picture_(new PictureBox(this)),
      view_(RoseGeometry::ForPicture(kPictureWidth, kPictureHeight)) {
  auto* summary = new QGroupBox(QStringLiteral("정보요약"), this);
  summary->setObjectName("fra132");
  auto* grid = new QGridLayout(summary);
  grid->addWidget(named(new QLabel(QStringLiteral("대상지역 :"), summary), "lbl132a"), 0, 0);
  grid->addWidget(region_, 0, 1, 1, 2);
  grid->addWidget(named(new QLabel(QStringLiteral("기후파일 :"), summary), "lbl132b"), 1, 0);
  grid->addWidget(path_, 1, 1, 1, 2);
  path_->setWordWrap(true);
  grid->addWidget(named(new QLabel(QStringLiteral("대상기간 :"), summary), "lbl132c"), 2, 0);
  month_->setObjectName("opt132month");
  season_->setObjectName("opt132season");
  year_->setObjectName("opt132year");
  months_->setObjectName("cbo132month");
  seasons_->setObjectName("cbo132season");
  for (QWidget* w : std::initializer_list<QWidget*>{month_, season_, year_, months_, seasons_})
    w->setToolTip(kPeriodTip);
  for (std::string_view item : kRoseMonthItems) months_->addItem(qs(item));
  for (std::string_view item : kRoseSeasonItems) seasons_->addItem(qs(item));
  grid->addWidget(month_, 2, 1);
  grid->addWidget(months_, 2, 2);
  grid->addWidget(season_, 3, 1);
  grid->addWidget(seasons_, 3, 2);
  grid->addWidget(year_, 4, 1);
  numbers_->setObjectName("chk132");
  numbers_->setToolTip(QStringLiteral("그래프상에 데이터 숫자 표시 여부를 선택합니다."));
  grid->addWidget(numbers_, 5, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  for (QRadioButton* option : {month_, season_, year_}) {
    connect(option, &QRadioButton::clicked, this, [this, option] { choosePeriodKind(option); });
  }

  auto* draw = new QPushButton(QStringLiteral("그리기"), this);
  draw->setObjectName("cmd132Draw");
  draw->setToolTip(QStringLiteral("그래프를 그립니다."));
  connect(draw, &QPushButton::clicked, this, &RoseTab::cmd132Draw_Click);
  auto* erase = new QPushButton(QStringLiteral("지우기"), this);
  erase->setObjectName("cmd132Erase");
  erase->setToolTip(QStringLiteral("그래프를 지웁니다."));
  connect(erase, &QPushButton::clicked, this, &RoseTab::cmd132Erase_Click);
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

  picture_->setObjectName("pic132");
  picture_->setFixedSize(kPictureWidth, kPictureHeight);
  picture_->editDrawing().setScale(view_.geometry().scale());
  connect(picture_, &PictureBox::pointerMoved, this, &RoseTab::readRoseAt);
  connect(picture_, &PictureBox::pointerLeft, this,
          [this] { showPointerReadout(*picture_, QString(), QPoint()); });
  for (std::size_t i = 0; i < directions_.size(); ++i) {
    directions_[i] = roseLabel(QString("lbl132WS_%1").arg(i), picture_, kRoseLabelPointSize, false);
  }
  for (std::size_t i = 0; i < rings_.size(); ++i) {
    rings_[i] =
        roseLabel(QString("lbl132WS_percent_%1").arg(i), picture_, kRoseLabelPointSize, false);
  }
  missing_ = roseLabel("lbl132WS_miss", picture_, kRoseLabelPointSize, false);
  legend_ = roseLabel("lbl132WS_legend", picture_, kRoseLabelPointSize, false);
  QFont titleFont = title_->font();
  titleFont.setPointSizeF(kRoseTitlePointSize);
  titleFont.setBold(true);
  title_->setFont(titleFont);
  // Centred over the picture: as wide as the picture, text centred.
  title_->setAlignment(Qt::AlignCenter);
  title_->setFixedWidth(kPictureWidth);

  auto* pictureColumn = new QVBoxLayout;
  pictureColumn->addWidget(title_);
  pictureColumn->addWidget(picture_);
  pictureColumn->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(sideWidget);
  layout->addLayout(pictureColumn);
  layout->addStretch(1);

  // As the screen opens: by month, January and spring in the lists, every label hidden.
  month_->setChecked(true);
  choosePeriodKind(month_);
  months_->setCurrentIndex(0);
  seasons_->setCurrentIndex(0);
  showLabels();
}

void RoseTab::choosePeriodKind(QRadioButton* chosen) {
  months_->setEnabled(chosen == month_);
  seasons_->setEnabled(chosen == season_);
  for (QRadioButton* option : {month_, season_, year_}) {
    QFont font = option->font();
    font.setBold(option == chosen);
    option->setFont(font);
  }
}

std::optional<RosePeriod> RoseTab::chosenPeriod() const {
  if (month_->isChecked() && months_->currentIndex() >= 0)
    return RosePeriod::Month(static_cast<int16_t>(months_->currentIndex() + 1));
  if (season_->isChecked() && seasons_->currentIndex() >= 0)
    return RosePeriod::Season(static_cast<int16_t>(seasons_->currentIndex() + 1));
  if (year_->isChecked()) return RosePeriod::Year();
  return std::nullopt;
}

void RoseTab::cmd132Draw_Click() {
  guarded(state_.sink(), [this] {
    const std::string region =
        state_.climate().loaded() ? region_->text().toStdString() : std::string();
    if (!view_.draw(region, chosenPeriod(), state_.climate().WindDirCount, numbers_->isChecked(),
                    state_.sink())) {
      return;
    }
    clearPicture(*picture_, state_.printFlags().RosePrinted);
    picture_->setDrawing(view_.drawing());
    shownCounts_ = RoseCounts::Of(state_.climate().WindDirCount, *chosenPeriod());
    caption_ = WindRoseCaption(RegionDisplayName(region_->text().toStdString(), state_.climate()),
                               *chosenPeriod());
    showLabels();
  });
}

void RoseTab::readRoseAt(QPointF user, QPoint pixel) {
  std::string text;
  if (shownCounts_ && !picture_->blank()) {
    text = RoseReadout(view_.geometry(), *shownCounts_, static_cast<float>(user.x()),
                       static_cast<float>(user.y()));
  }
  showPointerReadout(*picture_, QString::fromStdString(text), pixel);
}

void RoseTab::cmd132Erase_Click() {
  guarded(state_.sink(), [this] {
    view_.erase();
    shownCounts_.reset();
    clearPicture(*picture_, state_.printFlags().RosePrinted);
    showLabels();
  });
}

std::optional<render::Figure> RoseTab::figure() const {
  if (view_.drawing().empty()) return std::nullopt;
  return render::withLegend(render::drawingFigure({view_.withLabels(render::textMeasure())},
                                                  QSizeF(kPictureWidth, kPictureHeight), caption_),
                            RoseLegend());
}

void RoseTab::showLabels() {
  title_->setText(QString::fromStdString(view_.title()));
  for (std::size_t i = 0; i < directions_.size(); ++i) place(directions_[i], view_.directions()[i]);
  for (std::size_t i = 0; i < rings_.size(); ++i) place(rings_[i], view_.rings()[i]);
  place(missing_, view_.missing());
  place(legend_, view_.legend());
}

void RoseTab::place(QLabel* label, const RoseLabel& rule) {
  label->setText(QString::fromStdString(rule.caption));
  label->adjustSize();
  const QSize size = label->size();
  const RoseLabelBox box = PlaceRoseLabel(rule.place, static_cast<float>(size.width()),
                                          static_cast<float>(size.height()));
  // User y grows upwards from the picture's lower edge.
  label->move(static_cast<int>(std::lround(box.left)),
              static_cast<int>(std::lround(kPictureHeight - box.top)));
  label->setVisible(rule.visible);
}

}  // namespace vlm
