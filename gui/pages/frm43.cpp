#include "gui/pages/frm43.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "gui/app_info.h"
#include "gui/logo_picture.h"
#include "gui/shell_messages.h"

namespace vlm {
namespace {

QLabel* wrappedLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

Frm43::Frm43(AppState& state, QWidget* parent)
    : Page(state, "frm43", "4-프로그램 정보", parent), platform_(desktopPlatform()) {
  auto* logo = new LogoPicture(96, this);
  logo->setObjectName("pic43Logo");
  auto* title = new QLabel("Velmora", this);
  title->setObjectName("lbl43Title");
  QFont titleFont = title->font();
  titleFont.setPointSize(titleFont.pointSize() * 2 + 4);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version = new QLabel(versionText(), this);
  version->setObjectName("lbl43Version");

  auto* description = wrappedLabel(
      "lbl43Description",
      "자연형 기후설계 자료 및 방법과 여러 추가기능을 제공함으로써, 에너지 절약적이고 "
      "환경친화적인 건축설계 실현에 도움을 주고자 하였습니다.\n\n"
      "Velmora는 건축가가 설계 초기 단계에서 대지의 기후를 읽고, 냉난방 설비에 앞서 건물의 "
      "형태와 외피로 기후에 대응할 수 있도록 만든 설계 도구입니다. 전국 13개 지역의 "
      "표준기상년 시간별 기후자료를 바탕으로 건물생체기후도와 기후설계 지침, 월별 기후, "
      "태양궤적과 음영, 습공기 상태를 한 프로그램 안에서 살펴볼 수 있습니다.\n\n"
      "본 프로그램 관련 질문사항이 있으면 아래 연락처로 연락바랍니다.",
      this);
  auto* address = wrappedLabel("lbl43Address",
                               "Velmora 개발팀\n"
                               "전자우편 : support@velmora.example\n"
                               "문의 시 프로그램의 버전과 사용 중인 운영체제를 함께 알려 주십시오.",
                               this);
  auto* disclaimer = wrappedLabel(
      "lbl43Disclaimer",
      "경고 : 본 프로그램의 사용에 대한 모든 책임은 사용자에게 있습니다.\n"
      "본 프로그램이 보여 주는 기후자료와 분석 결과는 설계의 참고자료이며, 실제 건물의 "
      "성능을 보증하지 않습니다.",
      this);
  auto* sysInfo = new QPushButton("시스템 정보...", this);
  sysInfo->setObjectName("cmdSysInfo");
  sysInfo->setToolTip("시스템 정보 표시");
  connect(sysInfo, &QPushButton::clicked, this, &Frm43::cmdSysInfo_Click);

  auto* heading = new QVBoxLayout;
  heading->addWidget(title);
  heading->addWidget(version);
  heading->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(logo, 0, Qt::AlignTop);
  top->addSpacing(16);
  top->addLayout(heading, 1);

  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(disclaimer, 1);
  bottom->addSpacing(16);
  bottom->addWidget(sysInfo, 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 28, 32, 28);
  layout->addLayout(top);
  layout->addSpacing(12);
  layout->addWidget(description);
  layout->addSpacing(12);
  layout->addWidget(address);
  layout->addStretch(1);
  layout->addWidget(rule);
  layout->addLayout(bottom);
}

void Frm43::cmdSysInfo_Click() {
  // Whatever goes wrong on the way, the user hears only that the tool is not there.
  try {
    startSystemInfo(platform_, sink());
  } catch (const std::exception&) {
    sink().show(systemInfoUnavailable());
  }
}

}  // namespace vlm
