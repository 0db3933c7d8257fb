#include "gui/pages/frm12.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/climate/load_texts.h"
#include "gui/pages/unfinished_notice.h"

namespace vlm {

Frm12::Frm12(AppState& state, QWidget* parent)
    : Page(state, "frm12", "1-기후분석", parent),
      drawOption_(new QGroupBox("그림종류 선택(대상지역 : 없음)", this)),
      regionLabel_(new QLabel(this)),
      pathLabel_(new QLabel(this)) {
  // Printing keeps the bioclimatic chart in its picture's persistent image.
  setPrintFlag(&PrintFlags::BioChartPrinted);
  drawOption_->setObjectName("fra12aDrawOption");
  regionLabel_->setObjectName("lbl12c14");
  pathLabel_->setObjectName("lbl12c15");
  pathLabel_->setWordWrap(true);

  auto* source = new QFormLayout;
  source->addRow("대상지역 :", regionLabel_);
  source->addRow("기후파일 :", pathLabel_);
  auto* options = new QVBoxLayout(drawOption_);
  options->addLayout(source);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(drawOption_);
  layout->addWidget(unfinishedNotice(this), 1);
}

void Frm12::setRegion(const QString& name, const QString& path) {
  drawOption_->setTitle(QString::fromStdString(drawOptionCaption(name.toStdString())));
  regionLabel_->setText(name);
  pathLabel_->setText(path);
}

}  // namespace vlm
