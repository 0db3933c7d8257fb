// Tab 1 of frm31: the illustrations of the shade types and the frame in which
// the user picks a type and types its shading angles.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSvgRenderer>

#include "gui/pages/frm31.h"
#include "gui/pages/frm31_widgets.h"

namespace vlm {
using frm31::plainLabel;

namespace {

// One of the four drawings of tab 1 that show a shade type and how its angles
// are measured, painted from its vector file so that it prints sharp. It
// shrinks, keeping its shape, where the page is narrow.
class Illustration : public QWidget {
 public:
  Illustration(const QString& name, const QString& path, QWidget* parent)
      : QWidget(parent), renderer_(new QSvgRenderer(path, this)) {
    setObjectName(name);
    setMinimumSize(kSmallest);
    resize(kNatural);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  }
  [[nodiscard]] bool valid() const { return renderer_->isValid(); }
  [[nodiscard]] QSize sizeHint() const override { return kNatural; }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    QSize shown = kNatural.scaled(size(), Qt::KeepAspectRatio);
    const QRect frame(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                      shown);
    painter.fillRect(frame, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    if (renderer_->isValid()) renderer_->render(&painter, QRectF(frame));
    painter.setPen(Qt::gray);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
  }

 private:
  static constexpr QSize kNatural{260, 200};
  static constexpr QSize kSmallest{169, 130};
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

}  // namespace

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

}  // namespace vlm
