#pragma once

#include <QString>

namespace zeru::content {

// Lays out every picture of a runtime folder's cg/ as the game shows it
// (273 x 200; the title as its animation copies it) and every glyph at
// 24 x 24 and four times that, keyed over a button face, and saves a PNG.
bool WriteContactSheet(const QString& runtime_dir, const QString& png_path, QString* error);

}  // namespace zeru::content
