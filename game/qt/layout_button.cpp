#include "game/qt/layout_button.h"

#include "game/qt/glyph.h"

QPushButton* CreateButton(QWidget* parent, const QString& name, const QRect& geometry,
                          const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  // Outside a dialog this only makes Enter click the focused button.
  button->setAutoDefault(true);
  return button;
}

QPushButton* CreateGlyphButton(QWidget* parent, const QString& name, const QRect& geometry,
                               const QString& caption, const QString& hint,
                               const std::filesystem::path& glyphFile) {
  QPushButton* button = CreateButton(parent, name, geometry, caption);
  button->setIcon(LoadGlyph(glyphFile));
  button->setIconSize(QSize(24, 24));
  button->setToolTip(hint);
  return button;
}
