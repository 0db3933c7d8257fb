#include "gui/pages/frm14.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/report/figure_caption.h"
#include "gui/export_commands.h"
#include "gui/pages/carpet_tab.h"
#include "gui/pages/compare_tab.h"
#include "gui/pages/degree_day_tab.h"
#include "gui/pages/result_grid.h"
#include "gui/pages/wind_tab.h"
#include "gui/pages/zone_months_tab.h"
#include "render/picture_box.h"

namespace vlm {
namespace {

QLabel* named(QLabel* label, const char* name) {
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

Frm14::Frm14(AppState& state, QWidget* parent)
    : Page(state, "frm14", "1-기후 심화분석", parent),
      region_(named(new QLabel(this), "lbl14d")),
      path_(named(new QLabel(this), "lbl14e")),
      tabs_(new QTabWidget(this)),
      zones_(new ZoneMonthsTab(state, tabs_)),
      carpet_(new CarpetTab(state, tabs_)),
      degreeDays_(new DegreeDayTab(state, tabs_)),
      compare_(new CompareTab(state, tabs_)),
      wind_(new WindTab(state, tabs_)) {
  auto* summary = new QGroupBox(QStringLiteral("정보요약"), this);
  summary->setObjectName("fra14");
  auto* row = new QHBoxLayout(summary);
  row->addWidget(named(new QLabel(QStringLiteral("대상지역 :"), summary), "lbl14a"));
  row->addWidget(region_);
  row->addSpacing(24);
  row->addWidget(named(new QLabel(QStringLiteral("기후파일 :"), summary), "lbl14b"));
  row->addWidget(path_, 1);

  tabs_->setObjectName("tab14");
  tabs_->addTab(zones_, QStringLiteral("월별 존 분석"));
  tabs_->addTab(carpet_, QStringLiteral("시간별 분포"));
  tabs_->addTab(degreeDays_, QStringLiteral("도일"));
  tabs_->addTab(compare_, QStringLiteral("기후 비교"));
  tabs_->addTab(wind_, QStringLiteral("바람 분석"));
  tabs_->setCurrentIndex(0);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addWidget(tabs_, 1);
  auto* exporter = new ExportCommands(state.sink(), this);
  exporter->attachFigure(zones_->picture(), [this] { return zones_->figure(); });
  exporter->attachFigure(carpet_->picture(), [this] { return carpet_->figure(); });
  exporter->attachFigure(compare_->picture(), [this] { return compare_->figure(); });
  // A table is named as the figure beside it.
  const auto captionOf = [](const std::optional<render::Figure>& figure) {
    return figure ? figure->caption : std::string();
  };
  exporter->attachTable(
      zones_->table(), [this] { return zones_->table()->textTable(); },
      [this, captionOf] { return captionOf(zones_->figure()); });
  exporter->attachTable(
      degreeDays_->table(), [this] { return degreeDays_->table()->textTable(); },
      [this] { return DegreeDayCaption(region_->text().toStdString()); });
  exporter->attachTable(
      compare_->table(), [this] { return compare_->table()->textTable(); },
      [this, captionOf] { return captionOf(compare_->figure()); });
  exporter->attachFigure(wind_->picture(), [this] { return wind_->figure(); });
  exporter->attachTable(
      wind_->table(), [this] { return wind_->table()->textTable(); },
      [this] { return wind_->figure() ? wind_->figure()->caption : std::string(); });
}

std::optional<render::Figure> Frm14::currentFigure() const {
  const QWidget* shown = tabs_->currentWidget();
  if (shown == zones_) return zones_->figure();
  if (shown == carpet_) return carpet_->figure();
  if (shown == compare_) return compare_->figure();
  if (shown == wind_) return wind_->figure();
  return std::nullopt;
}

void Frm14::setRegion(const QString& name, const QString& path) {
  region_->setText(name);
  path_->setText(path);
  // Results of the previous region must not stand under the new one's name.
  zones_->clearResults();
  carpet_->clearResults();
  degreeDays_->clearResults();
  compare_->clearResults();
  wind_->clearResults();
}

}  // namespace vlm
