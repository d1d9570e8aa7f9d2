#pragma once

#include "core/molecule_pattern.h"
#include "core/plan_record.h"
#include "core/play_state.h"
#include "core/ports.h"

namespace tarvik {

// Pixels per animation step: 2, 3, 5 or 10; anything else becomes 3.
int normalisedSpeed(int speed);

// The live board of the plan in play and the moves on it: pick up, push (slide), put down.
// Owns CurrentPlan, the MoleculePattern, PlayState and the carried atom. A push allocates
// nothing.
class BoardPlay {
public:
    enum class DownResult { Ignored, PickedUp, PutDown };

    BoardPlay(GamePorts ports, int speed);

    // Copies the record (the Board is its start board), rebuilds the pattern, ends any
    // carrying (pointer shown again) and returns to Idle.
    void setUp(const PlanRecord& record);

    DownResult mouseDown(int x, int y);
    // True when the move was large enough to push (the atom may still not move).
    bool mouseMove(int x, int y);
    // Slides the carried atom until the next cell is off the board or not empty.
    void slideAtom(int dx, int dy);

    void showPointer();
    void hidePointer();
    void enterSolved() { state_ = PlayState::Solved; }

    const PlanRecord& plan() const { return plan_; }
    const MoleculePattern& pattern() const { return pattern_; }
    PlayState state() const { return state_; }
    int carriedAtom() const { return carriedAtom_; }
    int carriedCol() const { return carriedCol_; }
    int carriedRow() const { return carriedRow_; }
    BoardPoint refPoint() const { return refPoint_; }
    bool pointerShown() const { return pointerShown_; }
    int speed() const { return speed_; }

private:
    void movePointerToRefPoint();

    GamePorts ports_;
    int speed_;
    PlanRecord plan_{};
    MoleculePattern pattern_{};
    PlayState state_ = PlayState::Idle;
    int carriedAtom_ = 0;
    int carriedCol_ = 0;
    int carriedRow_ = 0;
    BoardPoint refPoint_{};
    bool pointerShown_ = true;
};

}  // namespace tarvik
