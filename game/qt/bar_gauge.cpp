#include "game/qt/bar_gauge.h"

#include <QPainter>
#include <algorithm>

BarGauge::BarGauge(QWidget* parent, Colors colors, int32_t maxValue, int32_t progress)
    : QWidget(parent), colors_(colors), maxValue_(maxValue), progress_(progress) {}

void BarGauge::setMaxValue(int32_t value) {
  if (value == maxValue_) return;
  maxValue_ = value;
  update();
}

void BarGauge::setProgress(int32_t value) {
  if (value == progress_) return;
  progress_ = value;
  update();
}

int BarGauge::barWidth() const {
  if (maxValue_ <= minValue_) return 0;
  int64_t range = int64_t{maxValue_} - minValue_;
  int64_t done = std::clamp<int64_t>(int64_t{progress_} - minValue_, 0, range);
  // The bar grows in whole percents.
  int64_t percent = done * 100 / range;
  return static_cast<int>(width() * percent / 100);
}

void BarGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colors_.background);
  painter.fillRect(QRect(0, 0, barWidth(), height()), colors_.bar);
}
