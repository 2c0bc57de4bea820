#include "game/qt/layout_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

LayoutLabel::LayoutLabel(QWidget* parent, const QString& name, const QRect& geometry, const LabelLook& look,
                         const QString& text)
    : QWidget(parent), text_(text), wordWrap_(look.wordWrap), horizontal_(look.horizontal) {
  setObjectName(name);
  setGeometry(geometry);
  setFont(look.font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, look.text);
  if (look.fill) palette.setColor(QPalette::Window, *look.fill);
  setPalette(palette);
  setAutoFillBackground(look.fill.has_value());
}

void LayoutLabel::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void LayoutLabel::setTextColor(const QColor& color) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, color);
  setPalette(palette);
}

QColor LayoutLabel::textColor() const { return palette().color(QPalette::WindowText); }

int LayoutLabel::lineHeight() const {
  return font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
}

void LayoutLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(textColor());
  QTextOption option(horizontal_);
  option.setWrapMode(wordWrap_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  const qreal ascent = QFontMetricsF(font()).ascent();
  const int height = lineHeight();
  int top = 0;
  for (const QString& paragraph : text_.split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, font(), this);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width());
      line.setPosition(QPointF(0, top + qRound(ascent) - line.ascent()));
      top += height;
    }
    layout.endLayout();
    layout.draw(&painter, QPointF(0, 0));
    if (top >= this->height()) break;
  }
}
