// The Korean faces that every text of the program, on screen and in every
// export, falls back to behind the desktop's own font.
//
// Qt gives the spaces between Hangul words to the first of these faces that
// has Hangul, and a PDF maps each embedded glyph back to the lowest code point
// the face gives it. NanumGothic gives its space glyph to all the control codes
// U+0000–U+001F as well, so text copied or extracted from a PDF in that face
// reads U+0001 for every space. NanumBarunGothic (the same package) keeps its
// space glyph to the space alone, so it comes first.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QStringList>

namespace vlm::render {

// The report's face, embedded in its PDF.
inline constexpr const char* kKoreanFontFamily = "NanumBarunGothic";

// The Korean faces in order of preference.
[[nodiscard]] QStringList koreanFontFamilies();

// `base` with the Korean faces after its own families.
[[nodiscard]] QFont withKoreanFaces(const QFont& base);

// What an SVG file names as the face of its texts: the Korean faces, then
// the generic family, so that a viewer without them still shows Hangul from
// whatever face it has, instead of dropping the labels. The Korean face is
// named once more after the generic one: a conforming viewer stops at the
// generic family and never reaches it, while ImageMagick's own SVG renderer
// takes only the last name of the list, and finds no Hangul behind
// "sans-serif" (it drops every label of the figure then).
inline constexpr const char* kSvgFontFamily =
    "NanumBarunGothic, NanumGothic, sans-serif, NanumBarunGothic";

// The SVG document with every font-family attribute naming kSvgFontFamily.
[[nodiscard]] QByteArray withSvgFontFamily(const QByteArray& svg);

// Gives the running application's font the Korean faces (once is enough).
void useKoreanFaces();

}  // namespace vlm::render
