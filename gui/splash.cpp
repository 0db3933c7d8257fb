#include "gui/splash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app_info.h"
#include "gui/logo_picture.h"

namespace vlm {

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer_(new QTimer(this)) {
  setObjectName("frmStart");
  setWindowTitle("Velmora");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* frame = new QFrame(this);
  frame->setObjectName("fraStart");
  frame->setFrameShape(QFrame::Box);
  frame->setLineWidth(1);
  frame->setStyleSheet("#fraStart { background: #fbfaf6; border: 1px solid #7a8a96; }");

  auto* logo = new LogoPicture(128, frame);
  logo->setObjectName("picSlogo");
  auto* company = new QLabel("Velmora", frame);
  company->setObjectName("lblCompanyProduct");
  QFont companyFont = company->font();
  companyFont.setPointSize(companyFont.pointSize() + 3);
  company->setFont(companyFont);
  auto* product = new QLabel("Velmora", frame);
  product->setObjectName("lblProductName");
  QFont productFont = product->font();
  productFont.setPointSize(productFont.pointSize() * 3);
  productFont.setBold(true);
  product->setFont(productFont);
  auto* version = new QLabel(versionText(), frame);
  version->setObjectName("lblVersion");
  auto* subtitle = new QLabel("자연형 기후설계 지원 프로그램", frame);
  subtitle->setObjectName("lblSubTitle");
  auto* warning =
      new QLabel("경고 : 본 프로그램의 사용에 대한\n 모든 책임은 사용자에게 있습니다.", frame);
  warning->setObjectName("lblWarning");
  warning->setStyleSheet("color: #6a4a3a;");

  auto* names = new QVBoxLayout;
  names->addWidget(company);
  names->addWidget(product);
  names->addWidget(subtitle);
  names->addSpacing(6);
  names->addWidget(version);
  names->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(logo, 0, Qt::AlignTop);
  top->addSpacing(20);
  top->addLayout(names, 1);
  auto* inner = new QVBoxLayout(frame);
  inner->setContentsMargins(28, 24, 28, 20);
  inner->addLayout(top);
  inner->addSpacing(18);
  inner->addWidget(warning);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);
  resize(520, 300);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }

  timer_->setObjectName("tmrStart");
  timer_->setInterval(3000);
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &Splash::handOver);
  timer_->start();
}

// Clicks on the frame and the labels reach the splash, which ignores none of them.
void Splash::mousePressEvent(QMouseEvent* /*event*/) { handOver(); }

void Splash::mouseDoubleClickEvent(QMouseEvent* /*event*/) { handOver(); }

void Splash::keyPressEvent(QKeyEvent* /*event*/) { handOver(); }

void Splash::handOver() {
  if (handedOver_) return;
  handedOver_ = true;
  timer_->stop();
  emit finished();
  close();
}

}  // namespace vlm
