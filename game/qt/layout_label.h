#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>
#include <optional>

// How a label of the layout looks: its own font and colours, transparent (the controls below
// show through) or filled, aligned to the top, with or without word wrap.
struct LabelLook {
  QFont font;
  QColor text;
  std::optional<QColor> fill;  // none: transparent
  bool wordWrap = false;
  Qt::AlignmentFlag horizontal = Qt::AlignLeft;
};

// A label with no auto-size. Lines are as high as the font's character height, as the layout
// was made for, so that the status panel's twelve lines fit its 201 pixels. A line break
// ("\n") always starts a new line; with word wrap, lines also break at the label's width
// (blanks at a break hang past the edge, so long runs of blanks push the next word onto a
// line of its own).
class LayoutLabel : public QWidget {
  Q_OBJECT

 public:
  LayoutLabel(QWidget* parent, const QString& name, const QRect& geometry, const LabelLook& look,
              const QString& text);

  void setText(const QString& text);
  const QString& text() const { return text_; }
  void setTextColor(const QColor& color);
  QColor textColor() const;
  bool isTransparent() const { return !autoFillBackground(); }
  bool wordWrap() const { return wordWrap_; }
  Qt::AlignmentFlag horizontalAlignment() const { return horizontal_; }
  int lineHeight() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  bool wordWrap_;
  Qt::AlignmentFlag horizontal_;
};
