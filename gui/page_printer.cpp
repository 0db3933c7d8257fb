#include "gui/page_printer.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <stdexcept>

#include "gui/pages/page.h"
#include "render/a4_pdf.h"

namespace vlm {

bool printCopies(Page& page, QPagedPaintDevice& device, int copies, bool fillSheet) {
  if (copies <= 0) return true;
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF sheet(QPointF(0, 0), QSizeF(device.width(), device.height()));
  for (int copy = 0; copy < copies; ++copy) {
    if (copy > 0 && !device.newPage()) {
      painter.end();
      return false;
    }
    page.printPage(painter, sheet, fillSheet ? Page::PrintScale::Fill : Page::PrintScale::Natural);
  }
  return painter.end();
}

void printPageToPdf(Page& page, const std::string& path) {
  const render::A4Pdf document{300, QMarginsF(10, 10, 10, 10), page.windowTitle(),
                               QStringLiteral("Velmora"),
                               render::orientationFor(QSizeF(page.printedSize()))};
  render::writeA4Pdf(path, document, [&page](QPdfWriter& writer) {
    if (!printCopies(page, writer, 1, true))
      throw std::runtime_error("페이지를 PDF 파일로 그릴 수 없습니다.");
  });
}

bool SystemPagePrinter::hasPrinter() const {
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

SystemPagePrinter::SystemPagePrinter() : printer_(QPrinter::HighResolution) {}

std::optional<int> SystemPagePrinter::askCopies(QWidget* parent) {
  printer_.setCopyCount(1);
  QPrintDialog dialog(&printer_, parent);
  dialog.setObjectName("CommonDialogDE");
  dialog.setWindowTitle("인쇄");
  dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const int copies = printer_.copyCount();
  return copies > 0 ? copies : 1;
}

bool SystemPagePrinter::print(Page& page, int copies) {
  // The copies are printed here; the driver must not multiply them again.
  printer_.setCopyCount(1);
  printer_.setPrintRange(QPrinter::AllPages);
  return printCopies(page, printer_, copies);
}

}  // namespace vlm
