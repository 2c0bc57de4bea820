#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

// A horizontal bar gauge with no text and no border. A progress below the minimum shows an
// empty bar, one above the maximum a full bar.
class BarGauge : public QWidget {
  Q_OBJECT

 public:
  struct Colors {
    QColor bar;
    QColor background;
    QColor control;  // the control's own colour; the background covers it
  };

  BarGauge(QWidget* parent, Colors colors, int32_t maxValue, int32_t progress);

  void setMaxValue(int32_t value);
  void setProgress(int32_t value);
  int32_t maxValue() const { return maxValue_; }
  int32_t progress() const { return progress_; }
  const Colors& colors() const { return colors_; }
  // Width in pixels of the bar drawn for the current values.
  int barWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Colors colors_;
  int32_t minValue_ = 0;
  int32_t maxValue_;
  int32_t progress_;
};
