#include <algorithm>

#include "core/hint.h"
#include "game_fixture.h"

namespace tarvik {
namespace {

using testing::boardOf;
using testing::setMolecule;
using testing::kHLeft;
using testing::kHRight;
using testing::setSlot;
using Log = std::vector<std::string>;

// A 14 x 14 molecule (slot at its top-left) leaves 2 x 2 candidates.
PlanRecord bigPlan()
{
    PlanRecord plan = boardOf({});
    setMolecule(plan, 14, 14);
    setSlot(plan, 1, 0, 0, 0x101);
    return plan;
}

class SequenceRandom : public RandomSource {
public:
    explicit SequenceRandom(std::vector<int> values) : values_(std::move(values)) {}
    int below(int n) override
    {
        asked.push_back(n);
        return values_.at(asked.size() - 1) % n;
    }
    std::vector<int> asked;

private:
    std::vector<int> values_;
};

std::optional<Placement> search(const PlanRecord& plan, std::vector<int> draws, std::vector<int>* asked = nullptr)
{
    SequenceRandom random(std::move(draws));
    auto result = findHintPlacement(plan, random);
    if (asked) *asked = random.asked;
    return result;
}

TEST(HintSearch, DrawsOrderThenRowStartThenColumnStart)
{
    PlanRecord plan = boardOf({});
    setMolecule(plan, 3, 5);
    setSlot(plan, 1, 0, 0, 0x101);
    std::vector<int> asked;
    EXPECT_EQ(search(plan, {0, 4, 7}, &asked), (Placement{7, 4}));
    EXPECT_EQ(asked, (std::vector<int>{4, 11, 13}));
}

TEST(HintSearch, ScanOrdersVisitCandidatesAsTheTableSays)
{
    // Only (1,1) of the 2 x 2 candidates is blocked; starts at (1,1) show which comes next.
    PlanRecord plan = bigPlan();
    plan.setCell(1, 1, 128);
    EXPECT_EQ(search(plan, {0, 1, 1}), (Placement{0, 1}));  // rows outer ascending: (c1,r1) then (c0,r1)
    EXPECT_EQ(search(plan, {1, 1, 1}), (Placement{1, 0}));  // columns outer ascending: (c1,r1) then (c1,r0)
    EXPECT_EQ(search(plan, {2, 0, 0}), (Placement{0, 1}));  // descending from start 0: row 1 first
    EXPECT_EQ(search(plan, {3, 0, 0}), (Placement{1, 0}));  // columns descending: column 1, rows 1 then 0
    EXPECT_EQ(search(plan, {0, 0, 0}), (Placement{0, 0}));
}

TEST(HintSearch, AtomsAreFreeOnlyCodesAbove50Block)
{
    PlanRecord plan = bigPlan();
    for (auto [c, r] : {std::pair{0, 0}, {1, 0}, {0, 1}}) plan.setCell(c, r, 51);
    plan.setCell(1, 1, 50);
    EXPECT_EQ(search(plan, {0, 0, 0}), (Placement{1, 1}));
    plan.setCell(1, 1, 255);
    for (int s = 0; s < 4; ++s) EXPECT_FALSE(search(plan, {s, 1, 0}));
}

TEST(HintSearch, FullSizeMoleculeHasASingleCandidate)
{
    PlanRecord plan = boardOf({});
    setMolecule(plan, 15, 15);
    setSlot(plan, 1, 14, 14, 0x101);
    std::vector<int> asked;
    EXPECT_EQ(search(plan, {3, 0, 0}, &asked), (Placement{0, 0}));
    EXPECT_EQ(asked, (std::vector<int>{4, 1, 1}));
    plan.setCell(14, 14, 168);
    EXPECT_FALSE(search(plan, {3, 0, 0}));
}

class HintPress : public testing::GameTest {};

TEST_F(HintPress, BlanksTheAtomsThenDrawsTheMolecule)
{
    PlanRecord plan = boardOf({".A", "", "...B"});
    setMolecule(plan, 2, 1);
    setSlot(plan, 1, 0, 0, 0x101);
    setSlot(plan, 2, 1, 0, 0x202);
    setSlot(plan, 3, 0, 0, -7);  // a kind of zero or less takes no part
    startWith({plan});
    fake.randoms = {0, 2, 0};
    pickUp(1, 0);
    fake.clearLog();
    game->TipBtnMouseDown();
    EXPECT_EQ(fake.log, (Log{"cue 4", "cell 30,0 k0", "cell 90,60 k0", "cell 0,60 k257", "cell 30,60 k514"}));
    EXPECT_EQ(game->playState(), PlayState::Carrying);
    EXPECT_EQ(game->plan(), catalogue.plan(1));
    fake.clearLog();
    game->TipBtnMouseUp();
    EXPECT_EQ(fake.log, (Log{"board"}));
    EXPECT_EQ(fake.randomDraws, 3);
}

TEST_F(HintPress, NoFitMeansNoSoundAndNoDrawing)
{
    PlanRecord plan = bigPlan();
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) plan.setCell(c, r, 128);
    startWith({plan});
    game->TipBtnMouseDown();
    EXPECT_TRUE(fake.log.empty());
    game->TipBtnMouseUp();
    EXPECT_EQ(fake.log, (Log{"board"}));
}

TEST_F(HintPress, SilentWithSoundOff)
{
    fake.sound = false;
    startWith({bigPlan()});
    game->TipBtnMouseDown();
    ASSERT_FALSE(fake.log.empty());
    EXPECT_EQ(fake.log.front(), "cell 0,0 k257");
}

TEST_F(HintPress, ReleasedDuringASlideRepaintsOnlyAfterThePush)
{
    startWith({boardOf({"A....#"})});
    pickUp(0, 0);
    fake.onPump = [this] {
        fake.onPump = nullptr;
        game->TipBtnMouseDown();
        game->TipBtnMouseUp();
    };
    push(1, 0);
    const auto stop = std::find(fake.log.begin(), fake.log.end(), "stop");
    ASSERT_NE(stop, fake.log.end());
    EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "board"), 1);
    EXPECT_EQ(std::find(fake.log.begin(), stop, "board"), stop) << "no repaint under the moving atom";
    EXPECT_EQ(fake.log.back(), "board");
    EXPECT_EQ(game->plan().cell(4, 0), 1);
}

class MalformedSlot : public testing::GameTest {};

// Slot 2 lies outside its 1 x 1 molecule box. Atom B on the board is still atom 2 of
// that kind; only the molecule that is searched for and hinted at leaves the slot out.
TEST_F(MalformedSlot, KeepsItsKindOnTheBoardButLeavesThePatternAndTheHint)
{
    PlanRecord plan = boardOf({"A.B"});
    setMolecule(plan, 1, 1);
    setSlot(plan, 1, 0, 0, kHRight);
    setSlot(plan, 2, 3, 0, kHLeft);
    startWith({plan});
    EXPECT_EQ(game->plan().atomKind[2], kHLeft);
    EXPECT_EQ(game->pattern().at(0, 0), 1);
    EXPECT_EQ(game->pattern().at(3, 0), 0);

    // Starting at the bottom-right corner, where slot 2's target would lie off the board.
    fake.randoms = {0, 14, 14};
    game->TipBtnMouseDown();
    EXPECT_EQ(fake.log, (Log{"cue 4", "cell 0,0 k0", "cell 60,0 k0", "cell 420,420 k257"}));

    // Atom B can be picked up, and putting it down finds the one-atom molecule complete.
    pickUp(2, 0);
    EXPECT_EQ(game->playState(), PlayState::Carrying);
    game->boxMouseDown(0, 0);
    EXPECT_EQ(game->playState(), PlayState::Solved);
}

}  // namespace
}  // namespace tarvik
