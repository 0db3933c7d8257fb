#include "render/a4_pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <string_view>

#include "core/common/atomic_file.h"

namespace vlm::render {

QPageLayout::Orientation orientationFor(const QSizeF& size) {
  return size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QRectF fitCentred(const QSizeF& size, const QRectF& sheet) {
  if (size.isEmpty()) return QRectF(sheet.center(), QSizeF(0, 0));
  const QSizeF fitted = size.scaled(sheet.size(), Qt::KeepAspectRatio);
  return QRectF(sheet.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
}

void writeA4Pdf(const std::string& path, const A4Pdf& document,
                const std::function<void(QPdfWriter& writer)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    // The writer finishes the document as it goes out of scope.
    QPdfWriter writer(&buffer);
    writer.setResolution(document.dpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(document.orientation);
    writer.setPageMargins(document.margins, QPageLayout::Millimeter);
    writer.setTitle(document.title);
    writer.setCreator(document.creator);
    paint(writer);
  }
  writeFileAtomically(path,
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vlm::render
