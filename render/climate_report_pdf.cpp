#include "render/climate_report_pdf.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "core/report/text_table.h"
#include "render/a4_pdf.h"
#include "render/figure.h"
#include "render/korean_font.h"
#include "render/text_extent.h"

namespace vlm::render {
namespace {

// A4 at 96 units to the inch.
constexpr double kPageWidth = 793.7;
constexpr double kPageHeight = 1122.5;
constexpr double kMargin = 48.0;
constexpr double kHeaderHeight = 36.0;
constexpr double kFooterHeight = 32.0;
constexpr double kHeadingHeight = 34.0;
constexpr double kTableRowHeight = 19.0;

const QRectF kBody(kMargin, kMargin + kHeaderHeight, kPageWidth - 2 * kMargin,
                   kPageHeight - 2 * kMargin - kHeaderHeight - kFooterHeight);

constexpr std::size_t kFiguresPerPage = 2;

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont reportFont(double pointSize, bool bold = false) {
  QFont font;
  font.setFamilies(koreanFontFamilies());
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

// One page after another on the writer, each with its header and number.
class ReportPages {
 public:
  ReportPages(QPdfWriter& writer, const ReportContent& content, const ReportProgress& progress)
      : writer_(writer), content_(content), progress_(progress), pages_(reportPageCount(content)) {}

  bool begin() { return painter_.begin(&writer_); }
  bool end() { return painter_.end(); }

  // Starts the next page and returns the painter for its body.
  QPainter& next() {
    if (page_ > 0) writer_.newPage();
    ++page_;
    if (progress_) progress_(page_, pages_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setFont(reportFont(9));
    paintFrame();
    return painter_;
  }

  [[nodiscard]] QPainter& painter() { return painter_; }

 private:
  void paintFrame() {
    painter_.save();
    painter_.setPen(QColor(64, 64, 64));
    painter_.setFont(reportFont(8));
    const QRectF header(kMargin, kMargin, kPageWidth - 2 * kMargin, kHeaderHeight - 8);
    painter_.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, qs(content_.header));
    painter_.drawText(header, Qt::AlignRight | Qt::AlignVCenter, qs(kReportTitle));
    painter_.setPen(QPen(QColor(160, 160, 160), 0.8));
    painter_.drawLine(QPointF(kMargin, kMargin + kHeaderHeight - 6),
                      QPointF(kPageWidth - kMargin, kMargin + kHeaderHeight - 6));
    painter_.setPen(QColor(64, 64, 64));
    const QRectF footer(kMargin, kPageHeight - kMargin - kFooterHeight + 8,
                        kPageWidth - 2 * kMargin, kFooterHeight - 8);
    painter_.drawText(footer, Qt::AlignHCenter | Qt::AlignVCenter,
                      qs(ReportPageNumber(page_, pages_)));
    painter_.restore();
  }

  QPdfWriter& writer_;
  const ReportContent& content_;
  const ReportProgress& progress_;
  QPainter painter_;
  int pages_;
  int page_ = 0;
};

double paintHeading(QPainter& painter, const QString& text, double top) {
  painter.save();
  painter.setFont(reportFont(14, true));
  painter.setPen(Qt::black);
  painter.drawText(QRectF(kBody.left(), top, kBody.width(), kHeadingHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
  painter.restore();
  return top + kHeadingHeight;
}

// The figure with its caption, as wide as the body (or as high as `room`).
double paintFigure(QPainter& painter, const Figure& figure, double top, double room) {
  const QSizeF whole = captionedSize(figure);
  const double scale = std::min(kBody.width() / whole.width(), room / whole.height());
  const QSizeF size = whole * scale;
  const QRectF target(kBody.left() + (kBody.width() - size.width()) / 2, top, size.width(),
                      size.height());
  paintCaptioned(painter, figure, target);
  return top + size.height();
}

Figure roseFigure(const ReportRose& rose) {
  const TextMeasure measure = [](const std::string& text, float pointSize, bool bold) {
    const QSizeF size = textExtent(text, pointSize, bold);
    return TextExtent{static_cast<float>(size.width()), static_cast<float>(size.height())};
  };
  return drawingFigure({rose.view.withLabels(measure)}, QSizeF(kReportRoseWidth, kReportRoseHeight),
                       rose.caption);
}

void paintCover(QPainter& painter, const ReportContent& content) {
  double top = kBody.top() + 120;
  painter.save();
  painter.setFont(reportFont(26, true));
  painter.drawText(QRectF(kBody.left(), top, kBody.width(), 60), Qt::AlignCenter, qs(kReportTitle));
  top += 110;
  painter.setFont(reportFont(12));
  for (const std::string& line : content.coverLines) {
    painter.drawText(QRectF(kBody.left() + 60, top, kBody.width() - 120, 28),
                     Qt::AlignLeft | Qt::AlignVCenter, qs(line));
    top += 30;
  }
  if (!content.sunPathNote.empty()) {
    top += 20;
    painter.setFont(reportFont(10));
    painter.drawText(QRectF(kBody.left() + 60, top, kBody.width() - 120, 40),
                     Qt::AlignLeft | Qt::TextWordWrap, qs(content.sunPathNote));
    top += 40;
  }
  if (!content.radiationNote.empty()) {
    top += 20;
    painter.setFont(reportFont(10));
    painter.drawText(QRectF(kBody.left() + 60, top, kBody.width() - 120, 40),
                     Qt::AlignLeft | Qt::TextWordWrap, qs(content.radiationNote));
  }
  painter.restore();
}

// Caption, hours, share and rank columns, from the body's left edge.
constexpr std::array<double, 4> kTableColumns{0, 400, 500, 600};
constexpr double kCellGap = 8.0;

// One row of the analysis table at `top`; returns its height. Numbers stand
// right-aligned in their columns; a value wider than its column (the period,
// the file, tied guidelines) takes the room to its left, and a caption longer
// than the room left of the values wraps onto further lines.
double paintTableRow(QPainter& painter, const std::vector<std::string>& row, double top) {
  if (row.empty()) return kTableRowHeight / 2;
  const QFontMetricsF metrics(painter.font(), painter.device());
  std::vector<std::pair<QRectF, QString>> values;
  double valuesLeft = kBody.right() + kCellGap;
  for (std::size_t c = 1; c < row.size() && c < kTableColumns.size(); ++c) {
    const double right = c + 1 < kTableColumns.size()
                             ? kBody.left() + kTableColumns[c + 1] - kCellGap
                             : kBody.right();
    const QString text = qs(row[c]);
    const double width =
        std::max(right - kBody.left() - kTableColumns[c], metrics.horizontalAdvance(text));
    values.emplace_back(QRectF(right - width, top, width, 0), text);
    valuesLeft = std::min(valuesLeft, right - width);
  }
  const QString caption = qs(row[0]);
  const QRectF room(kBody.left(), top, valuesLeft - kCellGap - kBody.left(), 0);
  const double height =
      std::max(kTableRowHeight, metrics.boundingRect(room, Qt::TextWordWrap, caption).height() + 4);
  painter.drawText(QRectF(room.topLeft(), QSizeF(room.width(), height)),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
  for (auto& [cell, text] : values) {
    cell.setHeight(height);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, text);
  }
  return height;
}

void paintAnalysis(QPainter& painter, const ReportContent& content) {
  double top = paintHeading(painter, "분석 결과 및 기후설계 지침별 순위", kBody.top());
  painter.save();
  for (const auto& row : AnalysisTable(content.analysis).rows) {
    const bool heading = !row.empty() && row[0] == kTableHeadingCaption;
    painter.setFont(reportFont(9, heading));
    top += paintTableRow(painter, row, top);
  }
  top += kTableRowHeight;
  painter.setFont(reportFont(11, true));
  painter.drawText(QRectF(kBody.left(), top, kBody.width(), 60), Qt::AlignLeft | Qt::TextWordWrap,
                   qs(MostImportantSentence(content.analysis.mostImportant)));
  painter.restore();
}

}  // namespace

int reportPageCount(const ReportContent& content) {
  const auto perPage = [](std::size_t n) {
    return static_cast<int>((n + kFiguresPerPage - 1) / kFiguresPerPage);
  };
  return 3 + perPage(content.monthly.size()) + perPage(content.roses.size()) +
         (content.sunPath ? 1 : 0) + (content.radiation ? 1 : 0) + 1;  // and the comfort page
}

void writeClimateReport(const ReportContent& content, const std::string& path,
                        const ReportProgress& progress) {
  // The page is laid out in 96ths of an inch from its very edge.
  const A4Pdf document{96, QMarginsF(0, 0, 0, 0),
                       qs(kReportTitle) + " - " + qs(content.source.region),
                       QStringLiteral("Velmora ") + qs(content.version)};
  writeA4Pdf(path, document, [&](QPdfWriter& writer) {
    ReportPages pages(writer, content, progress);
    if (!pages.begin()) throw std::runtime_error("보고서의 PDF 문서를 만들 수 없습니다.");

    paintCover(pages.next(), content);

    QPainter& painter = pages.next();
    const double top = paintHeading(painter, "건물생체기후도", kBody.top());
    paintFigure(painter,
                drawingFigure({content.bioChart}, QSizeF(kReportChartWidth, kReportChartHeight),
                              content.bioChartCaption),
                top, kBody.bottom() - top);

    paintAnalysis(pages.next(), content);

    const double half = (kBody.height() - kHeadingHeight) / 2;
    for (std::size_t i = 0; i < content.monthly.size(); ++i) {
      const bool first = i % kFiguresPerPage == 0;
      if (first) pages.next();
      const double y = first ? paintHeading(painter, "월별 기후표현", kBody.top())
                             : kBody.top() + kHeadingHeight + half;
      paintFigure(
          painter,
          monthlyChartFigure(content.monthly[i], QSizeF(720, 460), content.monthlyCaptions[i]), y,
          half - 8);
    }
    for (std::size_t i = 0; i < content.roses.size(); ++i) {
      const bool first = i % kFiguresPerPage == 0;
      if (first) pages.next();
      const double y =
          first ? paintHeading(painter, "풍향", kBody.top()) : kBody.top() + kHeadingHeight + half;
      paintFigure(painter, roseFigure(content.roses[i]), y, half - 8);
    }
    if (content.sunPath) {
      pages.next();
      const double y = paintHeading(painter, "태양궤적도", kBody.top());
      paintFigure(painter,
                  drawingFigure({*content.sunPath}, QSizeF(600, 600), content.sunPathCaption), y,
                  kBody.bottom() - y);
    }
    if (content.radiation) {
      QPainter& sun = pages.next();
      const double y = paintHeading(sun, "일사 분석", kBody.top());
      const ReportRadiation& r = *content.radiation;
      paintFigure(sun, drawingFigure({r.rose}, QSizeF(600, 600), r.roseCaption), y, half - 8);
      paintFigure(sun, drawingFigure({r.monthly}, QSizeF(720, 460), r.monthlyCaption),
                  kBody.top() + kHeadingHeight + half, half - 8);
    }
    {
      pages.next();
      const double y = paintHeading(painter, "열쾌적 분석", kBody.top());
      paintFigure(painter, drawingFigure({content.comfortShares}, QSizeF(720, 460),
                                         content.comfortSharesCaption),
                  y, half - 8);
      paintFigure(painter, drawingFigure({content.comfortChart}, QSizeF(720, 460),
                                         content.comfortChartCaption),
                  kBody.top() + kHeadingHeight + half, half - 8);
    }
    if (!pages.end()) throw std::runtime_error("보고서의 PDF 문서를 만들 수 없습니다.");
  });
}

}  // namespace vlm::render
