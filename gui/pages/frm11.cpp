#include "gui/pages/frm11.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include "gui/pages/korea_map.h"
#include "gui/pages/progress_bar.h"
#include "gui/pages/unfinished_notice.h"

namespace vlm {
namespace {

// Where each region's option button sits on the map: its city, and on which
// side of the button's circle the name is written so that neighbours do not
// overlap (Incheon left of Seoul, Daegu left of the coast, …).
struct RegionPlace {
  const char* option;
  const char* caption;
  double longitude;
  double latitude;
  bool nameOnLeft;
};

constexpr RegionPlace kPlaces[] = {
    {"opt11Cheongju", "청주", 127.49, 36.64, false},
    {"opt11Incheon", "인천", 126.63, 37.46, true},
    {"opt11Jeju", "제주", 126.53, 33.50, false},
    {"opt11Jeonju", "전주", 127.15, 35.82, true},
    {"opt11Jinju", "진주", 128.08, 35.18, false},
    {"opt11Kangrung", "강릉", 128.90, 37.75, false},
    {"opt11Kwangju", "광주", 126.85, 35.16, false},
    {"opt11Mokpo", "목포", 126.39, 34.81, true},
    {"opt11Pohang", "포항", 129.37, 36.02, false},
    {"opt11Pusan", "부산", 129.08, 35.18, false},
    {"opt11Seoul", "서울", 126.98, 37.57, false},
    {"opt11Taegu", "대구", 128.60, 35.87, true},
    {"opt11Taejeon", "대전", 127.38, 36.35, true},
};

// "기타" has no place; it sits in the open sea south-east of the peninsula.
constexpr QPoint kOtherOptionAt(280, 352);

std::optional<QString> systemOpenFile(QWidget* parent, const QString& title,
                                      const QString& directory, const QString& filter) {
  // The file must exist (the dialog's open mode insists on it); there is no
  // read-only box to hide in this dialog.
  const QString chosen = QFileDialog::getOpenFileName(parent, title, directory, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

// Moves an option button so that the centre of its circle is at `at`.
void placeOption(QRadioButton* option, QPointF at) {
  option->adjustSize();
  QStyleOptionButton style;
  style.initFrom(option);
  const QRect circle = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
  const QPoint centre = circle.center();
  option->move(qRound(at.x()) - centre.x(), qRound(at.y()) - centre.y());
}

QFont optionFont(const QFont& base) {
  QFont font = base;
  font.setFamilies({QStringLiteral("굴림"), QStringLiteral("Gulim"), QStringLiteral("NanumGothic")});
  return font;
}

}  // namespace

Frm11::Frm11(AppState& state, QWidget* parent)
    : Page(state, "frm11", "1-지역선택", parent),
      map_(new KoreaMap(this)),
      options_(new QButtonGroup(this)),
      choose_(new QPushButton("기후파일 선택...", this)),
      confirm_(new QPushButton("지역선택 확인", this)),
      progress_(new ProgressBar(this)),
      progressText_(new QLabel(this)),
      openFile_(systemOpenFile) {
  map_->setObjectName("pic11Map");
  map_->setToolTip("대상 지역을 선택한 후, 지역선택 확인 버튼을 클릭하세요.");
  createRegionOptions();

  choose_->setObjectName("cmd11Choose");
  choose_->setToolTip("대상 기후파일(*.cly)을 선택하세요.");
  confirm_->setObjectName("cmd11Confirm");
  confirm_->setToolTip("선택지역의 기후파일을 읽습니다.");
  progress_->setObjectName("progBar11");
  progress_->setToolTip("기후파일의 읽기 진행정도를 나타냅니다.");
  progressText_->setObjectName("lbl11Prog");
  connect(choose_, &QPushButton::clicked, this, &Frm11::cmd11Choose_Click);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(choose_);
  buttons->addStretch(1);
  buttons->addWidget(confirm_);
  auto* side = new QVBoxLayout;
  side->addWidget(unfinishedNotice(this));
  side->addStretch(1);
  side->addLayout(buttons);
  side->addWidget(progress_);
  side->addWidget(progressText_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 24);
  layout->addWidget(map_, 0, Qt::AlignTop);
  layout->addSpacing(24);
  layout->addLayout(side, 1);

  // Form_Load: Seoul is the default region, no file is chosen, nothing is loaded.
  findChild<QRadioButton*>("opt11Seoul")->setChecked(true);
  progress_->setValue(0);
  ClimateData& climate = this->state().climate();
  climate.RegionName.clear();
  climate.ClimateFilePath.clear();
  climate.OtherFilePath.clear();
}

void Frm11::createRegionOptions() {
  for (const RegionPlace& place : kPlaces) {
    auto* option = new QRadioButton(QString::fromUtf8(place.caption), map_);
    option->setObjectName(place.option);
    option->setToolTip(option->text());
    option->setFont(optionFont(option->font()));
    if (place.nameOnLeft) option->setLayoutDirection(Qt::RightToLeft);
    anchors_.insert(option, KoreaMap::project(place.longitude, place.latitude));
    placeOption(option, anchors_.value(option));
    options_->addButton(option);
    optionList_.push_back(option);
  }
  otherOption_ = new QRadioButton("기타", map_);
  otherOption_->setObjectName("opt11Mis");
  otherOption_->setToolTip("기타");
  otherOption_->setFont(optionFont(otherOption_->font()));
  anchors_.insert(otherOption_, QPointF(kOtherOptionAt));
  placeOption(otherOption_, anchors_.value(otherOption_));
  options_->addButton(otherOption_);
  optionList_.push_back(otherOption_);
  for (QRadioButton* option : optionList_)
    connect(option, &QRadioButton::toggled, this,
            [this, option](bool checked) { onOptionToggled(option, checked); });
}

void Frm11::onOptionToggled(QRadioButton* option, bool checked) {
  // The chosen option is shown in bold.
  QFont font = option->font();
  font.setBold(checked);
  option->setFont(font);
  // Bold type is wider; the circle must stay on its city.
  placeOption(option, anchors_.value(option));
  if (!checked) return;
  if (option == otherOption_) {
    choose_->setEnabled(true);
    choose_->setFocus();
  } else {
    choose_->setEnabled(false);
  }
}

QRadioButton* Frm11::checkedOption() const {
  return qobject_cast<QRadioButton*>(options_->checkedButton());
}

void Frm11::cmd11Choose_Click() {
  const std::optional<QString> chosen =
      openFile_(this, "기타 지역인 경우 기후파일(*.cly) 선택하기",
                QString::fromStdString(state().programDir()),
                "Velmora용 기후파일(*.cly) (*.cly);;모든 파일(*.*) (*)");
  // Cancelling keeps the file picked before.
  if (!chosen.has_value()) return;
  state().climate().OtherFilePath = chosen->toStdString();
}

void Frm11::cmd11Confirm_Click() { loadClimateYear(); }

void Frm11::loadClimateYear() {}

}  // namespace vlm
