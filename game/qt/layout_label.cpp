#include "game/qt/layout_label.h"

QLabel* CreateLabel(QWidget* parent, const QString& name, const QRect& geometry, const LabelLook& look,
                    const QString& text) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(look.font);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(look.wordWrap);
  label->setAlignment(look.horizontal | Qt::AlignTop);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, look.text);
  if (look.fill) palette.setColor(QPalette::Window, *look.fill);
  label->setPalette(palette);
  label->setAutoFillBackground(look.fill.has_value());
  label->setText(text);
  return label;
}

void SetLabelTextColor(QLabel* label, const QColor& color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
}
