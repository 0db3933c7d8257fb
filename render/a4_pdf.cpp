#include "render/a4_pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <string_view>

#include "core/common/atomic_file.h"

namespace vlm::render {

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
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(document.margins, QPageLayout::Millimeter);
    writer.setTitle(document.title);
    writer.setCreator(document.creator);
    paint(writer);
  }
  writeFileAtomically(path,
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vlm::render
