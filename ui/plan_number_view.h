#pragma once

#include <QWidget>

#include "ui/surface.h"

namespace tarvik {

struct Images;

// `levelbox`: the plan number in three large digits and the flask that tells
// whether the plan is solved. Only the digit cells and the marker are drawn;
// the rest of the box shows the panel beneath.
class PlanNumberView : public QWidget {
public:
    static constexpr int kWidth = 133;
    static constexpr int kHeight = 39;
    static constexpr int kDigitWidth = 30;
    static constexpr int kMarkerX = 93;

    explicit PlanNumberView(const Images& images, QWidget* parent = nullptr);

    // Draws the digits of `plan` (leading zeros included) and the marker.
    void showPlanNumber(int plan, bool solved);

    Surface& surface() { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Images& images_;
    Surface surface_;
    bool drawn_ = false;
};

}  // namespace tarvik
