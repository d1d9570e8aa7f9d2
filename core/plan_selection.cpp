// The four ways of changing what is played: the scroll bar, the two unsolved-plan buttons,
// restart and start over. Each defers itself while a slide is under way (see game.h).
#include "core/game.h"

namespace tarvik {

void Game::levelScrollChange(int position)
{
    if (isSliding()) {
        deferred_.push_back([this, position] { levelScrollChange(position); });
        return;
    }
    currentPlan_ = position;
    setUpPlan();
    ports_.view.repaintBoard();
    ports_.view.repaintPlanPanel();
    ports_.view.showPlanNumber();
}

void Game::stepToUnsolved(int direction)
{
    if (isSliding()) {
        deferred_.push_back([this, direction] { stepToUnsolved(direction); });
        return;
    }
    const int count = planCount();
    if (count < 1) return;
    const int start = currentPlan_;
    int plan = start;
    do {
        plan += direction;
        if (plan < 1) plan = count;
        if (plan > count) plan = 1;
    } while (plan != start && solved_.isSolved(plan));
    if (plan == start) return;
    currentPlan_ = plan;
    setUpPlan();
    ports_.view.setScrollPosition(currentPlan_);
    ports_.view.repaintWindow();
}

void Game::sDownBtnClick() { stepToUnsolved(-1); }

void Game::sUpBtnClick() { stepToUnsolved(+1); }

void Game::RestartBtnClick()
{
    if (isSliding()) {
        deferred_.push_back([this] { RestartBtnClick(); });
        return;
    }
    if (!ports_.dialogs.confirmRestart()) return;
    setUpPlan();
    ports_.view.repaintBoard();
}

void Game::StartBtnClick()
{
    if (isSliding()) {
        deferred_.push_back([this] { StartBtnClick(); });
        return;
    }
    if (!ports_.dialogs.confirmStartOver()) return;
    currentPlan_ = 1;
    ports_.view.setScrollPosition(1);
    solved_.clear(planCount());
    setUpPlan();
    ports_.view.repaintBoard();
    ports_.view.showPlanNumber();
    updateProgress();
}

}  // namespace tarvik
