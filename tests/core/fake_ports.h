#pragma once

// A recording stand-in for the window: every call the core makes becomes one line of
// `log`, so tests can assert calls and their order.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/ports.h"

namespace tarvik::testing {

class FakePorts final : public BoardCanvas, public ViewRefresh, public SoundOutput, public PointerControl,
                        public TickClock, public EventPump, public GameDialogs, public RandomSource {
public:
    std::vector<std::string> log;
    bool sound = true;
    bool restartAnswer = true;
    bool startOverAnswer = true;
    int scrollPosition = 1;
    Game* game = nullptr;              // receives scroll-bar changes
    std::function<void()> onPump;      // runs inside processPendingEvents
    std::function<void()> onDialog;    // runs inside each modal dialog
    // When set, the pointer stays where it is told to be + this offset.
    BoardPoint pointerOffset{};
    std::deque<int> randoms;
    int randomDraws = 0;
    int hideCount = 0;
    int showCount = 0;
    int stepCount = 0;
    std::uint32_t now = 0;

    GamePorts ports() { return GamePorts{*this, *this, *this, *this, *this, *this, *this, *this}; }
    void add(std::string s) { log.push_back(std::move(s)); }
    void clearLog() { log.clear(); stepCount = 0; }
    // The log without the slide steps, which are counted in stepCount instead.
    std::vector<std::string> calls() const { return log; }

    void beginSlide(int px, int py, int dx, int dy, int step) override
    {
        add("slide " + std::to_string(px) + "," + std::to_string(py) + " " + std::to_string(dx) + "," +
            std::to_string(dy) + " s" + std::to_string(step));
    }
    void slideStep() override { ++stepCount; }
    void paintFlashCell(int col, int row, int frame) override
    {
        add("flash " + std::to_string(col) + "," + std::to_string(row) + " f" + std::to_string(frame));
    }
    void paintAtomCell(int x, int y, AtomKind kind) override
    {
        add("cell " + std::to_string(x) + "," + std::to_string(y) + " k" + std::to_string(kind));
    }
    void repaintBoard() override { add("board"); }
    void repaintPlanPanel() override { add("panel"); }
    void showPlanNumber() override { add("number"); }
    void showProgress(int solved, int total) override
    {
        add("progress " + std::to_string(solved) + "/" + std::to_string(total));
    }
    void repaintWindow() override { add("window"); }
    void setScrollPosition(int position) override
    {
        add("scroll " + std::to_string(position));
        if (position == scrollPosition) return;
        scrollPosition = position;
        if (game) game->levelScrollChange(position);
    }
    bool soundOn() const override { return sound; }
    void playWave(int position) override { add("cue " + std::to_string(position)); }
    void startSlideLoop() override { add("loop"); }
    void stopSound() override { add("stop"); }
    void hide() override { ++hideCount; add("hide"); }
    void show() override { ++showCount; add("show"); }
    BoardPoint moveTo(BoardPoint target) override
    {
        add("move " + std::to_string(target.x) + "," + std::to_string(target.y));
        return {target.x + pointerOffset.x, target.y + pointerOffset.y};
    }
    std::uint32_t ticks() override { return ++now; }
    void processPendingEvents() override
    {
        add("pump");
        if (onPump) {
            auto pending = onPump;
            pending();
        }
    }
    void showSolved() override { add("solved dialog"); if (onDialog) onDialog(); }
    void showAllSolved() override { add("all solved dialog"); if (onDialog) onDialog(); }
    bool confirmRestart() override { add("confirm restart"); return restartAnswer; }
    bool confirmStartOver() override { add("confirm start over"); return startOverAnswer; }
    int below(int n) override
    {
        ++randomDraws;
        int v = 0;
        if (!randoms.empty()) {
            v = randoms.front();
            randoms.pop_front();
        }
        return n > 0 ? v % n : 0;
    }
};

}  // namespace tarvik::testing
