#include "gui/pages/frm11.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/climate/climate_load.h"
#include "core/climate/load_texts.h"
#include "core/climate/region_catalog.h"
#include "core/climate/site_rules.h"
#include "gui/pages/korea_map.h"
#include "gui/pages/progress_bar.h"

namespace vlm {
namespace {

// Where each region's option button sits on the map: its city, and on which
// side of the button's circle the name is written so that neighbours do not
// overlap (Incheon left of Seoul, Daegu left of the coast, …).
struct RegionPlace {
  const char* option;
  double longitude;
  double latitude;
  bool nameOnLeft;
};

// clang-format off
constexpr RegionPlace kPlaces[] = {
    {"opt11Cheongju", 127.49, 36.64, false},
    {"opt11Incheon",  126.63, 37.46, true},
    {"opt11Jeju",     126.53, 33.50, false},
    {"opt11Jeonju",   127.15, 35.82, true},
    {"opt11Jinju",    128.08, 35.18, false},
    {"opt11Kangrung", 128.90, 37.75, false},
    {"opt11Kwangju",  126.85, 35.16, false},
    {"opt11Mokpo",    126.39, 34.81, true},
    {"opt11Pohang",   129.37, 36.02, false},
    {"opt11Pusan",    129.08, 35.18, false},
    {"opt11Seoul",    126.98, 37.57, false},
    {"opt11Taegu",    128.60, 35.87, true},
    {"opt11Taejeon",  127.38, 36.35, true},
};
// clang-format on

// "기타" has no place; it sits in the open sea south-east of the peninsula.
constexpr QPoint kOtherOptionAt(280, 352);

QString text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Moves an option button so that the centre of its circle is at `at`.
void placeOption(QRadioButton* option, QPointF at) {
  option->adjustSize();
  QStyleOptionButton style;
  style.initFrom(option);
  const QRect circle =
      option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
  const QPoint centre = circle.center();
  option->move(qRound(at.x()) - centre.x(), qRound(at.y()) - centre.y());
}

QFont optionFont(const QFont& base) {
  QFont font = base;
  font.setFamilies(
      {QStringLiteral("굴림"), QStringLiteral("Gulim"), QStringLiteral("NanumGothic")});
  return font;
}

}  // namespace

Frm11::Frm11(AppState& state, QWidget* parent)
    : Page(state, "frm11", "1-지역선택", parent),
      map_(new KoreaMap(this)),
      options_(new QButtonGroup(this)),
      choose_(new QPushButton("기후파일 선택...", this)),
      confirm_(new QPushButton("지역선택 확인", this)),
      pickedFile_(new QLabel(this)),
      siteChoices_(siteChoices()),
      site_(new QComboBox(this)),
      latitude_(new QLineEdit(this)),
      longitude_(new QLineEdit(this)),
      utcOffset_(new QLineEdit(this)),
      progress_(new ProgressBar(this)),
      progressText_(new QLabel(this)),
      openFile_(systemOpenFileDialog) {
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
  pickedFile_->setObjectName("lbl11OtherFile");
  pickedFile_->setWordWrap(true);
  pickedFile_->setTextFormat(Qt::PlainText);
  connect(choose_, &QPushButton::clicked, this, &Frm11::cmd11Choose_Click);
  connect(confirm_, &QPushButton::clicked, this, &Frm11::cmd11Confirm_Click);

  auto* heading = new QLabel("대상 지역 선택", this);
  QFont headingFont = heading->font();
  headingFont.setPointSize(headingFont.pointSize() + 4);
  headingFont.setBold(true);
  heading->setFont(headingFont);
  auto* guide = new QLabel(
      "지도에서 대상 지역을 고른 후 [지역선택 확인]을 누르면 그 지역의 기후파일을 읽습니다.\n\n"
      "다른 지역의 기후파일(*.cly)이나 EPW 파일(*.epw)을 쓰려면 [기타]를 고르고 "
      "[기후파일 선택...]으로 파일을 고르십시오.",
      this);
  guide->setWordWrap(true);
  guide->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  choose_->setMinimumWidth(150);
  confirm_->setMinimumWidth(150);

  auto* side = new QVBoxLayout;
  side->addWidget(heading);
  side->addSpacing(8);
  side->addWidget(guide);
  side->addSpacing(16);
  side->addWidget(choose_, 0, Qt::AlignLeft);
  side->addWidget(pickedFile_);
  side->addLayout(createSiteChoice());
  side->addWidget(confirm_, 0, Qt::AlignLeft);
  side->addStretch(1);
  auto* block = new QGridLayout;
  block->setHorizontalSpacing(24);
  block->addWidget(map_, 0, 0);
  block->addLayout(side, 0, 1);
  block->addWidget(progress_, 1, 0, 1, 2);
  block->addWidget(progressText_, 2, 0, 1, 2);
  block->setColumnMinimumWidth(1, 240);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 24);
  auto* row = new QHBoxLayout;
  row->addLayout(block);
  row->addStretch(1);
  layout->addLayout(row);
  layout->addStretch(1);

  // Form_Load: Seoul is the default region, no file is chosen, nothing is loaded.
  findChild<QRadioButton*>(text(kDefaultRegionOption))->setChecked(true);
  enableSiteChoice();
  progress_->setValue(0);
  ClimateData& climate = this->state().climate();
  climate.RegionName.clear();
  climate.ClimateFilePath.clear();
  climate.OtherFilePath.clear();
}

void Frm11::createRegionOptions() {
  for (const RegionPlace& place : kPlaces) {
    const std::optional<Region> region = regionByOption(place.option);
    auto* option =
        new QRadioButton(region.has_value() ? text(region->koreanName) : QString(), map_);
    option->setObjectName(place.option);
    option->setToolTip(option->text());
    option->setFont(optionFont(option->font()));
    if (place.nameOnLeft) option->setLayoutDirection(Qt::RightToLeft);
    anchors_.insert(option, KoreaMap::project(place.longitude, place.latitude));
    placeOption(option, anchors_.value(option));
    options_->addButton(option);
    optionList_.push_back(option);
  }
  otherOption_ = new QRadioButton(text(kOtherRegionName), map_);
  otherOption_->setObjectName(text(kOtherRegionOption));
  otherOption_->setToolTip(otherOption_->text());
  otherOption_->setFont(optionFont(otherOption_->font()));
  anchors_.insert(otherOption_, QPointF(kOtherOptionAt));
  placeOption(otherOption_, anchors_.value(otherOption_));
  options_->addButton(otherOption_);
  optionList_.push_back(otherOption_);
  for (QRadioButton* option : optionList_)
    connect(option, &QRadioButton::toggled, this,
            [this, option](bool checked) { onOptionToggled(option, checked); });
}

QLayout* Frm11::createSiteChoice() {
  site_->setObjectName("cbo11Site");
  for (const SiteChoice& choice : siteChoices_) site_->addItem(text(choice.text));
  latitude_->setObjectName("txt11Latitude");
  longitude_->setObjectName("txt11Longitude");
  utcOffset_->setObjectName("txt11UtcOffset");
  utcOffset_->setText(kSiteDefaultUtcText);
  connect(site_, &QComboBox::currentIndexChanged, this, &Frm11::enableSiteChoice);
  auto* label = new QLabel(kSiteChoiceCaption, this);
  label->setObjectName("lbl11Site");
  label->setBuddy(site_);
  auto* form = new QFormLayout;
  form->addRow(label, site_);
  form->addRow(kSiteLatitudeCaption, latitude_);
  form->addRow(kSiteLongitudeCaption, longitude_);
  form->addRow(kSiteUtcCaption, utcOffset_);
  return form;
}

// The site is chosen only for "기타", whose file may record none; the boxes
// only for a typed site.
void Frm11::enableSiteChoice() {
  const bool other = otherOption_ != nullptr && otherOption_->isChecked();
  const auto index = static_cast<std::size_t>(std::max(0, site_->currentIndex()));
  const bool typed = other && siteChoices_[index].typed;
  site_->setEnabled(other);
  for (QLineEdit* box : {latitude_, longitude_, utcOffset_}) box->setEnabled(typed);
}

bool Frm11::chosenSite(std::optional<Site>& site) {
  const SiteChoice& choice =
      siteChoices_[static_cast<std::size_t>(std::max(0, site_->currentIndex()))];
  if (!choice.typed) {
    site = choice.site;
    return true;
  }
  site = ReadTypedSite({latitude_->text().toStdString(), longitude_->text().toStdString(),
                        utcOffset_->text().toStdString()},
                       sink());
  return site.has_value();
}

void Frm11::onOptionToggled(QRadioButton* option, bool checked) {
  // The chosen option is shown in bold.
  QFont font = option->font();
  font.setBold(checked);
  option->setFont(font);
  // Bold type is wider; the circle must stay on its city.
  placeOption(option, anchors_.value(option));
  enableSiteChoice();
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
  const std::optional<QString> chosen = openFile_(
      this,
      FileDialogRequest{text(kOtherFileDialogTitle), QString::fromStdString(state().programDir()),
                        qtFileFilter(kOtherFileDialogFilter), "ClimateFile", QString(), QString()});
  // Cancelling keeps the file picked before.
  if (!chosen.has_value()) return;
  state().climate().OtherFilePath = chosen->toStdString();
  pickedFile_->setText(QString::fromStdString(pickedFileText(state().climate().OtherFilePath)));
}

void Frm11::cmd11Confirm_Click() { loadClimateYear(); }

void Frm11::loadClimateYear() {
  ClimateData& data = state().climate();
  const QRadioButton* option = checkedOption();
  if (option == nullptr) return;
  ClimateChoice choice;
  if (option == otherOption_) {
    choice = otherChoice(data.OtherFilePath);
    // A typed site is checked before anything is read, so a refused one changes nothing.
    if (!chosenSite(choice.site)) return;
  } else {
    const std::optional<Region> region = regionByOption(option->objectName().toStdString());
    if (!region.has_value()) return;
    choice = builtInChoice(*region, state().programDir());
  }
  readingText_ = text(loadProgressText(choice.regionName, choice.filePath));
  const std::string regionBefore = data.RegionName;
  bool loaded = false;
  guarded([&] {
    loaded = LoadClimateYear(data, choice, state().psychro(), sink(),
                             [this](int16_t hour) { showProgress(hour); });
  });
  // The bar and the label go back to idle however the load ended, so that a
  // failed load does not leave "읽는 중..." on show.
  progress_->setValue(0);
  progressText_->clear();
  if (loaded) {
    emit regionPublished(QString::fromStdString(data.RegionName),
                         QString::fromStdString(data.sourcePath()));
  } else if (data.RegionName != regionBefore) {
    // The read failed part-way: the year in memory mixes two files and is no
    // longer loaded, so the other pages drop its name and what they computed from it.
    emit regionPublished(QString(), QString());
  }
}

void Frm11::showProgress(int16_t hour) {
  // The label reads the same for every hour: it is written once, at the first.
  if (progressText_->text() != readingText_) {
    progressText_->setText(readingText_);
    progressText_->repaint();
  }
  // The bar takes the percentage rounded as an integer property takes a
  // single: to the nearest, halves to even. It repaints only when it changes.
  progress_->showProgress(static_cast<int>(std::nearbyint(loadProgressPercent(hour))));
}

}  // namespace vlm
