#include "gui/window_settings.h"

#include <QSettings>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "core/common/format.h"

namespace vlm {
namespace {

constexpr const char* kWidthKey = "Settings/MainWidth";
constexpr const char* kHeightKey = "Settings/MainHeight";
constexpr const char* kLeftKey = "Settings/MainLeft";
constexpr const char* kTopKey = "Settings/MainTop";
constexpr const char* kToolBarKey = "TBSetting/TBmenuValue";
constexpr const char* kStatusBarKey = "SBSetting/SBmenuValue";

// A stored value read back as a single-precision number of twips, in pixels.
std::optional<int> readPixels(const QSettings& settings, const char* key) {
  const QVariant stored = settings.value(key);
  if (!stored.isValid()) return std::nullopt;
  const std::string text = stored.toString().trimmed().toStdString();
  float twips = 0.0f;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, twips);
  if (error != std::errc() || stop != end || !std::isfinite(twips)) return std::nullopt;
  const double pixels = std::round(static_cast<double>(twips) / kTwipsPerPixel);
  if (std::abs(pixels) > 1.0e6) return std::nullopt;
  return static_cast<int>(pixels);
}

bool readSwitch(const QSettings& settings, const char* key) {
  const QString text = settings.value(key, QStringLiteral("True")).toString().trimmed();
  if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
  // Any other text, readable or not, keeps the default: the switch is on.
  return true;
}

}  // namespace

QRect defaultWindowGeometry(const QRect& screen) {
  const int width = static_cast<int>(std::lround(0.9 * screen.width()));
  const int height = static_cast<int>(std::lround(0.9 * screen.height()));
  const int left = screen.left() + (screen.width() - width) / 2;
  const int top = screen.top() + (screen.height() - height) / 2;
  return {left, top, width, height};
}

QRect readWindowGeometry(const QSettings& settings, const QRect& screen, const QRect& desktop) {
  const QRect fallback = defaultWindowGeometry(screen);
  const QRect stored(readPixels(settings, kLeftKey).value_or(fallback.left()),
                     readPixels(settings, kTopKey).value_or(fallback.top()),
                     readPixels(settings, kWidthKey).value_or(fallback.width()),
                     readPixels(settings, kHeightKey).value_or(fallback.height()));
  if (stored.width() <= 0 || stored.height() <= 0 || !stored.intersects(desktop)) return fallback;
  return stored;
}

QString twipsText(int pixels) {
  return QString::fromStdString(ShortestText(static_cast<float>(pixels * kTwipsPerPixel)));
}

void writeWindowGeometry(QSettings& settings, const QRect& geometry) {
  settings.setValue(kLeftKey, twipsText(geometry.left()));
  settings.setValue(kTopKey, twipsText(geometry.top()));
  settings.setValue(kWidthKey, twipsText(geometry.width()));
  settings.setValue(kHeightKey, twipsText(geometry.height()));
}

bool readToolBarSwitch(const QSettings& settings) { return readSwitch(settings, kToolBarKey); }

bool readStatusBarSwitch(const QSettings& settings) { return readSwitch(settings, kStatusBarKey); }

void writeToolBarSwitch(QSettings& settings, bool on) {
  settings.setValue(kToolBarKey, on ? QStringLiteral("True") : QStringLiteral("False"));
}

void writeStatusBarSwitch(QSettings& settings, bool on) {
  settings.setValue(kStatusBarKey, on ? QStringLiteral("True") : QStringLiteral("False"));
}

}  // namespace vlm
