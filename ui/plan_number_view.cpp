#include "ui/plan_number_view.h"

#include <QPainter>

#include "ui/images.h"

namespace tarvik {

namespace {
constexpr int kUnsolvedMarkerX = 300;
constexpr int kSolvedMarkerX = 330;
}

PlanNumberView::PlanNumberView(const Images& images, QWidget* parent)
    : QWidget(parent), images_(images), surface_(kWidth, kHeight)
{
    setFixedSize(kWidth, kHeight);
}

void PlanNumberView::showPlanNumber(int plan, bool solved)
{
    const int digits[3] = {plan / 100 % 10, plan / 10 % 10, plan % 10};
    for (int i = 0; i < 3; ++i) {
        surface_.copyReplace(images_.digitStrip, QRect(kDigitWidth * digits[i], 0, kDigitWidth, kHeight),
                             QPoint(kDigitWidth * i, 0));
    }
    const int markerX = solved ? kSolvedMarkerX : kUnsolvedMarkerX;
    surface_.copyReplace(images_.digitStrip, QRect(markerX, 0, kDigitWidth, kHeight), QPoint(kMarkerX, 0));
    drawn_ = true;
    update();
}

void PlanNumberView::paintEvent(QPaintEvent*)
{
    if (!drawn_)
        return;
    QPainter painter(this);
    const QImage& image = surface_.image();
    const QRect digits(0, 0, 3 * kDigitWidth, kHeight);
    const QRect marker(kMarkerX, 0, kDigitWidth, kHeight);
    painter.drawImage(digits.topLeft(), image, digits);
    painter.drawImage(marker.topLeft(), image, marker);
}

}  // namespace tarvik
