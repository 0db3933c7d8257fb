#include "render/monthly_chart.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <vector>

#include "core/common/atomic_file.h"
#include "render/drawing_export.h"
#include "render/korean_font.h"

namespace vlm::render {
namespace {

// Share of a category that the three bars fill together.
constexpr qreal kBarWidth = 0.8;
constexpr qreal kLabelPointSize = 8;
constexpr qreal kLabelGap = 2;  // pixels between a bar's end and its label
constexpr qreal kLabelZ = 1000;
// Headroom above the highest and below the lowest bar, for the labels.
constexpr double kHeadroomWithNumbers = 0.14;
constexpr double kHeadroom = 0.05;

const std::array<QColor, kMonthlySeries> kSeriesColors = {
    QColor(205, 62, 55),   // maximum
    QColor(72, 148, 72),   // mean
    QColor(52, 101, 164),  // minimum
};

// The value labels of the bars: one text per bar with a value, kept at its bar
// whenever the plot area moves. An item of its own, so that refilling the chart
// removes the labels with it.
class ValueLabels final : public QGraphicsObject {
 public:
  ValueLabels(QChart& chart, QAbstractBarSeries& series, const MonthlyChart& data)
      : QGraphicsObject(&chart), chart_(chart), series_(series) {
    // Above every bar, grid line and axis of the chart, so no bar hides a value.
    setZValue(kLabelZ);
    QFont font = chart.font();
    font.setPointSizeF(kLabelPointSize);
    for (std::size_t s = 0; s < kMonthlySeries; ++s) {
      for (std::size_t c = 0; c < kMonthlyCategories; ++c) {
        const auto& value = data.series[s].values[c];
        const std::string& text = data.series[s].labels[c];
        if (!value || text.empty()) continue;
        auto* item = new QGraphicsSimpleTextItem(QString::fromStdString(text), this);
        item->setFont(font);
        labels_.push_back(Label{item, s, c, static_cast<qreal>(*value)});
      }
    }
    QObject::connect(&chart, &QChart::plotAreaChanged, this, [this] { place(); });
    place();
  }

  [[nodiscard]] QRectF boundingRect() const override { return {}; }
  void paint(QPainter* /*painter*/, const QStyleOptionGraphicsItem* /*option*/,
             QWidget* /*widget*/) override {}

  [[nodiscard]] QStringList texts() const {
    QStringList out;
    for (const Label& label : labels_) out << label.item->text();
    return out;
  }

 private:
  struct Label {
    QGraphicsSimpleTextItem* item;
    std::size_t series;
    std::size_t category;
    qreal value;
  };

  // Bars stand centred in their category, the three sets side by side.
  static qreal barCentre(const Label& label) {
    const qreal share = kBarWidth / static_cast<qreal>(kMonthlySeries);
    return static_cast<qreal>(label.category) - kBarWidth / 2 +
           (static_cast<qreal>(label.series) + 0.5) * share;
  }

  void place() {
    if (chart_.plotArea().isEmpty()) return;
    const qreal barPixels = (chart_.mapToPosition(QPointF(1, 0), &series_).x() -
                             chart_.mapToPosition(QPointF(0, 0), &series_).x()) *
                            kBarWidth / static_cast<qreal>(kMonthlySeries);
    // One orientation for all labels: level when every text fits over its bar,
    // otherwise all turned to read upwards along the bars.
    qreal widest = 0;
    for (const Label& label : labels_)
      widest = std::max(widest, label.item->boundingRect().width());
    const bool level = widest + kLabelGap <= barPixels;
    for (const Label& label : labels_) {
      const QPointF end = chart_.mapToPosition(QPointF(barCentre(label), label.value), &series_);
      const QRectF box = label.item->boundingRect();
      const bool upwards = label.value >= 0;
      if (level) {
        label.item->setRotation(0);
        const qreal y = upwards ? end.y() - kLabelGap - box.height() : end.y() + kLabelGap;
        label.item->setPos(end.x() - box.width() / 2, y);
      } else {
        label.item->setRotation(-90);
        const qreal y = upwards ? end.y() - kLabelGap : end.y() + kLabelGap + box.width();
        label.item->setPos(end.x() - box.height() / 2, y);
      }
    }
  }

  QChart& chart_;
  QAbstractBarSeries& series_;
  std::vector<Label> labels_;
};

void removeContent(QChart& chart) {
  for (QGraphicsItem* child : chart.childItems()) {
    if (dynamic_cast<ValueLabels*>(child) != nullptr) delete child;
  }
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) {
    chart.removeAxis(axis);
    delete axis;
  }
}

// The value range of the bars, zero included so that every bar grows from zero.
std::pair<double, double> valueRange(const MonthlyChart& data) {
  double lo = 0, hi = 0;
  for (const MonthlySeries& series : data.series) {
    for (const auto& value : series.values) {
      if (!value) continue;
      lo = std::min(lo, static_cast<double>(*value));
      hi = std::max(hi, static_cast<double>(*value));
    }
  }
  if (hi == lo) return {lo, lo + 1};
  const double room = (hi - lo) * (data.numbers ? kHeadroomWithNumbers : kHeadroom);
  if (hi > 0) hi += room;
  if (lo < 0) lo -= room;
  return {lo, hi};
}

QString text(const std::string& s) { return QString::fromStdString(s); }

std::string lowerExtension(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).suffix().toLower().toStdString();
}

using PaintFn = std::function<void(QPainter&, const QRectF&)>;

QByteArray renderBytes(const std::string& ext, int w, int h, const PaintFn& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QRectF page(0, 0, w, h);
  if (ext == "png") {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      paint(painter, page);
    }
    if (!image.save(&buffer, "PNG", kPngQuality))
      throw std::runtime_error("PNG 그림을 만들 수 없습니다.");
  } else if (ext == "svg") {
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(w, h));
    generator.setViewBox(QRect(0, 0, w, h));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Velmora"));
    QPainter painter(&generator);
    painter.fillRect(page, Qt::white);
    paint(painter, page);
  } else if (ext == "pdf") {
    QPdfWriter writer(&buffer);
    writer.setResolution(96);
    writer.setPageSize(QPageSize(QSizeF(w * 72.0 / 96.0, h * 72.0 / 96.0), QPageSize::Point,
                                 QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("Velmora"));
    QPainter painter(&writer);
    painter.fillRect(page, Qt::white);
    paint(painter, page);
  }
  return bytes;
}

}  // namespace

void clearMonthlyChart(QChart& chart) {
  removeContent(chart);
  chart.setTitle(QString());
}

void fillMonthlyChart(QChart& chart, const MonthlyChart& data) {
  removeContent(chart);
  auto* series = new QBarSeries;
  series->setBarWidth(kBarWidth);
  for (std::size_t s = 0; s < kMonthlySeries; ++s) {
    auto* set = new QBarSet(text(data.series[s].name));
    set->setPen(Qt::NoPen);
    set->setBrush(kSeriesColors[s]);
    set->setColor(kSeriesColors[s]);
    // An empty cell stands as a bar of height zero: with no outline, nothing shows.
    for (const auto& value : data.series[s].values) set->append(value ? *value : 0.0);
    series->append(set);
  }
  chart.addSeries(series);

  auto* categories = new QBarCategoryAxis;
  for (const std::string& category : data.categories) categories->append(text(category));
  chart.addAxis(categories, Qt::AlignBottom);
  series->attachAxis(categories);

  auto* values = new QValueAxis;
  values->setTitleText(text(data.axisTitle));
  const auto [lo, hi] = valueRange(data);
  values->setRange(lo, hi);
  values->applyNiceNumbers();
  values->setLabelFormat(QStringLiteral("%g"));
  chart.addAxis(values, Qt::AlignLeft);
  series->attachAxis(values);

  QFont titleFont = chart.titleFont();
  titleFont.setPointSizeF(12);
  titleFont.setBold(true);
  chart.setTitleFont(titleFont);
  chart.setTitle(text(data.title));
  chart.legend()->setVisible(true);
  chart.legend()->setAlignment(Qt::AlignBottom);

  if (data.numbers) new ValueLabels(chart, *series, data);
}

QStringList monthlyValueLabels(const QChart& chart) {
  QStringList out;
  for (QGraphicsItem* child : chart.childItems()) {
    if (const auto* labels = dynamic_cast<const ValueLabels*>(child)) out << labels->texts();
  }
  return out;
}

void paintMonthlyChart(QPainter& painter, const QRectF& target, const MonthlyChart& data,
                       const QSizeF& layoutSize) {
  QGraphicsScene scene;
  auto* chart = new QChart;
  scene.addItem(chart);
  chart->setAnimationOptions(QChart::NoAnimation);
  const QRectF layout(QPointF(0, 0), layoutSize);
  chart->setGeometry(layout);
  fillMonthlyChart(*chart, data);
  // The chart lays itself out on the next event-loop turn; settle it now.
  chart->layout()->activate();
  QCoreApplication::sendPostedEvents();
  // Cached items would reach a PDF or SVG as pictures; every item paints itself.
  for (QGraphicsItem* item : scene.items()) item->setCacheMode(QGraphicsItem::NoCache);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  scene.render(&painter, target, layout, Qt::IgnoreAspectRatio);
  painter.restore();
}

void saveMonthlyChart(const MonthlyChart& data, const std::string& path, int widthPx,
                      int heightPx) {
  if (widthPx <= 0 || heightPx <= 0)
    throw std::invalid_argument("그림의 크기가 올바르지 않습니다.");
  const std::string ext = lowerExtension(path);
  if (ext != "png" && ext != "svg" && ext != "pdf") {
    throw std::invalid_argument("그림 파일의 형식(png, svg, pdf)을 알 수 없습니다. (" + path + ")");
  }
  const QSizeF size(widthPx, heightPx);
  const QByteArray bytes =
      renderBytes(ext, widthPx, heightPx, [&data, size](QPainter& painter, const QRectF& page) {
        paintMonthlyChart(painter, page, data, size);
      });
  writeFileAtomically(path,
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void ensureWidgetsApplication() {
  if (QCoreApplication::instance() != nullptr) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
      throw std::runtime_error("차트를 그리려면 QApplication이 필요합니다.");
    return;
  }
  // The application object outlives every caller, as Qt requires of argc/argv.
  static int argc = 3;
  static char arg0[] = "vlm-cli";
  static char arg1[] = "-platform";
  static char arg2[] = "offscreen";
  static char* argv[] = {arg0, arg1, arg2, nullptr};
  nameRuntimeFolder();
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
  useKoreanFaces();
}

}  // namespace vlm::render
