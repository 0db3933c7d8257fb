#include "gui/pages/frm1.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>
#include <vector>

#include "gui/app_info.h"
#include "gui/logo_picture.h"

namespace vlm {
namespace {

struct GroupText {
  const char* item;
  QStringList lines;
};

// Each line ends with a line break except the last; leading blanks belong to
// the text, they indent the notes under each screen's name.
const std::vector<GroupText>& groupTexts() {
  static const std::vector<GroupText> texts = {
      {"자연형 기후설계 자료",
       {"▷ 지역선택", "     - 가장 먼저 지역선택에서 대상 지역을 선택", "", "▷ 기후분석",
        "     - 건물생체기후도 작도", "     - 건물생체기후도 분석 결과 표시 및",
        "        대상 지역에 적합한 기후설계 지침 도출", "     - 기후데이터 추출 및 파일로 저장",
        "", "▷ 월별 기후표현", "     - 월별 건구온도, 상대습도, 일사량, 풍속, 풍향",
        "        그래프 작도"}},
      {"추가기능",
       {"▷ 태양궤적, 음영평가", "     - 수평사영 태양궤적도 작도",
        "     - 차양, 인접건물 등의 음영각 정보입력", "     - 음영마스크 작도로 음영 평가", "",
        "▷ 습공기 상태계산", "     - 건구온도, 습구온도, 절대습도, 상대습도,",
        "        엔탈피, 노점온도, 수증기압, 비체적 등의", "        습공기 상태치 파악", "",
        "▷ 기후파일 변환", "     - WYEC(혹은 TRY)형식의 기후데이터 파일을",
        "        Velmora용 기후 파일로 변환", "     - WYEC(혹은 TRY)형식의 기후데이터 파일만",
        "        있으면 전 세계 어느 지역이라도 분석 가능"}},
      {"도움말",
       {"▷ 사용법", "     - 프로그램 사용법 및 참고자료 제공", "", "▷ 인터넷 홈페이지",
        "     - 온라인 시뮬레이션 기능 제공", "     - 기후설계 지침별 자연형 설계기술 제공",
        "     - 국내외 친환경, 에너지절약형 건물소개", "     - 설계 도구(컴퓨터 프로그램) 제공",
        "     - 자료실(관련 문헌, 논문, 사이트, 기타) 제공",
        "     - 관리자와의 질의응답 게시판, 자유 게시판 제공", "", "▷ 프로그램 정보",
        "     - Velmora 프로그램 정보"}},
  };
  return texts;
}

}  // namespace

Frm1::Frm1(AppState& state, QWidget* parent)
    : Page(state, "frm1", "Velmora", parent),
      subTitle_(new QLabel(this)),
      description_(new QLabel(this)) {
  auto* logo = new LogoPicture(96, this);
  logo->setObjectName("pic1Logo");
  auto* title = new QLabel("Velmora", this);
  title->setObjectName("lbl1Title");
  QFont titleFont = title->font();
  titleFont.setPointSize(titleFont.pointSize() * 2 + 4);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version = new QLabel(versionText(), this);
  version->setObjectName("lbl1Version");

  subTitle_->setObjectName("lbl1SubTitle");
  QFont subFont = subTitle_->font();
  subFont.setPointSize(subFont.pointSize() + 5);
  subFont.setBold(true);
  subTitle_->setFont(subFont);
  description_->setObjectName("lbl1Description");
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The indents of the notes are blanks, which must not collapse.
  description_->setTextFormat(Qt::PlainText);
  QFont descriptionFont = description_->font();
  descriptionFont.setPointSize(descriptionFont.pointSize() + 2);
  description_->setFont(descriptionFont);

  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);

  auto* heading = new QVBoxLayout;
  heading->addWidget(title);
  heading->addWidget(version);
  heading->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(logo);
  top->addSpacing(16);
  top->addLayout(heading, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 28, 32, 28);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addWidget(rule);
  layout->addSpacing(8);
  layout->addWidget(subTitle_);
  layout->addSpacing(6);
  layout->addWidget(description_, 1);
}

QString Frm1::groupDescription(const QString& itemText) {
  for (const GroupText& group : groupTexts())
    if (itemText == QString::fromUtf8(group.item)) return group.lines.join('\n');
  return {};
}

bool Frm1::showGroup(const QString& itemText) {
  for (const GroupText& group : groupTexts()) {
    if (itemText != QString::fromUtf8(group.item)) continue;
    subTitle_->setText(itemText);
    description_->setText(group.lines.join('\n'));
    return true;
  }
  return false;
}

}  // namespace vlm
