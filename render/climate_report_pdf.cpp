#include "render/climate_report_pdf.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "core/report/report_pages.h"
#include "core/report/text_table.h"
#include "core/seasonal/degree_days.h"
#include "core/solar/diagram_legend.h"
#include "render/a4_pdf.h"
#include "render/figure.h"
#include "render/korean_font.h"

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
  return withLegend(drawingFigure({rose.view.withLabels(textMeasure())},
                                  QSizeF(kReportRoseWidth, kReportRoseHeight), rose.caption),
                    RoseLegend());
}

// Paints `text` from the top of `box`, broken at word boundaries and, where a
// word (a long file path) is wider than the box, within it; returns the height.
double paintWrapped(QPainter& painter, const QString& text, const QRectF& box) {
  QTextLayout layout(text, painter.font(), painter.device());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  double height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(box.width());
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  layout.draw(&painter, box.topLeft());
  return height;
}

// A page of the report's table of contents: its heading and first page.
struct ContentsEntry {
  std::string heading;
  int page;
};

void paintCover(QPainter& painter, const ReportContent& content,
                const std::vector<ContentsEntry>& contents) {
  const double left = kBody.left() + 60;
  const double width = kBody.width() - 120;
  double top = kBody.top() + 80;
  painter.save();
  painter.setFont(reportFont(26, true));
  painter.drawText(QRectF(kBody.left(), top, kBody.width(), 60), Qt::AlignCenter, qs(kReportTitle));
  top += 100;
  painter.setFont(reportFont(12));
  for (const std::string& line : content.coverLines)
    top += paintWrapped(painter, qs(line), QRectF(left, top, width, 0)) + 8;
  painter.setFont(reportFont(10));
  for (const std::string* note :
       {&content.roseNote, &content.sunPathNote, &content.radiationNote}) {
    if (note->empty()) continue;
    top += 8 + paintWrapped(painter, qs(*note), QRectF(left, top + 8, width, 0));
  }
  if (!contents.empty()) {
    top += 40;
    painter.setFont(reportFont(14, true));
    painter.drawText(QRectF(left, top, width, 28), Qt::AlignLeft | Qt::AlignVCenter,
                     qs(kReportContentsHeading));
    top += 34;
    painter.setFont(reportFont(11));
    for (const ContentsEntry& entry : contents) {
      const QRectF row(left + 12, top, width - 12, 24);
      painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, qs(entry.heading));
      painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, QString::number(entry.page));
      top += 24;
    }
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

double paintTextTable(QPainter& painter, const TextTable& table, double top) {
  painter.save();
  for (const auto& row : table.rows) {
    const bool heading = !row.empty() && row[0] == kTableHeadingCaption;
    painter.setFont(reportFont(9, heading));
    top += paintTableRow(painter, row, top);
  }
  painter.restore();
  return top;
}

void paintAnalysis(QPainter& painter, const ReportContent& content) {
  double top = paintHeading(painter, qs(ReportPageHeading(ReportPage::Analysis)), kBody.top());
  top = paintTextTable(painter, AnalysisTable(content.analysis), top) + kTableRowHeight;
  painter.save();
  painter.setFont(reportFont(11, true));
  painter.drawText(QRectF(kBody.left(), top, kBody.width(), 60), Qt::AlignLeft | Qt::TextWordWrap,
                   qs(MostImportantSentence(content.analysis.mostImportant)));
  painter.restore();
}

// The pages of one kind: how many, and how to paint them (starting each with next()).
struct Section {
  ReportPage page;
  int pages;
  std::function<void(ReportPages&)> paint;
};

int halves(std::size_t figures) {
  return static_cast<int>((figures + kFiguresPerPage - 1) / kFiguresPerPage);
}

const double kHalf = (kBody.height() - kHeadingHeight) / 2;

// Two figures to a page under the page's heading, as many pages as they take.
void paintInPairs(ReportPages& pages, std::string_view heading,
                  const std::vector<Figure>& figures) {
  for (std::size_t i = 0; i < figures.size(); ++i) {
    const bool first = i % kFiguresPerPage == 0;
    QPainter& painter = first ? pages.next() : pages.painter();
    const double y = first ? paintHeading(painter, qs(heading), kBody.top())
                           : kBody.top() + kHeadingHeight + kHalf;
    paintFigure(painter, figures[i], y, kHalf - 8);
  }
}

void paintMonths(QPainter& painter, const ReportContent& content) {
  double top = paintHeading(painter, qs(ReportPageHeading(ReportPage::Months)), kBody.top());
  top = paintFigure(
      painter, drawingFigure({content.needShares}, QSizeF(720, 460), content.needSharesCaption),
      top, kHalf - 8);
  top += 16;
  painter.save();
  painter.setFont(reportFont(11, true));
  top +=
      paintWrapped(painter, qs(kTableMostImportant), QRectF(kBody.left(), top, kBody.width(), 0));
  top += 6;
  painter.setFont(reportFont(9));
  for (const std::string& line : content.monthGuideLines)
    top +=
        paintWrapped(painter, qs(line), QRectF(kBody.left() + 12, top, kBody.width() - 12, 0)) + 2;
  painter.restore();
}

void paintDegreeDays(QPainter& painter, const ReportContent& content) {
  double top = paintHeading(painter, qs(ReportPageHeading(ReportPage::DegreeDays)), kBody.top());
  painter.save();
  painter.setFont(reportFont(10));
  top += paintWrapped(painter, qs(content.degreeDayCaption),
                      QRectF(kBody.left(), top, kBody.width(), 0)) +
         12;
  top = paintTextTable(painter, content.degreeDays, top) + kTableRowHeight;
  painter.setFont(reportFont(9));
  paintWrapped(painter, qs(kDegreeDayMethodText), QRectF(kBody.left(), top, kBody.width(), 0));
  painter.restore();
}

std::vector<Figure> roseFigures(const ReportContent& content) {
  std::vector<Figure> figures;
  for (const ReportRose& rose : content.roses) figures.push_back(roseFigure(rose));
  return figures;
}

// Every page the report shows, in the report's order.
std::vector<Section> sections(const ReportContent& c) {
  const auto heading = [](ReportPage page) { return ReportPageHeading(page); };
  std::vector<Section> all{
      {ReportPage::Cover, 1, {}},  // painted with the table of contents
      {ReportPage::Chart, 1,
       [&c, heading](ReportPages& pages) {
         QPainter& painter = pages.next();
         const double top = paintHeading(painter, qs(heading(ReportPage::Chart)), kBody.top());
         paintFigure(
             painter,
             withLegend(drawingFigure({c.bioChart}, QSizeF(kReportChartWidth, kReportChartHeight),
                                      c.bioChartCaption),
                        c.bioChartLegend),
             top, kBody.bottom() - top);
       }},
      {ReportPage::Analysis, 1, [&c](ReportPages& pages) { paintAnalysis(pages.next(), c); }},
      {ReportPage::Monthly, halves(c.monthly.size()),
       [&c, heading](ReportPages& pages) {
         std::vector<Figure> figures;
         for (std::size_t i = 0; i < c.monthly.size(); ++i)
           figures.push_back(
               monthlyChartFigure(c.monthly[i], QSizeF(720, 460), c.monthlyCaptions[i]));
         paintInPairs(pages, heading(ReportPage::Monthly), figures);
       }},
      {ReportPage::Rose, halves(c.roses.size()),
       [&c, heading](ReportPages& pages) {
         paintInPairs(pages, heading(ReportPage::Rose), roseFigures(c));
       }},
      {ReportPage::SunPath, 1,
       [&c, heading](ReportPages& pages) {
         QPainter& painter = pages.next();
         const double y = paintHeading(painter, qs(heading(ReportPage::SunPath)), kBody.top());
         paintFigure(painter,
                     withLegend(drawingFigure({*c.sunPath}, QSizeF(600, 600), c.sunPathCaption),
                                SunPathLegend()),
                     y, kBody.bottom() - y);
       }},
      {ReportPage::Months, 1, [&c](ReportPages& pages) { paintMonths(pages.next(), c); }},
      {ReportPage::Carpet, 1,
       [&c, heading](ReportPages& pages) {
         paintInPairs(pages, heading(ReportPage::Carpet),
                      {drawingFigure({c.carpets[0]}, QSizeF(720, 400), c.carpetCaptions[0]),
                       drawingFigure({c.carpets[1]}, QSizeF(720, 400), c.carpetCaptions[1])});
       }},
      {ReportPage::DegreeDays, 1, [&c](ReportPages& pages) { paintDegreeDays(pages.next(), c); }},
      {ReportPage::Radiation, 1,
       [&c, heading](ReportPages& pages) {
         const ReportRadiation& r = *c.radiation;
         paintInPairs(pages, heading(ReportPage::Radiation),
                      {drawingFigure({r.rose}, QSizeF(600, 600), r.roseCaption),
                       drawingFigure({r.monthly}, QSizeF(720, 460), r.monthlyCaption)});
       }},
      {ReportPage::Comfort, 1,
       [&c, heading](ReportPages& pages) {
         paintInPairs(pages, heading(ReportPage::Comfort),
                      {drawingFigure({c.comfortShares}, QSizeF(720, 460), c.comfortSharesCaption),
                       drawingFigure({c.comfortChart}, QSizeF(720, 460), c.comfortChartCaption)});
       }},
  };
  std::vector<Section> shown;
  for (Section& section : all)
    if (ReportShows(c, section.page)) shown.push_back(std::move(section));
  return shown;
}

}  // namespace

int reportPageCount(const ReportContent& content) {
  int pages = 0;
  for (const Section& section : sections(content)) pages += section.pages;
  return pages;
}

void writeClimateReport(const ReportContent& content, const std::string& path,
                        const ReportProgress& progress) {
  // The page is laid out in 96ths of an inch from its very edge.
  const A4Pdf document{96, QMarginsF(0, 0, 0, 0),
                       qs(kReportTitle) + " - " + qs(content.source.region),
                       QStringLiteral("Velmora ") + qs(content.version)};
  const std::vector<Section> shown = sections(content);
  std::vector<ContentsEntry> contents;
  int first = 1;
  for (const Section& section : shown) {
    if (section.page != ReportPage::Cover)
      contents.push_back({std::string(ReportPageHeading(section.page)), first});
    first += section.pages;
  }
  writeA4Pdf(path, document, [&](QPdfWriter& writer) {
    ReportPages pages(writer, content, progress);
    if (!pages.begin()) throw std::runtime_error("보고서의 PDF 문서를 만들 수 없습니다.");
    for (const Section& section : shown) {
      if (section.page == ReportPage::Cover) {
        paintCover(pages.next(), content, contents);
      } else {
        section.paint(pages);
      }
    }
    if (!pages.end()) throw std::runtime_error("보고서의 PDF 문서를 만들 수 없습니다.");
  });
}

}  // namespace vlm::render
