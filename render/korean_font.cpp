#include "render/korean_font.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QString>

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

QByteArray withSvgFontFamily(const QByteArray& svg) {
  // The generator writes the one family the painter's font resolved to.
  static const QRegularExpression attribute(QStringLiteral(R"(font-family="[^"]*")"));
  QString text = QString::fromUtf8(svg);
  text.replace(attribute, QStringLiteral("font-family=\"%1\"").arg(kSvgFontFamily));
  return text.toUtf8();
}

void useKoreanFaces() { QGuiApplication::setFont(withKoreanFaces(QGuiApplication::font())); }

}  // namespace vlm::render
