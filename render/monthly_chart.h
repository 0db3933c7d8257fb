// The monthly chart as a Qt chart: the one place that turns a core MonthlyChart
// into bars, axes, title and value labels, for the monthly-climate page and for
// the image files of vlm-cli alike.
#pragma once

#include <QStringList>
#include <string>

#include "core/graphs/monthly_chart.h"

QT_BEGIN_NAMESPACE
class QChart;
class QPainter;
class QRectF;
class QSizeF;
QT_END_NAMESPACE

namespace vlm::render {

// Replaces everything the chart shows with `data`: three bar sets over the 13
// categories, the category and value axes with the value-axis title, the title,
// and with data.numbers one "#0.0" label (8 points) at every bar that has a value.
// A cell without value draws no bar and no label.
void fillMonthlyChart(QChart& chart, const MonthlyChart& data);

// Removes the bars, the axes, the value labels and the title: an empty chart.
void clearMonthlyChart(QChart& chart);

// The value labels the chart shows now, series by series, category by category.
[[nodiscard]] QStringList monthlyValueLabels(const QChart& chart);

// Lays the chart of `data` out at `layoutSize` pixels and paints it scaled into
// `target` of any painter, as vectors. Needs a QApplication.
void paintMonthlyChart(QPainter& painter, const QRectF& target, const MonthlyChart& data,
                       const QSizeF& layoutSize);

// Draws the chart of `data` at widthPx × heightPx into `path` (.png, .svg or .pdf
// by extension) through a temporary file renamed into place. Throws FileError
// when the file cannot be written and std::invalid_argument for an unknown
// extension. Needs a QApplication (see ensureWidgetsApplication).
void saveMonthlyChart(const MonthlyChart& data, const std::string& path, int widthPx, int heightPx);

// Charts are graphics widgets: they need a QApplication, which this creates on
// the offscreen platform when no application exists yet. Throws
// std::runtime_error when a plain QGuiApplication is already running.
void ensureWidgetsApplication();

}  // namespace vlm::render
