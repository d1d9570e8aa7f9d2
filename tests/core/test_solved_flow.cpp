#include "game_fixture.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

class SolvedFlow : public testing::GameTest {
protected:
    // Plans 1..count, all the pair plan.
    void startPairs(int count, int plan = 1)
    {
        startWith(std::vector<PlanRecord>(static_cast<std::size_t>(count), testing::pairPlan()), plan);
    }
    void solveCurrent()
    {
        pickUp(14, 0);
        push(-1, 0);
        fake.clearLog();
        game->boxMouseDown(0, 0);
    }
};

TEST_F(SolvedFlow, PutDownThatCompletesRunsTheFlowInOrder)
{
    startPairs(2);
    solveCurrent();
    Log expected = {"show", "cue 2", "cue 3"};
    for (int frame = 0; frame < 6; ++frame) {
        expected.push_back("flash 0,0 f" + std::to_string(frame));
        expected.push_back("flash 1,0 f" + std::to_string(frame));
    }
    expected.insert(expected.end(), {"solved dialog", "progress 1/2"});
    EXPECT_EQ(fake.log, expected);
    EXPECT_EQ(game->playState(), PlayState::Solved);
    EXPECT_TRUE(game->solvedFlags().isSolved(1));
    EXPECT_TRUE(game->board().pointerShown());
}

TEST_F(SolvedFlow, FlashWaitsMoreThanFiftyMillisecondsPerFrame)
{
    startPairs(2);
    pickUp(14, 0);
    push(-1, 0);
    const std::uint32_t before = fake.now;
    game->boxMouseDown(0, 0);
    EXPECT_GE(fake.now - before, 6u * 51u);
}

TEST_F(SolvedFlow, TheBoardIgnoresInputOnceSolved)
{
    startPairs(2);
    solveCurrent();
    fake.clearLog();
    const PlanRecord board = game->plan();
    pickUp(0, 0);
    game->boxMouseMove(300, 300);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_EQ(game->plan(), board);
    EXPECT_EQ(game->playState(), PlayState::Solved);
}

TEST_F(SolvedFlow, SolvingAnAlreadySolvedPlanChangesNoCount)
{
    startPairs(2);
    game->solvedFlags().markSolved(1);
    solveCurrent();
    EXPECT_NE(std::find(fake.log.begin(), fake.log.end(), "cue 3"), fake.log.end());
    EXPECT_NE(std::find(fake.log.begin(), fake.log.end(), "solved dialog"), fake.log.end());
    EXPECT_EQ(fake.log.back(), "progress 1/2");
    EXPECT_FALSE(game->allSolved());
}

TEST_F(SolvedFlow, LastUnsolvedPlanBringsTheCongratulation)
{
    startPairs(3, 2);
    game->solvedFlags().markSolved(1);
    game->solvedFlags().markSolved(3);
    solveCurrent();
    const Log tail(fake.log.end() - 4, fake.log.end());
    EXPECT_EQ(tail, (Log{"solved dialog", "progress 3/3", "cue 5", "all solved dialog"}));
    EXPECT_TRUE(game->allSolved());
}

TEST_F(SolvedFlow, CongratulationAtMostOncePerRun)
{
    startPairs(1);
    game->solvedFlags().markSolved(1);
    game->recomputeAllSolved();  // all solved at start-up
    solveCurrent();
    EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "all solved dialog"), 0);

    // After a start over the flags are clear but the run has seen the congratulation.
    startPairs(1);
    solveCurrent();
    EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "all solved dialog"), 1);
    game->StartBtnClick();
    solveCurrent();
    EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "all solved dialog"), 0);
    EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "cue 5"), 0);
}

TEST_F(SolvedFlow, SoundOffSolvesSilently)
{
    fake.sound = false;
    startPairs(1);
    solveCurrent();
    EXPECT_EQ(game->playState(), PlayState::Solved);
    for (const std::string& call : fake.log) EXPECT_NE(call.rfind("cue", 0), 0u) << call;
}

}  // namespace
}  // namespace tarvik
