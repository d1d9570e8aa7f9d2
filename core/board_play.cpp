#include "core/board_play.h"

#include <cstdlib>

#include "core/timing.h"

namespace tarvik {

namespace {
constexpr int kPushThreshold = 20;
constexpr int kRefInset = 12;

int sign(int v) { return (v > 0) - (v < 0); }
}  // namespace

int normalisedSpeed(int speed)
{
    return (speed == 2 || speed == 3 || speed == 5 || speed == 10) ? speed : 3;
}

BoardPlay::BoardPlay(GamePorts ports, int speed) : ports_(ports), speed_(normalisedSpeed(speed)) {}

void BoardPlay::setUp(const PlanRecord& record)
{
    plan_ = record;
    pattern_ = buildMoleculePattern(plan_);
    if (state_ == PlayState::Carrying) showPointer();
    state_ = PlayState::Idle;
    carriedAtom_ = 0;
}

BoardPlay::DownResult BoardPlay::mouseDown(int x, int y)
{
    switch (state_) {
    case PlayState::Idle: {
        if (x < 0 || y < 0) return DownResult::Ignored;
        const int col = x / kCellPixels;
        const int row = y / kCellPixels;
        if (col > kBoardSide - 1 || row > kBoardSide - 1) return DownResult::Ignored;
        const int code = plan_.cell(col, row);
        if (!isAtomCode(code)) return DownResult::Ignored;
        carriedAtom_ = code;
        carriedCol_ = col;
        carriedRow_ = row;
        refPoint_ = {x, y};
        state_ = PlayState::Carrying;
        hidePointer();
        playCue(ports_.sound, 1);
        return DownResult::PickedUp;
    }
    case PlayState::Carrying:
        state_ = PlayState::Idle;
        showPointer();
        playCue(ports_.sound, 2);
        return DownResult::PutDown;
    case PlayState::Solved:
    case PlayState::Sliding:
        break;
    }
    return DownResult::Ignored;
}

bool BoardPlay::mouseMove(int x, int y)
{
    if (state_ != PlayState::Carrying) return false;
    int dx = x - refPoint_.x;
    int dy = y - refPoint_.y;
    if (std::abs(dx) < kPushThreshold) dx = 0;
    if (std::abs(dy) < kPushThreshold) dy = 0;
    if (std::abs(dx) > std::abs(dy)) dy = 0;
    else dx = 0;
    dx = sign(dx);
    dy = sign(dy);
    if (dx == 0 && dy == 0) return false;

    // Remember whether the loop was started: sound can be switched off while the slide
    // lets events through, and a loop left running would never stop.
    const bool loopStarted = ports_.sound.soundOn();
    if (loopStarted) ports_.sound.startSlideLoop();
    slideAtom(dx, dy);
    refPoint_ = {carriedCol_ * kCellPixels + kRefInset, carriedRow_ * kCellPixels + kRefInset};
    movePointerToRefPoint();
    if (loopStarted || ports_.sound.soundOn()) ports_.sound.stopSound();
    return true;
}

void BoardPlay::slideAtom(int dx, int dy)
{
    state_ = PlayState::Sliding;
    ports_.canvas.beginSlide(carriedCol_ * kCellPixels, carriedRow_ * kCellPixels, dx, dy, speed_);
    plan_.setCell(carriedCol_, carriedRow_, kEmptyCell);
    const int steps = kCellPixels / speed_;
    for (;;) {
        const int nextCol = carriedCol_ + dx;
        const int nextRow = carriedRow_ + dy;
        const bool stops = !onBoard(nextCol, nextRow) || plan_.cell(nextCol, nextRow) != kEmptyCell;
        if (!stops) {
            for (int i = 0; i < steps; ++i) {
                ports_.canvas.slideStep();
                busyWait(ports_.clock, 2);
            }
            carriedCol_ = nextCol;
            carriedRow_ = nextRow;
        }
        ports_.events.processPendingEvents();
        if (stops) break;
    }
    plan_.setCell(carriedCol_, carriedRow_, static_cast<std::uint8_t>(carriedAtom_));
    state_ = PlayState::Carrying;
}

void BoardPlay::movePointerToRefPoint()
{
    const BoardPoint actual = ports_.pointer.moveTo(refPoint_);
    // Where the platform would not move the pointer, measure the next push from where the
    // pointer really is, so that no push happens that the player did not make.
    if (std::abs(actual.x - refPoint_.x) >= kPushThreshold || std::abs(actual.y - refPoint_.y) >= kPushThreshold)
        refPoint_ = actual;
}

void BoardPlay::showPointer()
{
    if (pointerShown_) return;
    ports_.pointer.show();
    pointerShown_ = true;
}

void BoardPlay::hidePointer()
{
    if (!pointerShown_) return;
    ports_.pointer.hide();
    pointerShown_ = false;
}

}  // namespace tarvik
