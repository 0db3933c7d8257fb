#include "gui/pages/frm13.h"

#include <QFormLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/pages/unfinished_notice.h"

namespace vlm {
namespace {

QWidget* sourceTab(QLabel* region, QLabel* path, QWidget* parent) {
  auto* tab = new QWidget(parent);
  auto* form = new QFormLayout;
  form->addRow("대상지역 :", region);
  form->addRow("기후파일 :", path);
  path->setWordWrap(true);
  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(form);
  layout->addWidget(unfinishedNotice(tab), 1);
  return tab;
}

}  // namespace

Frm13::Frm13(AppState& state, QWidget* parent)
    : Page(state, "frm13", "1-월별 기후표현", parent),
      region1_(new QLabel(this)),
      region2_(new QLabel(this)),
      path1_(new QLabel(this)),
      path2_(new QLabel(this)) {
  // Printing keeps the wind rose pic132 in its picture's persistent image.
  setPrintFlag(&PrintFlags::RosePrinted);
  region1_->setObjectName("lbl131d");
  region2_->setObjectName("lbl132d");
  path1_->setObjectName("lbl131e");
  path2_->setObjectName("lbl132e");
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("tab13");
  tabs->addTab(sourceTab(region1_, path1_, tabs), "건구온도, 상대습도, 일사량, 풍속");
  tabs->addTab(sourceTab(region2_, path2_, tabs), "풍   향");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
}

void Frm13::setRegion(const QString& name, const QString& path) {
  region1_->setText(name);
  region2_->setText(name);
  path1_->setText(path);
  path2_->setText(path);
}

}  // namespace vlm
