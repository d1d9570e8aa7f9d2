#include <gtest/gtest.h>

#include "core/game.h"
#include "fake_ports.h"
#include "plan_builder.h"

namespace tarvik {
namespace {

using testing::boardOf;
using testing::FakePorts;
using testing::setMolecule;
using testing::setSlot;
using Log = std::vector<std::string>;

// Atom A alone in an open room, with a molecule that is never complete (two atoms needed).
PlanRecord roomPlan(std::initializer_list<std::string_view> rows)
{
    PlanRecord plan = boardOf(rows);
    setMolecule(plan, 2, 1);
    for (int k = 1; k <= 26; ++k) setSlot(plan, k, 0, 0, 0x101);
    setSlot(plan, 1, 0, 0, 0x101);
    setSlot(plan, 2, 1, 0, 0x999);  // no board atom has this kind
    return plan;
}

class Moves : public ::testing::Test {
protected:
    FakePorts fake;
    PlanCatalogue catalogue;
    std::unique_ptr<Game> game;

    void start(PlanRecord plan, int speed = 3)
    {
        catalogue = PlanCatalogue({plan});
        game = std::make_unique<Game>(catalogue, fake.ports(), speed);
        fake.game = game.get();
        game->selectStartPlan(1);
        fake.clearLog();
    }
    std::uint8_t cell(int col, int row) const { return game->plan().cell(col, row); }
    // Picks up the atom at (col, row) by its centre.
    void pickUp(int col, int row) { game->boxMouseDown(col * 30 + 15, row * 30 + 15); }
    void push(int dx, int dy)
    {
        const BoardPoint ref = game->board().refPoint();
        game->boxMouseMove(ref.x + 30 * dx, ref.y + 30 * dy);
    }
};

TEST_F(Moves, PickUpHidesPointerAndPlaysCueOne)
{
    start(roomPlan({"", "", ".....A"}));
    game->boxMouseDown(5 * 30 + 29, 2 * 30);
    EXPECT_EQ(game->playState(), PlayState::Carrying);
    EXPECT_EQ(game->board().carriedAtom(), 1);
    EXPECT_EQ(game->board().refPoint(), (BoardPoint{179, 60}));
    EXPECT_FALSE(game->board().pointerShown());
    EXPECT_EQ(fake.log, (Log{"hide", "cue 1"}));
}

TEST_F(Moves, ClicksOffAtomsOrOffTheCellsDoNothing)
{
    start(roomPlan({"#*~.A"}));
    for (int col : {0, 1, 2, 3}) game->boxMouseDown(col * 30 + 3, 3);
    game->boxMouseDown(450, 10);   // column 15
    game->boxMouseDown(10, 450);
    game->boxMouseDown(-1, 10);
    EXPECT_EQ(game->playState(), PlayState::Idle);
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(Moves, SecondClickAnywherePutsDownAndPicksUpNothing)
{
    start(roomPlan({"A...B"}));
    pickUp(0, 0);
    fake.clearLog();
    pickUp(4, 0);  // on another atom
    EXPECT_EQ(game->playState(), PlayState::Idle);
    EXPECT_TRUE(game->board().pointerShown());
    EXPECT_EQ(fake.log, (Log{"show", "cue 2"}));
    EXPECT_EQ(cell(0, 0), 1);
}

TEST_F(Moves, ThresholdsAndTheDominantAxis)
{
    struct Case {
        int dx, dy;
        int col, row;  // where the atom ends; it starts at (7, 7) in an empty board
    };
    const Case cases[] = {
        {19, 0, 7, 7},  {0, -19, 7, 7}, {19, 19, 7, 7},   // too small
        {20, 0, 14, 7}, {20, 19, 14, 7}, {-20, 0, 0, 7},  // one axis reaches 20
        {25, 30, 7, 14}, {30, 30, 7, 14}, {-30, -30, 7, 0},  // tie: vertical wins
        {30, 25, 14, 7}, {0, 20, 7, 14}, {5, -20, 7, 0},
    };
    for (const Case& c : cases) {
        start(roomPlan({"", "", "", "", "", "", "", ".......A"}));
        pickUp(7, 7);
        const BoardPoint ref = game->board().refPoint();
        game->boxMouseMove(ref.x + c.dx, ref.y + c.dy);
        EXPECT_EQ(cell(c.col, c.row), 1) << c.dx << "," << c.dy;
        EXPECT_EQ(game->board().carriedCol(), c.col) << c.dx << "," << c.dy;
        EXPECT_EQ(game->board().carriedRow(), c.row) << c.dx << "," << c.dy;
    }
}

TEST_F(Moves, PushCallsInOrderAndResetsReference)
{
    start(roomPlan({"A..#"}), 10);
    pickUp(0, 0);
    fake.clearLog();
    push(1, 0);
    EXPECT_EQ(fake.log, (Log{"loop", "slide 0,0 1,0 s10", "pump", "pump", "pump", "move 72,12", "stop"}));
    EXPECT_EQ(fake.stepCount, 6);  // two cells, three steps each
    EXPECT_EQ(cell(0, 0), 0);
    EXPECT_EQ(cell(2, 0), 1);
    EXPECT_EQ(game->board().refPoint(), (BoardPoint{72, 12}));
    EXPECT_EQ(game->playState(), PlayState::Carrying);
}

TEST_F(Moves, StepsPerCellFollowTheSpeed)
{
    for (auto [speed, steps] : {std::pair{2, 15}, {3, 10}, {5, 6}, {10, 3}, {7, 10}}) {
        start(roomPlan({"A.#"}), speed);
        pickUp(0, 0);
        fake.clearLog();
        push(1, 0);
        EXPECT_EQ(fake.stepCount, steps) << speed;
    }
}

TEST_F(Moves, BlockedPushStillRunsTheSoundAndMovesThePointerBack)
{
    start(roomPlan({"", "", "A"}));
    pickUp(0, 2);
    fake.clearLog();
    push(-1, 0);  // the edge
    EXPECT_EQ(fake.log, (Log{"loop", "slide 0,60 -1,0 s3", "pump", "move 12,72", "stop"}));
    EXPECT_EQ(fake.stepCount, 0);
    EXPECT_EQ(cell(0, 2), 1);
}

TEST_F(Moves, EveryNonEmptyCodeStopsASlide)
{
    for (int code : {1, 50, 51, 127, 128, 167, 168, 255}) {
        PlanRecord plan = roomPlan({"", "", "", ".A"});
        plan.setCell(1, 10, static_cast<std::uint8_t>(code == 1 ? 2 : code));
        start(plan);
        pickUp(1, 3);
        push(0, 1);
        EXPECT_EQ(cell(1, 9), 1) << code;
        EXPECT_EQ(cell(1, 3), 0) << code;
    }
}

TEST_F(Moves, SoundOffMeansNoCuesAndNoLoop)
{
    fake.sound = false;
    start(roomPlan({"A"}));
    pickUp(0, 0);
    push(1, 0);
    pickUp(3, 3);
    for (const std::string& call : fake.log) {
        EXPECT_NE(call.rfind("cue", 0), 0u) << call;
        EXPECT_NE(call, "loop");
        EXPECT_NE(call, "stop");
    }
}

TEST_F(Moves, LoopStopsEvenWhenSoundIsSwitchedOffMidSlide)
{
    start(roomPlan({"A"}));
    pickUp(0, 0);
    fake.onPump = [this] { fake.sound = false; };
    push(1, 0);
    EXPECT_EQ(fake.log.back(), "stop");
}

TEST_F(Moves, BoardEventsDuringASlideAreIgnored)
{
    start(roomPlan({"A.....B"}));
    pickUp(0, 0);
    int pumps = 0;
    fake.onPump = [&] {
        ++pumps;
        EXPECT_TRUE(game->isSliding());
        game->boxMouseDown(6 * 30 + 5, 5);
        game->boxMouseMove(400, 400);
    };
    push(1, 0);
    EXPECT_EQ(pumps, 6);
    EXPECT_EQ(cell(5, 0), 1);
    EXPECT_EQ(cell(6, 0), 2);
    EXPECT_EQ(game->playState(), PlayState::Carrying);
}

TEST_F(Moves, PointerThatWillNotMoveReanchorsTheReference)
{
    start(roomPlan({"A"}));
    pickUp(0, 0);
    fake.pointerOffset = {-60, 5};  // the pointer stays behind
    push(1, 0);
    EXPECT_EQ(game->board().refPoint(), (BoardPoint{14 * 30 + 12 - 60, 17}));
    fake.pointerOffset = {3, -4};   // close enough: keep the atom's reference point
    game->boxMouseMove(game->board().refPoint().x - 30, game->board().refPoint().y);
    EXPECT_EQ(game->board().refPoint(), (BoardPoint{12, 12}));
}

TEST_F(Moves, SetUpWhileCarryingShowsThePointerOnce)
{
    start(roomPlan({"A"}));
    pickUp(0, 0);
    game->setUpPlan();
    game->setUpPlan();
    EXPECT_EQ(fake.hideCount, 1);
    EXPECT_EQ(fake.showCount, 1);
    EXPECT_EQ(game->playState(), PlayState::Idle);
}

TEST_F(Moves, SetUpRestoresTheStartBoard)
{
    start(roomPlan({"A"}));
    const PlanRecord before = game->plan();
    const MoleculePattern pattern = game->pattern();
    pickUp(0, 0);
    push(0, 1);
    ASSERT_NE(game->plan(), before);
    game->setUpPlan();
    EXPECT_EQ(game->plan(), before);
    EXPECT_EQ(game->pattern(), pattern);
}

}  // namespace
}  // namespace tarvik
