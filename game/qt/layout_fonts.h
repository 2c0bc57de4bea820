#pragma once

#include <QFont>
#include <QString>

// The fonts of the window's layout, requested by the names the layout was made for and resolved
// to the IPA fonts by family substitution.

inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");

// Call once, before the first font is resolved.
void InstallFontSubstitutions();

enum class FontStyle { plain, bold, italic, boldItalic };

// pixelHeight: the character height in pixels.
QFont LayoutFont(const QString& family, int pixelHeight, FontStyle style = FontStyle::plain);
