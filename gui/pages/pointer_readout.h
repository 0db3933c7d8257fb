// Shows what a picture reads under the pointer: in the main window's status
// bar and in a tooltip that follows the pointer. An empty text clears both.
#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace vlm {

// How near the pointer must be to a plotted point to read that point, in pixels.
inline constexpr float kReadoutReachPixels = 5.0f;

// `text` separates its parts with " | "; the tooltip puts each on its own line.
void showPointerReadout(QWidget& picture, const QString& text, QPoint pixel);

}  // namespace vlm
