// The main window's geometry and its two switches in the per-user settings:
// "Settings"/"MainWidth", "MainHeight", "MainLeft", "MainTop" (twips, as the
// decimal text of a single-precision number), "TBSetting"/"TBmenuValue" and
// "SBSetting"/"SBmenuValue" ("True" or "False").
#pragma once

#include <QRect>
#include <QString>

class QSettings;

namespace vlm {

// Qt's device-independent pixel is 1/96 inch; a twip is 1/1440 inch.
inline constexpr double kTwipsPerPixel = 15.0;

// 90 % of the screen in each direction, centred on it.
[[nodiscard]] QRect defaultWindowGeometry(const QRect& screen);

// The stored geometry, each value falling back to its default when absent or
// unreadable; defaults come from `screen`. The default left and top centre a
// window of the default size, whatever width and height were read. A stored
// geometry that would put the window wholly outside `desktop` (all screens
// together), or give it no area, is refused as a whole: a window nobody can
// see or grab is not a preference worth keeping.
[[nodiscard]] QRect readWindowGeometry(const QSettings& settings, const QRect& screen,
                                       const QRect& desktop);
void writeWindowGeometry(QSettings& settings, const QRect& geometry);

// The toolbar and status-bar switches, true when absent or unreadable.
[[nodiscard]] bool readToolBarSwitch(const QSettings& settings);
[[nodiscard]] bool readStatusBarSwitch(const QSettings& settings);
void writeToolBarSwitch(QSettings& settings, bool on);
void writeStatusBarSwitch(QSettings& settings, bool on);

// The text of a geometry value in twips, and its reading back ("abc" → nullopt).
[[nodiscard]] QString twipsText(int pixels);

}  // namespace vlm
