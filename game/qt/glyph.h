#pragma once

#include <QIcon>
#include <QImage>
#include <filesystem>

// A button glyph: a small bitmap whose lower-left pixel colour is drawn transparent.
QImage GlyphImage(const QImage& bitmap);

// A null icon when the file is missing or unreadable: the button then shows its caption alone.
QIcon LoadGlyph(const std::filesystem::path& file);
