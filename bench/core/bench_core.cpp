// Set-up + completion test on a plan that makes the test work hardest, and one push.
#include <benchmark/benchmark.h>

#include "core/completion.h"
#include "core/game.h"
#include "core/quiet_ports.h"

namespace tarvik {
namespace {

// An 8 x 8 molecule of 50 atoms: every placement matches on 49 of them and fails on the
// last, since no board atom has the last slot's kind. Atom codes repeat on the board,
// which play never does but the test cannot tell.
PlanRecord worstCasePlan()
{
    PlanRecord plan;
    plan.molWidth = 8;
    plan.molHeight = 8;
    for (int k = 1; k <= kSlotCount; ++k) {
        plan.atomCol[k] = static_cast<std::uint8_t>((k - 1) % 8);
        plan.atomRow[k] = static_cast<std::uint8_t>((k - 1) / 8);
        plan.atomKind[k] = k == kSlotCount ? 0x202 : 0x101;
    }
    for (int i = 0; i < kCellCount; ++i) plan.board[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(1 + i % 49);
    return plan;
}

void SetUpAndCompletion(benchmark::State& state)
{
    const PlanCatalogue catalogue({worstCasePlan()});
    QuietPorts ports;
    Game game(catalogue, ports.ports());
    for (auto _ : state) {
        game.setUpPlan();
        benchmark::DoNotOptimize(isMoleculeComplete(game.plan(), game.pattern()));
    }
}
BENCHMARK(SetUpAndCompletion);

void CompletionOnly(benchmark::State& state)
{
    const PlanRecord plan = worstCasePlan();
    const MoleculePattern pattern = buildMoleculePattern(plan);
    for (auto _ : state) benchmark::DoNotOptimize(isMoleculeComplete(plan, pattern));
}
BENCHMARK(CompletionOnly);

// A push across the whole board and back, with the drawing and waits stubbed out.
void PushAcrossTheBoard(benchmark::State& state)
{
    PlanRecord plan;
    plan.setCell(0, 7, 1);
    plan.atomKind[1] = 0x101;
    plan.atomKind[2] = 0x202;
    const PlanCatalogue catalogue({plan});
    QuietPorts ports;
    Game game(catalogue, ports.ports(), 10);
    game.selectStartPlan(1);
    game.boxMouseDown(5, 7 * 30 + 5);
    int direction = 1;
    for (auto _ : state) {
        const BoardPoint ref = game.board().refPoint();
        game.boxMouseMove(ref.x + 30 * direction, ref.y);
        direction = -direction;
    }
}
BENCHMARK(PushAcrossTheBoard);

}  // namespace
}  // namespace tarvik

BENCHMARK_MAIN();
