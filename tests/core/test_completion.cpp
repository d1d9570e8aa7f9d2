#include "core/completion.h"
#include "game_fixture.h"

namespace tarvik {
namespace {

using testing::boardOf;
using testing::kHLeft;
using testing::kHRight;
using testing::setMolecule;
using testing::setSlot;

// The molecule "xy" over "z." with three distinct kinds; board atoms A, B, C carry them.
PlanRecord lShape(std::initializer_list<std::string_view> rows)
{
    PlanRecord plan = boardOf(rows);
    setMolecule(plan, 2, 2);
    setSlot(plan, 1, 0, 0, 0x101);
    setSlot(plan, 2, 1, 0, 0x202);
    setSlot(plan, 3, 0, 1, 0x303);
    return plan;
}

bool complete(const PlanRecord& plan) { return isMoleculeComplete(plan, buildMoleculePattern(plan)); }

TEST(Completion, FoundAnywhereIncludingTheBottomRightCorner)
{
    std::vector<std::string> rows(15, std::string(15, '.'));
    rows[13] = ".............AB";
    rows[14] = ".............C.";
    PlanRecord plan = lShape({});
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 15; ++c) plan.setCell(c, r, rows[r][c] == '.' ? 0 : static_cast<std::uint8_t>(rows[r][c] - 'A' + 1));
    EXPECT_EQ(findCompletedPlacement(plan, buildMoleculePattern(plan)), (Placement{13, 13}));
}

TEST(Completion, OnlyTheMoleculesOwnCellsAreTested)
{
    EXPECT_TRUE(complete(lShape({"", ".AB", ".C#"})));      // a wall in the box's empty cell
    EXPECT_TRUE(complete(lShape({"", ".AB", ".CA"})));      // an unrelated atom there
    EXPECT_FALSE(complete(lShape({"", ".AB", "..C"})));
    EXPECT_FALSE(complete(lShape({"", ".A#", ".C."})));
}

TEST(Completion, KindsDecideNotNumbers)
{
    // Two interchangeable atoms of one kind, standing swapped against the numbering.
    PlanRecord swapped = boardOf({"BA"});
    setMolecule(swapped, 2, 1);
    setSlot(swapped, 1, 0, 0, 0x101);
    setSlot(swapped, 2, 1, 0, 0x101);
    EXPECT_TRUE(complete(swapped));

    // The same picture with other stubs is another kind.
    PlanRecord otherBonds = boardOf({"BA"});
    setMolecule(otherBonds, 2, 1);
    setSlot(otherBonds, 1, 0, 0, kHRight);
    setSlot(otherBonds, 2, 1, 0, kHLeft);
    EXPECT_FALSE(complete(otherBonds));
    std::swap(otherBonds.board[0], otherBonds.board[1]);
    EXPECT_TRUE(complete(otherBonds));
}

TEST(Completion, FullSizeMoleculeHasOnePlacement)
{
    PlanRecord plan = boardOf({});
    setMolecule(plan, 15, 15);
    setSlot(plan, 1, 14, 14, 0x101);
    setSlot(plan, 2, 0, 0, 0x102);
    plan.setCell(14, 14, 1);
    EXPECT_FALSE(complete(plan));
    plan.setCell(0, 0, 2);
    EXPECT_EQ(findCompletedPlacement(plan, buildMoleculePattern(plan)), (Placement{0, 0}));
}

TEST(Completion, EmptyPatternMatchesAtOnceAndBrokenSizesNever)
{
    PlanRecord plan = boardOf({"A"});
    setMolecule(plan, 3, 3);
    EXPECT_TRUE(complete(plan));
    plan.molWidth = 16;
    EXPECT_FALSE(complete(plan));
    plan.molWidth = 0;
    EXPECT_FALSE(complete(plan));
}

TEST(MoleculePatternBuild, HigherSlotWinsAndUnusedSlotsAreSkipped)
{
    PlanRecord plan;
    setMolecule(plan, 3, 3);
    setSlot(plan, 4, 1, 1, 0x101);
    setSlot(plan, 9, 1, 1, 0x102);
    setSlot(plan, 5, 2, 2, 0);       // unused, whatever its place
    setSlot(plan, 6, 200, 3, 0x101);  // off the grid: never written out of bounds
    const MoleculePattern pattern = buildMoleculePattern(plan);
    EXPECT_EQ(pattern.at(1, 1), 9);
    EXPECT_EQ(pattern.at(2, 2), 0);
    int used = 0;
    for (std::uint8_t s : pattern.slots) used += s != 0;
    EXPECT_EQ(used, 1);
}

class CompletionInPlay : public testing::GameTest {};

TEST_F(CompletionInPlay, SlidesAloneNeverComplete)
{
    startWith({testing::pairPlan()});
    pickUp(14, 0);
    push(-1, 0);
    EXPECT_EQ(game->plan().cell(1, 0), 2);
    EXPECT_EQ(game->playState(), PlayState::Carrying);
    EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "cue 3"), 0);
    game->boxMouseDown(400, 400);
    EXPECT_EQ(game->playState(), PlayState::Solved);
}

}  // namespace
}  // namespace tarvik
