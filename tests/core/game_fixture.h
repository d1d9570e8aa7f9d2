#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/game.h"
#include "fake_ports.h"
#include "plan_builder.h"

namespace tarvik::testing {

// A game over a catalogue made in the test, wired to a recording fake.
class GameTest : public ::testing::Test {
protected:
    FakePorts fake;
    PlanCatalogue catalogue;
    std::unique_ptr<Game> game;

    void startWith(std::vector<PlanRecord> plans, int plan = 1, int speed = 3)
    {
        catalogue = PlanCatalogue(std::move(plans));
        game = std::make_unique<Game>(catalogue, fake.ports(), speed);
        fake.game = game.get();
        game->selectStartPlan(plan);
        fake.scrollPosition = game->currentPlan();
        fake.clearLog();
    }
    void pickUp(int col, int row) { game->boxMouseDown(col * 30 + 15, row * 30 + 15); }
    void push(int dx, int dy)
    {
        const BoardPoint ref = game->board().refPoint();
        game->boxMouseMove(ref.x + 30 * dx, ref.y + 30 * dy);
    }
    // One move as a player makes it: pick up, push, put down.
    void move(int col, int row, int dx, int dy)
    {
        pickUp(col, row);
        push(dx, dy);
        game->boxMouseDown(0, 0);
    }
};

// Two hydrogens bonded left-right: kinds 0x101 (stub right) and 0x1001 (stub left).
inline constexpr AtomKind kHRight = 0x101;
inline constexpr AtomKind kHLeft = 0x1001;

// "A" then "B" side by side completes; A at (0,0), B far right on row 0.
inline PlanRecord pairPlan()
{
    PlanRecord plan = boardOf({"A.............B"});
    setMolecule(plan, 2, 1);
    setSlot(plan, 1, 0, 0, kHRight);
    setSlot(plan, 2, 1, 0, kHLeft);
    return plan;
}

}  // namespace tarvik::testing
