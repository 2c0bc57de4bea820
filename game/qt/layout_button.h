#pragma once

#include <QIcon>
#include <QPushButton>
#include <QRect>
#include <filesystem>

// A push button of the layout. Enter presses a focused button as Space does; no button is the
// window's default button.
QPushButton* CreateButton(QWidget* parent, const QString& name, const QRect& geometry,
                          const QString& caption);

// A push button with a 24 x 24 glyph left of its caption and a hint shown when the pointer rests
// on it. A missing glyph file leaves the button without a glyph.
QPushButton* CreateGlyphButton(QWidget* parent, const QString& name, const QRect& geometry,
                               const QString& caption, const QString& hint,
                               const std::filesystem::path& glyphFile);
