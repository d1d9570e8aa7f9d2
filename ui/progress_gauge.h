#pragma once

#include <QWidget>

namespace tarvik {

// `gsol`: solved plans out of all plans as a red bar on black that grows in
// whole-percent steps; no text, no border.
class ProgressGauge : public QWidget {
public:
    explicit ProgressGauge(QWidget* parent = nullptr);

    void setMaximum(int maximum);
    void setValue(int value);
    int maximum() const { return maximum_; }
    int value() const { return value_; }

    // Width of the red part: the percentage rounded down, of the whole width.
    int barWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int maximum_ = 0;
    int value_ = 0;
};

int wholePercent(int value, int maximum);

}  // namespace tarvik
