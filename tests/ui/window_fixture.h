#pragma once

#include <QPoint>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/plan_catalogue.h"
#include "core/ports.h"
#include "test_sheets.h"
#include "ui/main.h"
#include "ui/main_form_seams.h"
#include "ui/pointer.h"
#include "ui/sound_channel.h"

namespace tarvik::testing {

// Atoms and a cell colour the window tests place and look for.
inline const AtomKind kCarbonRight = makeAtomKind(kCarbon, 1u << kSingleRight);
inline const AtomKind kHydrogenLeft = makeAtomKind(kHydrogen, 1u << kSingleLeft);
inline const QImage kBlack = solid(qRgb(0, 0, 0));

// Everything the window reaches outside itself, recorded.
struct Record {
    std::vector<std::string> waves;
    std::string playing;  // what sounds now: "loop 6", "play 2", or empty once stopped
    std::vector<std::string> dialogs;
    int pointerHides = 0;
    int pointerShows = 0;
};

class RecordingWaves final : public WaveOutput {
public:
    explicit RecordingWaves(Record& r) : r_(r) {}
    void play(int wave, bool loop) override
    {
        r_.playing = (loop ? "loop " : "play ") + std::to_string(wave);
        r_.waves.push_back(r_.playing);
    }
    void stop() override { r_.playing.clear(); }

private:
    Record& r_;
};

// A pointer whose platform may refuse to move it.
class FakePointer final : public Pointer {
public:
    FakePointer(Record& r, bool refusesToMove, QPoint* position) : r_(r), refuses_(refusesToMove), at_(position) {}
    void hide() override { ++r_.pointerHides; }
    void show() override { ++r_.pointerShows; }
    void moveTo(const QPoint& p) override
    {
        if (!refuses_)
            *at_ = p;
    }
    QPoint position() const override { return *at_; }

private:
    Record& r_;
    bool refuses_;
    QPoint* at_;
};

class ScriptedDialogs final : public GameDialogs {
public:
    explicit ScriptedDialogs(Record& r) : r_(r) {}
    bool answer = true;
    void showSolved() override { r_.dialogs.push_back("solved"); }
    void showAllSolved() override { r_.dialogs.push_back("all solved"); }
    bool confirmRestart() override { r_.dialogs.push_back("restart?"); return answer; }
    bool confirmStartOver() override { r_.dialogs.push_back("start over?"); return answer; }

private:
    Record& r_;
};

// Time runs fast: every reading is a second later, so waits end at once.
class FastClock final : public TickClock {
public:
    std::uint32_t ticks() override { return now_ += 1000; }

private:
    std::uint32_t now_ = 0;
};

// The slide's event pump: runs what a test puts in `duringSlide`, as if the player had
// done it while the atom was moving.
class SlideEvents final : public EventPump {
public:
    std::function<void()> duringSlide;
    void processPendingEvents() override
    {
        if (duringSlide) {
            const auto pending = std::move(duringSlide);
            duringSlide = nullptr;
            pending();
        }
    }
};

// Every draw is 0; the draws are counted.
class FixedRandom final : public RandomSource {
public:
    int draws = 0;
    int below(int) override
    {
        ++draws;
        return 0;
    }
};

// Plans 1..count: a wall frame, outside cells in the corner, an obstacle at (13, 13),
// atom 1 (carbon with a stub to the right) at (2 + n % 5, 3) and atom 2 (hydrogen,
// stub left) at (9, 3); the molecule is the two side by side. Even plans have
// obstacles where the odd ones have the right-hand wall.
PlanCatalogue testCatalogue(int count, const std::string& firstEnglishName = {});

struct WindowOptions {
    int plans = 20;
    bool pointerRefuses = false;
    bool sound = true;
    int speed = 3;
    std::string firstEnglishName;  // empty: "plan 1"
};

// A window on the test sheets with every outside part faked.
struct TestWindow {
    explicit TestWindow(const WindowOptions& options = {});

    Record record;
    QPoint pointerAt;
    PlanCatalogue catalogue;
    ScriptedDialogs* dialogs = nullptr;
    SlideEvents* events = nullptr;
    FixedRandom* random = nullptr;
    MainFormSeams seams;  // the window's defaults: nothing leads out of it
    std::unique_ptr<TMainForm> form;

    QImage boardCell(int column, int row);
    // Board pixels to the screen, where the fake pointer lives.
    QPoint toScreen(int x, int y) const;
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
};

}  // namespace tarvik::testing
