#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <optional>

// A label as the layout describes it: no auto-size, its own font and colours, transparent (the
// controls below show through) or filled, aligned to the top.
struct LabelLook {
  QFont font;
  QColor text;
  std::optional<QColor> fill;  // none: transparent
  bool wordWrap = false;
  Qt::AlignmentFlag horizontal = Qt::AlignLeft;
};

QLabel* CreateLabel(QWidget* parent, const QString& name, const QRect& geometry, const LabelLook& look,
                    const QString& text);

void SetLabelTextColor(QLabel* label, const QColor& color);
