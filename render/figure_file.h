// A figure with its caption as a file (PNG, SVG, PDF by the extension) or on
// the clipboard (a PNG image and an SVG together).
#pragma once

#include <QByteArray>
#include <memory>
#include <optional>
#include <string>

#include "render/figure.h"

class QMimeData;

namespace vlm::render {

enum class FigureFormat { Png, Svg, Pdf };

// PNG images are drawn by default (and on the clipboard) at this multiple of
// the natural size, so that they stay sharp in a document.
inline constexpr int kPngScale = 2;

// The sizes a saved PNG comes in: the screen's, twice it, or as wide as an
// A4 page (210 mm) at 300 dpi, for print.
enum class PngSize { Screen, Double, A4Width };
inline constexpr int kA4WidthPx = 2480;

// The multiple of the captioned size that `size` draws the figure at.
[[nodiscard]] double pngScale(const Figure& figure, PngSize size);

// The format that a file name's extension names, or nullopt.
[[nodiscard]] std::optional<FigureFormat> figureFormatOf(const std::string& path);

// The file's bytes: PNG at pngScale × the captioned size; SVG and PDF as
// vectors at the captioned size (one page).
[[nodiscard]] QByteArray figureBytes(const Figure& figure, FigureFormat format,
                                     PngSize png = PngSize::Double);

// Writes the figure through a temporary file renamed into place, so an
// existing file stays as it was on failure. Throws FileError when the file
// cannot be written and std::invalid_argument for an unknown extension.
void saveFigure(const Figure& figure, const std::string& path, PngSize png = PngSize::Double);

// The clipboard's content: the PNG image (also as image data) and the SVG.
[[nodiscard]] std::unique_ptr<QMimeData> figureMimeData(const Figure& figure);

inline constexpr const char* kSvgMimeType = "image/svg+xml";
inline constexpr const char* kPngMimeType = "image/png";

}  // namespace vlm::render
