// Pushes and the completion test must not allocate: count every global operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "core/completion.h"
#include "core/game.h"
#include "core/quiet_ports.h"
#include "plan_builder.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tarvik {
namespace {

TEST(Allocations, PushAndCompletionAllocateNothing)
{
    PlanRecord plan = testing::boardOf({"A.............B", "", "*#"});
    testing::setMolecule(plan, 2, 1);
    testing::setSlot(plan, 1, 0, 0, 0x101);
    testing::setSlot(plan, 2, 1, 0, 0x1001);
    const PlanCatalogue catalogue({plan});
    QuietPorts ports;
    Game game(catalogue, ports.ports());
    game.selectStartPlan(1);

    game.boxMouseDown(3 * 30 + 5, 5);  // nothing there
    const long before = allocations.load();
    game.boxMouseDown(14 * 30 + 5, 5);
    game.boxMouseMove(14 * 30 + 5 - 30, 5);   // slides next to A
    game.boxMouseMove(game.board().refPoint().x, game.board().refPoint().y + 30);  // down to the bottom
    game.boxMouseMove(game.board().refPoint().x, game.board().refPoint().y - 30);  // and back up
    game.boxMouseDown(0, 0);                  // put down: the completion test runs and succeeds
    const PlayState state = game.playState();
    for (int i = 0; i < 100; ++i) (void)isMoleculeComplete(game.plan(), game.pattern());
    const long counted = allocations.load() - before;
    EXPECT_EQ(counted, 0);
    EXPECT_EQ(state, PlayState::Solved);

}

}  // namespace
}  // namespace tarvik
