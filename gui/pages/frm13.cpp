#include "gui/pages/frm13.h"

#include <QChartView>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/export_commands.h"
#include "gui/pages/monthly_tab.h"
#include "gui/pages/rose_tab.h"
#include "render/picture_box.h"

namespace vlm {

Frm13::Frm13(AppState& state, QWidget* parent)
    : Page(state, "frm13", "1-월별 기후표현", parent),
      tabs_(new QTabWidget(this)),
      monthly_(new MonthlyTab(state, tabs_)),
      rose_(new RoseTab(state, tabs_)) {
  // Printing keeps the wind rose pic132 in its picture's persistent image.
  setPrintFlag(&PrintFlags::RosePrinted);
  tabs_->setObjectName("tab13");
  tabs_->addTab(monthly_, "건구온도, 상대습도, 일사량, 풍속");
  tabs_->addTab(rose_, "풍   향");
  tabs_->setCurrentIndex(0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  auto* exporter = new ExportCommands(state.sink(), this);
  exporter->attachFigure(monthly_->chartView(), [this] { return monthly_->figure(); });
  exporter->attachFigure(rose_->picture(), [this] { return rose_->figure(); });
}

std::optional<render::Figure> Frm13::currentFigure() const {
  return tabs_->currentIndex() == 0 ? monthly_->figure() : rose_->figure();
}

void Frm13::setRegion(const QString& name, const QString& path) {
  monthly_->regionLabel()->setText(name);
  rose_->regionLabel()->setText(name);
  monthly_->pathLabel()->setText(path);
  rose_->pathLabel()->setText(path);
  // The chart and the rose of the year before must not stand under the new caption.
  monthly_->clearChart();
  rose_->cmd132Erase_Click();
}

}  // namespace vlm
