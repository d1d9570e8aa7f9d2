#include "game_fixture.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

class PlanSelection : public testing::GameTest {
protected:
    void startPlans(int count, int plan = 1)
    {
        std::vector<PlanRecord> plans;
        for (int n = 1; n <= count; ++n) {
            PlanRecord p = testing::pairPlan();
            p.setCell(7, 7 + n % 7, 128);  // tell the plans apart
            plans.push_back(p);
        }
        startWith(plans, plan);
    }
    void solved(std::initializer_list<int> plans)
    {
        for (int p : plans) game->solvedFlags().markSolved(p);
    }
};

TEST_F(PlanSelection, ScrollBarSetsUpAndRepaintsThreeAreas)
{
    startPlans(5);
    pickUp(0, 0);
    fake.clearLog();
    game->levelScrollChange(4);
    EXPECT_EQ(game->currentPlan(), 4);
    EXPECT_EQ(game->plan(), catalogue.plan(4));
    EXPECT_EQ(fake.log, (Log{"show", "board", "panel", "number"}));  // carrying ends
    EXPECT_EQ(game->playState(), PlayState::Idle);
}

TEST_F(PlanSelection, UnsolvedSearchWrapsAndRepaintsEverything)
{
    startPlans(5, 1);
    solved({4, 5});
    game->sDownBtnClick();  // from 1 down: 5 and 4 are solved, wraps to 3
    EXPECT_EQ(game->currentPlan(), 3);
    EXPECT_EQ(fake.log, (Log{"scroll 3", "board", "panel", "number", "window"}));

    fake.clearLog();
    game->levelScrollChange(5);
    fake.scrollPosition = 5;
    fake.clearLog();
    game->sUpBtnClick();  // from the last plan up: wraps to 1
    EXPECT_EQ(game->currentPlan(), 1);
    game->sUpBtnClick();  // an unsolved current plan still moves on
    EXPECT_EQ(game->currentPlan(), 2);
}

TEST_F(PlanSelection, NoOtherUnsolvedPlanMeansNothingHappens)
{
    for (bool currentSolved : {false, true}) {
        startPlans(1);
        if (currentSolved) solved({1});
        game->sUpBtnClick();
        game->sDownBtnClick();
        EXPECT_TRUE(fake.log.empty());
    }
    startPlans(4, 2);
    solved({1, 3, 4});
    pickUp(0, 0);
    fake.clearLog();
    game->sUpBtnClick();
    game->sDownBtnClick();
    EXPECT_TRUE(fake.log.empty());
    EXPECT_EQ(game->playState(), PlayState::Carrying);
}

TEST_F(PlanSelection, RestartPutsTheAtomsBackAndKeepsTheFlag)
{
    startPlans(2);
    move(14, 0, -1, 0);
    ASSERT_EQ(game->playState(), PlayState::Solved);
    fake.clearLog();
    game->RestartBtnClick();
    EXPECT_EQ(fake.log, (Log{"confirm restart", "board"}));
    EXPECT_EQ(game->plan(), catalogue.plan(1));
    EXPECT_EQ(game->playState(), PlayState::Idle);
    EXPECT_TRUE(game->solvedFlags().isSolved(1));
}

TEST_F(PlanSelection, DecliningChangesNothing)
{
    startPlans(3, 2);
    solved({1});
    pickUp(14, 0);
    push(-1, 0);
    const PlanRecord board = game->plan();
    const SolvedFlags flags = game->solvedFlags();
    fake.restartAnswer = false;
    fake.startOverAnswer = false;
    fake.clearLog();
    game->RestartBtnClick();
    game->StartBtnClick();
    EXPECT_EQ(fake.log, (Log{"confirm restart", "confirm start over"}));
    EXPECT_EQ(game->plan(), board);
    EXPECT_EQ(game->solvedFlags(), flags);
    EXPECT_EQ(game->currentPlan(), 2);
    EXPECT_EQ(game->playState(), PlayState::Carrying);
}

TEST_F(PlanSelection, StartOverFromPlanOne)
{
    startPlans(3);
    solved({1, 3});
    game->StartBtnClick();
    EXPECT_EQ(fake.log, (Log{"confirm start over", "scroll 1", "board", "number", "progress 0/3"}));
    EXPECT_EQ(game->solvedFlags().countSolved(3), 0);
}

TEST_F(PlanSelection, StartOverFromAnotherPlan)
{
    startPlans(3, 3);
    solved({2});
    move(14, 0, -1, 0);
    fake.clearLog();
    game->StartBtnClick();
    EXPECT_EQ(fake.log, (Log{"confirm start over", "scroll 1", "board", "panel", "number", "board", "number",
                             "progress 0/3"}));
    EXPECT_EQ(game->currentPlan(), 1);
    EXPECT_EQ(game->plan(), catalogue.plan(1));
    EXPECT_EQ(game->playState(), PlayState::Idle);
}

TEST_F(PlanSelection, StartPlanIsHeldToTheLoadedPlans)
{
    startPlans(3, 0);
    EXPECT_EQ(game->currentPlan(), 1);
    startPlans(3, 99);
    EXPECT_EQ(game->currentPlan(), 3);
}

// While a slide lets events through, plan changes wait until the push has ended.
TEST_F(PlanSelection, CommandsDuringASlideAreDeferredToItsEnd)
{
    startPlans(4, 1);
    pickUp(14, 0);
    bool fired = false;
    fake.onPump = [&] {
        if (fired) return;
        fired = true;
        game->levelScrollChange(3);
        game->RestartBtnClick();
        game->sUpBtnClick();
        game->runWhenIdle([&] { fake.add("progress loaded"); });
        EXPECT_EQ(game->currentPlan(), 1);
        EXPECT_TRUE(game->isSliding());
    };
    push(-1, 0);
    const Log expectedTail = {"move 42,12", "stop", "show", "board", "panel", "number", "confirm restart",
                              "board",          "scroll 4",    "board",   "panel", "number", "window",
                              "progress loaded"};
    ASSERT_GE(fake.log.size(), expectedTail.size());
    EXPECT_EQ(Log(fake.log.end() - static_cast<long>(expectedTail.size()), fake.log.end()), expectedTail);
    EXPECT_EQ(game->currentPlan(), 4);
    EXPECT_EQ(game->plan(), catalogue.plan(4));
    EXPECT_EQ(game->playState(), PlayState::Idle);
    EXPECT_TRUE(game->board().pointerShown());
}

TEST_F(PlanSelection, RunWhenIdleRunsAtOnceOutsideASlide)
{
    startPlans(1);
    int runs = 0;
    game->runWhenIdle([&] { ++runs; });
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace tarvik
