#include "render/korean_font.h"

#include <QGuiApplication>

namespace vlm::render {

QStringList koreanFontFamilies() {
  return {QString::fromLatin1(kKoreanFontFamily), QStringLiteral("NanumGothic"),
          QStringLiteral("Noto Sans CJK KR"), QStringLiteral("UnDotum")};
}

QFont withKoreanFaces(const QFont& base) {
  QFont font = base;
  QStringList families = font.families();
  if (families.isEmpty()) families << font.family();
  for (const QString& korean : koreanFontFamilies()) {
    if (!families.contains(korean)) families << korean;
  }
  font.setFamilies(families);
  return font;
}

void useKoreanFaces() { QGuiApplication::setFont(withKoreanFaces(QGuiApplication::font())); }

}  // namespace vlm::render
