#include "core/game.h"

#include <algorithm>

#include "core/completion.h"
#include "core/hint.h"
#include "core/timing.h"

namespace tarvik {

namespace {
constexpr int kFlashFrames = 6;
constexpr int kFlashFrameMs = 50;
}  // namespace

Game::Game(const PlanCatalogue& catalogue, GamePorts ports, int speed)
    : catalogue_(catalogue), ports_(ports), play_(ports, speed)
{
}

void Game::selectStartPlan(int level)
{
    currentPlan_ = std::clamp(level, 1, std::max(1, planCount()));
    setUpPlan();
}

void Game::recomputeAllSolved() { allSolved_ = solved_.allSolved(planCount()); }

void Game::setUpPlan()
{
    if (planCount() < 1) return;
    currentPlan_ = std::clamp(currentPlan_, 1, planCount());
    play_.setUp(catalogue_.plan(currentPlan_));
}

void Game::boxMouseDown(int x, int y)
{
    if (play_.mouseDown(x, y) != BoardPlay::DownResult::PutDown) return;
    if (isMoleculeComplete(play_.plan(), play_.pattern())) finishPlan();
}

void Game::boxMouseMove(int x, int y)
{
    if (play_.mouseMove(x, y)) runDeferred();
}

void Game::finishPlan()
{
    const int solvedPlan = currentPlan_;
    play_.showPointer();
    playCue(ports_.sound, 3);
    const PlanRecord& board = play_.plan();
    for (int frame = 0; frame < kFlashFrames; ++frame) {
        for (int row = 0; row < kBoardSide; ++row) {
            for (int col = 0; col < kBoardSide; ++col) {
                if (isAtomCode(board.cell(col, row))) ports_.canvas.paintFlashCell(col, row, frame);
            }
        }
        busyWait(ports_.clock, kFlashFrameMs);
    }
    play_.enterSolved();
    ports_.dialogs.showSolved();
    solved_.markSolved(solvedPlan);
    updateProgress();
    if (allSolved_) return;
    recomputeAllSolved();
    if (allSolved_) {
        playCue(ports_.sound, 5);
        ports_.dialogs.showAllSolved();
    }
}

void Game::updateProgress() { ports_.view.showProgress(solved_.countSolved(planCount()), planCount()); }

void Game::TipBtnMouseDown()
{
    const std::optional<Placement> placement = findHintPlacement(play_.plan(), ports_.random);
    if (placement) drawHint(play_.plan(), *placement, ports_.sound, ports_.canvas);
}

void Game::TipBtnMouseUp()
{
    // Repainting from the Board in the middle of a slide would paint the carried atom's
    // cell as floor under its moving picture, and the slide would carry the floor on.
    runWhenIdle([this] { ports_.view.repaintBoard(); });
}

void Game::runWhenIdle(std::function<void()> action)
{
    if (isSliding()) {
        deferred_.push_back(std::move(action));
        return;
    }
    action();
}

void Game::runDeferred()
{
    if (deferred_.empty()) return;
    std::vector<std::function<void()>> pending;
    pending.swap(deferred_);
    for (auto& action : pending) action();
}

}  // namespace tarvik
