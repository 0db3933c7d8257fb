// An A4 PDF document, painted into memory and written through a
// temporary file renamed into place: what the climate report and a page
// printed to a PDF file share.
#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>
#include <string>

class QPdfWriter;

namespace vlm::render {

struct A4Pdf {
  int dpi = 96;       // the painter's units per inch
  QMarginsF margins;  // in millimetres
  QString title;
  QString creator;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// The sheet's orientation for a picture of `size`: landscape when it is wider than tall.
[[nodiscard]] QPageLayout::Orientation orientationFor(const QSizeF& size);

// The largest rectangle of `size`'s proportions inside `sheet`, centred on it.
[[nodiscard]] QRectF fitCentred(const QSizeF& size, const QRectF& sheet);

// Paints the document with `paint` (which throws when it cannot paint) and
// writes it to `path`, so that an existing file stays as it was on failure.
// Throws FileError when the file cannot be written.
void writeA4Pdf(const std::string& path, const A4Pdf& document,
                const std::function<void(QPdfWriter& writer)>& paint);

}  // namespace vlm::render
