#include "gui/pages/frm32.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <optional>

#include "gui/export_commands.h"
#include "gui/pages/frm32_comfort.h"
#include "gui/pages/warning_line.h"

namespace vlm {
namespace {

struct InputItem {
  const char* suffix;  // of chk32I… and txt32I…
  const char* caption;
  const char* unit;
};

// In the order of the selection bits: dry bulb 1, wet bulb 2, absolute
// humidity 4, relative humidity 8, enthalpy 16.
constexpr std::array<InputItem, kCalcInputCount> kInputs{{
    {"DryBulb", "건구온도", "(℃)"},
    {"WetBulb", "습구온도", "(℃)"},
    {"AbsHumid", "절대습도", "(kg/kg')"},
    {"RelHumid", "상대습도", "(%)"},
    {"Entalpy", "엔탈피", "(J/kg')"},
}};

struct OutputItem {
  const char* suffix;  // of lbl32O…
  const char* caption;
  const char* unit;
};

constexpr std::array<OutputItem, kCalcOutputCount> kOutputs{{
    {"DryBulb", "건구온도", "(℃)"},
    {"WetBulb", "습구온도", "(℃)"},
    {"AbsHumid", "절대습도", "(kg/kg')"},
    {"RelHumid", "상대습도", "(%)"},
    {"Entalpy", "엔탈피", "(J/kg')"},
    {"DewTemp", "노점온도", "(℃)"},
    {"Pressure", "수증기분압", "(kPa)"},
    {"SpecV", "비체적", "(m^3/kg')"},
}};

constexpr const char* kInputTip = "입력항목을 선택하세요.";
constexpr const char* kSliderTipSuffix = " 소수점 이하 자리수 조절";

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// Wide enough for the largest enthalpy of the air (≈ 10⁵ J/kg') with six
// decimals, so that moving a slider never makes the column jump.
int outputWidth(const QFont& font) {
  return QFontMetrics(font).horizontalAdvance(QStringLiteral("-0000000.000000")) + 12;
}

}  // namespace

Frm32::Frm32(AppState& state, QWidget* parent) : Page(state, "frm32", "32-습공기상태계산", parent) {
  QGroupBox* input = createInputFrame();
  QGroupBox* output = createOutputFrame();

  calc_ = new QPushButton("계산", this);
  calc_->setObjectName("cmd32Calc");
  calc_->setToolTip("2개 항목의 값을 입력받아 습공기 상태를 계산합니다.");
  reset_ = new QPushButton("초기화", this);
  reset_->setObjectName("cmd32Reset");
  reset_->setToolTip("프로그램 기동시의 설정 상태로 초기화합니다.");
  connect(calc_, &QPushButton::clicked, this, &Frm32::cmd32Calc_Click);
  connect(reset_, &QPushButton::clicked, this, &Frm32::cmd32Reset_Click);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(calc_);
  buttons->addWidget(reset_);
  auto* left = new QVBoxLayout;
  left->addWidget(input);
  left->addLayout(buttons);
  left->addStretch(1);
  // Under the results: what is physically impossible about them, in red.
  warning_ = createWarningLine("lbl32OWarning", this);
  auto* right = new QVBoxLayout;
  right->addWidget(output);
  right->addWidget(warning_);
  comfort_ = new Frm32Comfort(state.sink(), this);
  right->addWidget(comfort_);
  right->addStretch(1);
  // The frames keep their natural size; a larger pane only adds room around them.
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 24);
  layout->setSpacing(24);
  layout->addLayout(left);
  layout->addLayout(right);
  layout->addStretch(1);

  restoreOpeningState();  // Form_Load
  auto* exporter = new ExportCommands(state.sink(), this);
  exporter->attachTable(output, [this] { return resultTable(); });
}

std::optional<TextTable> Frm32::resultTable() const {
  if (outputLabels_[0]->text().isEmpty()) return std::nullopt;
  TextTable table;
  table.rows.push_back({"항목", "값", "단위"});
  for (std::size_t i = 0; i < kCalcOutputCount; ++i) {
    table.rows.push_back(
        {kOutputs[i].caption, outputLabels_[i]->text().toStdString(), kOutputs[i].unit});
  }
  return table;
}

QGroupBox* Frm32::createInputFrame() {
  auto* frame = new QGroupBox("정보입력(다음 중 2개 선택 후 값 입력)", this);
  frame->setObjectName("fra32Input");
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  for (std::size_t i = 0; i < kCalcInputCount; ++i) {
    const InputItem& item = kInputs[i];
    const int row = static_cast<int>(i);
    auto* check = new QCheckBox(item.caption, frame);
    check->setObjectName(QString("chk32I") + item.suffix);
    check->setToolTip(kInputTip);
    auto* text = new QLineEdit(frame);
    text->setObjectName(QString("txt32I") + item.suffix);
    text->setMinimumWidth(outputWidth(text->font()));
    text->setAlignment(Qt::AlignRight);
    grid->addWidget(check, row, 0);
    grid->addWidget(text, row, 1);
    grid->addWidget(namedLabel(QString("lbl32IUnit_%1").arg(i), item.unit, frame), row, 2);
    inputChecks_[i] = check;
    inputTexts_[i] = text;
    connect(check, &QCheckBox::toggled, this, [this, i](bool ticked) { chk32I_Click(i, ticked); });
  }
  auto* box = new QVBoxLayout(frame);
  box->addLayout(grid);
  box->addSpacing(8);
  box->addWidget(namedLabel("lbl32INote", "[참조] kg' : 건조공기(Dry Air) 질량", frame));
  return frame;
}

QGroupBox* Frm32::createOutputFrame() {
  auto* frame = new QGroupBox("계산결과 : 해수면 대기압(101.325kPa)기준", this);
  frame->setObjectName("fra32Output");
  auto* grid = new QGridLayout(frame);
  grid->setHorizontalSpacing(10);
  for (std::size_t i = 0; i < kCalcOutputCount; ++i) {
    const OutputItem& item = kOutputs[i];
    const int row = static_cast<int>(i);
    auto* value = namedLabel(QString("lbl32O") + item.suffix, QString(), frame);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(outputWidth(value->font()));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* slider = new QSlider(Qt::Horizontal, frame);
    slider->setObjectName(QString("Slider32O%1").arg(i + 1));
    slider->setRange(0, kMaxDecimals);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setFixedWidth(120);
    slider->setToolTip(QString(item.caption) + kSliderTipSuffix);
    grid->addWidget(namedLabel(QString("lbl32OName_%1").arg(i), item.caption, frame), row, 0);
    grid->addWidget(value, row, 1);
    grid->addWidget(namedLabel(QString("lbl32OUnit_%1").arg(i), item.unit, frame), row, 2);
    grid->addWidget(slider, row, 3);
    outputLabels_[i] = value;
    sliders_[i] = slider;
    connect(slider, &QSlider::valueChanged, this, [this, i] { Slider32O_Change(i); });
  }
  return frame;
}

void Frm32::chk32I_Click(std::size_t input, bool ticked) {
  // The ticked item's caption is bold; a cleared box keeps its text for later.
  QCheckBox* check = inputChecks_[input];
  QFont font = check->font();
  font.setBold(ticked);
  check->setFont(font);
  QLineEdit* text = inputTexts_[input];
  text->setEnabled(ticked);
  if (ticked) text->setFocus();
}

void Frm32::Slider32O_Change(std::size_t output) { showOutput(output); }

void Frm32::showOutput(std::size_t output) {
  const float value = OutputValue(stored_, static_cast<CalcOutput>(output));
  outputLabels_[output]->setText(
      QString::fromStdString(FormatOutput(value, sliders_[output]->value())));
}

void Frm32::cmd32Calc_Click() {
  CalcInputs inputs;
  for (std::size_t i = 0; i < kCalcInputCount; ++i)
    inputs.boxes[i] =
        CalcInputBox{inputChecks_[i]->isChecked(), inputTexts_[i]->text().toStdString()};
  std::optional<AirState> solved;
  // A floating-point fault is reported by the calculation itself, with the
  // advice to check the values and units; anything else still ends in a box.
  guarded([&] { solved = CalculateAirState(inputs, state().psychro(), sink()); });
  // A failed calculation leaves no earlier results beside the new inputs.
  stored_ = solved.value_or(AirState{});
  for (std::size_t i = 0; i < kCalcOutputCount; ++i) {
    if (solved) {
      showOutput(i);
    } else {
      outputLabels_[i]->clear();
    }
  }
  warning_->setText(QString::fromStdString(CalculatorWarningLine(inputs, solved)));
  if (solved) {
    comfort_->showFor(stored_);
  } else {
    comfort_->clear();
  }
}

void Frm32::cmd32Reset_Click() { restoreOpeningState(); }

void Frm32::restoreOpeningState() {
  for (std::size_t i = 0; i < kCalcInputCount; ++i) {
    inputChecks_[i]->setChecked(false);
    inputTexts_[i]->clear();
    inputTexts_[i]->setEnabled(false);
  }
  for (std::size_t i = 0; i < kCalcOutputCount; ++i) sliders_[i]->setValue(kDefaultDecimals[i]);
  stored_ = AirState{};
  for (QLabel* label : outputLabels_) label->clear();
  warning_->clear();
  if (comfort_ != nullptr) comfort_->clear();
}

}  // namespace vlm
