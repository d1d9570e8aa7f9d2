#pragma once

#include <QScrollBar>

namespace tarvik {

// `LevelScroll`: the horizontal plan selector and the only control that takes
// the keyboard focus. Its keys work as on a classic horizontal scroll bar: left
// and up go back one plan, right and down forward one, the page keys twelve,
// Home and End to the first and last plan. (Qt's own horizontal scroll bar
// turns the left arrow into a step forward.)
class PlanScrollBar : public QScrollBar {
public:
    explicit PlanScrollBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarvik
