#pragma once

#include "core/ports.h"

namespace tarvik {

// Ports that draw, sound and show nothing, for tools that play plans without a window.
// The clock jumps ahead on every reading, so waits end at once; dialogs answer Yes.
class QuietPorts final : public BoardCanvas, public ViewRefresh, public SoundOutput,
                         public PointerControl, public TickClock, public EventPump,
                         public GameDialogs, public RandomSource {
public:
    void beginSlide(int, int, int, int, int) override {}
    void slideStep() override {}
    void paintFlashCell(int, int, int) override {}
    void paintAtomCell(int, int, AtomKind) override {}
    void repaintBoard() override {}
    void repaintPlanPanel() override {}
    void showPlanNumber() override {}
    void showProgress(int, int) override {}
    void repaintWindow() override {}
    void setScrollPosition(int) override {}
    bool soundOn() const override { return false; }
    void playWave(int) override {}
    void startSlideLoop() override {}
    void stopSound() override {}
    void hide() override {}
    void show() override {}
    BoardPoint moveTo(BoardPoint target) override { return target; }
    std::uint32_t ticks() override { return now_ += 1000; }
    void processPendingEvents() override {}
    void showSolved() override {}
    void showAllSolved() override {}
    bool confirmRestart() override { return true; }
    bool confirmStartOver() override { return true; }
    int below(int) override { return 0; }

    GamePorts ports() { return GamePorts{*this, *this, *this, *this, *this, *this, *this, *this}; }

private:
    std::uint32_t now_ = 0;
};

}  // namespace tarvik
