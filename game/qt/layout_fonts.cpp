#include "game/qt/layout_fonts.h"

void InstallFontSubstitutions() {
  QFont::insertSubstitution(kPGothic, QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(kPMincho, QStringLiteral("IPAPMincho"));
  QFont::insertSubstitution(kGothic, QStringLiteral("IPAGothic"));
}

QFont LayoutFont(const QString& family, int pixelHeight, FontStyle style) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  font.setBold(style == FontStyle::bold || style == FontStyle::boldItalic);
  font.setItalic(style == FontStyle::italic || style == FontStyle::boldItalic);
  return font;
}
