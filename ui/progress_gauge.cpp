#include "ui/progress_gauge.h"

#include <QPainter>

#include <algorithm>

namespace tarvik {

int wholePercent(int value, int maximum)
{
    if (maximum <= 0)
        return 0;
    const long long clamped = std::clamp(value, 0, maximum);
    return static_cast<int>(clamped * 100 / maximum);
}

ProgressGauge::ProgressGauge(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressGauge::setMaximum(int maximum)
{
    if (maximum_ == maximum)
        return;
    maximum_ = maximum;
    update();
}

void ProgressGauge::setValue(int value)
{
    if (value_ == value)
        return;
    value_ = value;
    update();
}

int ProgressGauge::barWidth() const
{
    return width() * wholePercent(value_, maximum_) / 100;
}

void ProgressGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(QRect(0, 0, barWidth(), height()), QColor(255, 0, 0));
}

}  // namespace tarvik
