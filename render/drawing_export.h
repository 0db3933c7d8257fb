// Painting a core Drawing on any Qt surface, and saving it as an image file.
#pragma once

#include <string>

#include "core/draw/drawing.h"

class QPainter;
class QRectF;

namespace vlm::render {

// The PNG writer's quality: zlib's fastest level. A chart exported from the
// screens or the command line is wanted in milliseconds; the default level
// spent most of an export squeezing out a few percent of the file.
inline constexpr int kPngQuality = 80;

// Paints the drawing so that its user scale fills `target` (device coordinates of the
// painter). Pen widths are multiplied by `penScale` (1 on the screen; the ratio of the
// device's resolution to the screen's for a printer or a large image).
void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target,
                  double penScale = 1.0);

// Writes the drawing to `path`, the format following the extension (.png, .svg, .pdf),
// PNG at widthPx × heightPx, through a temporary file renamed into place. Throws
// vlm::FileError when the file cannot be written and std::invalid_argument for an
// unknown extension. Needs a QGuiApplication (see ensureGuiApplication).
void saveDrawing(const Drawing& drawing, const std::string& path, int widthPx, int heightPx);

// Creates a QGuiApplication on the offscreen platform when none exists (for vlm-cli).
void ensureGuiApplication();

// Before vlm-cli creates its application: without XDG_RUNTIME_DIR (cron, a
// container, su) Qt falls back to <temp>/runtime-<user> and says so on stderr,
// the CLI's message channel. That same folder is named here beforehand.
void nameRuntimeFolder();

}  // namespace vlm::render
