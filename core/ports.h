#pragma once

#include <cstdint>

#include "core/atom_kind.h"

namespace tarvik {

// The narrow seams through which the puzzle core reaches the outside world. The window
// implements them; tests fake them. No window-system type crosses these lines.

struct BoardPoint {
    int x = 0;
    int y = 0;
    bool operator==(const BoardPoint&) const = default;
};

// Drawing on the board that the core itself sets off (everything else is a repaint).
class BoardCanvas {
public:
    virtual ~BoardCanvas() = default;
    // A slide starts at pixel (px, py) in direction (dx, dy), `step` pixels per step:
    // sets up the trailing strip on the side the atom leaves.
    virtual void beginSlide(int px, int py, int dx, int dy, int step) = 0;
    // One step: move the 30 x 30 picture by `step` pixels and blacken the trailing strip.
    virtual void slideStep() = 0;
    // Copy solve-flash frame 0..5 over the board cell (col, row), replacing it.
    virtual void paintFlashCell(int col, int row, int frame) = 0;
    // Paint one cell at pixel (x, y) with an atom of that kind; kind 0 paints empty floor.
    virtual void paintAtomCell(int x, int y, AtomKind kind) = 0;
};

// Repaints of whole areas from the current data.
class ViewRefresh {
public:
    virtual ~ViewRefresh() = default;
    virtual void repaintBoard() = 0;       // boxPaint
    virtual void repaintPlanPanel() = 0;   // molPaint
    virtual void showPlanNumber() = 0;
    virtual void showProgress(int solved, int total) = 0;  // gauge position and "solved/total"
    virtual void repaintWindow() = 0;      // FormPaint
    // Move the plan scroll bar. A change of position must come back as
    // Game::levelScrollChange(position); setting the position it has calls nothing.
    virtual void setScrollPosition(int position) = 0;
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual bool soundOn() const = 0;
    // Play wave 1..5 once; a new sound replaces the one playing. Failures stay silent.
    virtual void playWave(int position) = 0;
    virtual void startSlideLoop() = 0;   // wave 6, looped
    virtual void stopSound() = 0;
};

class PointerControl {
public:
    virtual ~PointerControl() = default;
    virtual void hide() = 0;
    virtual void show() = 0;
    // Move the pointer onto board pixel `target`; returns where it really is now, in board
    // pixels (a platform may refuse to move it).
    virtual BoardPoint moveTo(BoardPoint target) = 0;
};

class TickClock {
public:
    virtual ~TickClock() = default;
    // Milliseconds, wrapping at 2^32.
    virtual std::uint32_t ticks() = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Let the window system handle what is pending, from inside a running handler.
    virtual void processPendingEvents() = 0;
};

// The modal dialogs the core opens; each returns once the player has closed it.
class GameDialogs {
public:
    virtual ~GameDialogs() = default;
    virtual void showSolved() = 0;
    virtual void showAllSolved() = 0;
    virtual bool confirmRestart() = 0;     // true on Yes
    virtual bool confirmStartOver() = 0;   // true on Yes
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, n) for n >= 1.
    virtual int below(int n) = 0;
};

struct GamePorts {
    BoardCanvas& canvas;
    ViewRefresh& view;
    SoundOutput& sound;
    PointerControl& pointer;
    TickClock& clock;
    EventPump& events;
    GameDialogs& dialogs;
    RandomSource& random;
};

}  // namespace tarvik
