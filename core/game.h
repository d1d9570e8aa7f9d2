#pragma once

#include <functional>
#include <vector>

#include "core/board_play.h"
#include "core/plan_catalogue.h"
#include "core/ports.h"
#include "core/solved_flags.h"

namespace tarvik {

// The game in play: which plan is current, the solved flags, the board, and the commands
// the window forwards to it. The window calls the handlers below with the names of the
// controls that raise them.
//
// Slides let pending events through once per cell. Anything that would set up a plan, load
// progress or close the window in the middle of a slide would let the slide finish on
// another Board, so such requests are deferred, not refused: the plan-selection commands
// queue themselves, and the window queues its own (progress load, close) with runWhenIdle.
// The board repaint of a hint released during a slide waits in the same queue.
// The queue runs, in arrival order, as soon as the push that was under way has ended.
// Refusing would lose a scroll-bar move whose thumb has already moved.
class Game {
public:
    Game(const PlanCatalogue& catalogue, GamePorts ports, int speed = 3);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Start-up: the plan from the settings, held to 1..planCount, and set up.
    void selectStartPlan(int level);
    // Start-up, after the progress file has been read: allSolved from the flags.
    void recomputeAllSolved();

    // The board.
    void boxMouseDown(int x, int y);
    void boxMouseMove(int x, int y);

    // The hint button: each press searches and draws, its release repaints the board.
    void TipBtnMouseDown();
    void TipBtnMouseUp();

    // Plan selection.
    void levelScrollChange(int position);
    void sDownBtnClick();
    void sUpBtnClick();
    void RestartBtnClick();
    void StartBtnClick();

    void setUpPlan();
    void finishPlan();
    void updateProgress();

    // The slide guard.
    bool isSliding() const { return play_.state() == PlayState::Sliding; }
    // Runs `action` now, or right after the current push when a slide is under way.
    void runWhenIdle(std::function<void()> action);

    // Reads for the window and the tools.
    int planCount() const { return catalogue_.planCount(); }
    int currentPlan() const { return currentPlan_; }
    const PlanCatalogue& catalogue() const { return catalogue_; }
    const PlanRecord& plan() const { return play_.plan(); }
    const MoleculePattern& pattern() const { return play_.pattern(); }
    PlayState playState() const { return play_.state(); }
    const BoardPlay& board() const { return play_; }
    bool allSolved() const { return allSolved_; }
    int speed() const { return play_.speed(); }
    const SolvedFlags& solvedFlags() const { return solved_; }
    // For the progress file: fill or read the flags; call updateProgress afterwards.
    SolvedFlags& solvedFlags() { return solved_; }
    bool currentPlanSolved() const { return solved_.isSolved(currentPlan_); }

private:
    void stepToUnsolved(int direction);
    void runDeferred();

    const PlanCatalogue& catalogue_;
    GamePorts ports_;
    BoardPlay play_;
    int currentPlan_ = 1;
    SolvedFlags solved_{};
    bool allSolved_ = false;
    std::vector<std::function<void()>> deferred_;
};

}  // namespace tarvik
