// How fast the solver searches and how long it takes to prove a plan
// optimal, next to a plain breadth-first search on the same plans: small,
// middle-sized and large molecules, short and long solutions, made by the
// generator or taken where an obstacle square needs the most moves.
//
// Counters: `states` kept per solve, `states/s` and `expanded/s` per second
// of CPU time, `moves` of the shortest solution. The breadth-first search
// runs only on the plans it can finish.
#include <benchmark/benchmark.h>

#include "generator.h"
#include "molecules.h"
#include "sample_plans.h"
#include "search_model.h"
#include "solver_bfs.h"

using namespace tarvik::plans;

namespace {

Puzzle generated(const char* notation, int length, int size, std::uint32_t seed) {
    GenerationOrder request;
    request.board.shape = BoardShape::Room;
    request.board.width = request.board.height = size;
    request.board.obstacles = 6;
    request.scatterMoves = length + 4;
    request.minMoves = length;
    request.maxMoves = length + 2;
    request.attempts = 200;
    request.limits = SolveLimits{1e9, 20'000'000};
    std::mt19937 rng(seed);
    auto plan = generatePlan(*layOutMolecule(*parseMolecule(notation)), request, rng);
    if (!plan) throw std::runtime_error(std::string("no plan for ") + notation);
    return plan->puzzle;
}

const Puzzle& plan(int which) {
    static const Puzzle plans[] = {
        generated("O", 6, 9, 1),
        generated("CCO", 10, 11, 2),
        generated("CC1=CC=CC=C1", 14, 12, 3),
        generated("OCC(O)C(O)C(O)C(O)C=O", 12, 13, 4),
        samples::deepestSquare("O", 9, 18, 3).first,
        samples::deepestSquare("C#N", 10, 30, 3).first,
        samples::deepestSquare("O=C=O", 12, 45, 2).first,
        samples::obstacleSquare("C=O", 9, 12, 5),
        samples::obstacleSquare("OO", 9, 12, 6),
    };
    return plans[which];
}
const char* const kNames[] = {"water", "ethanol", "toluene", "glucose", "water_deep", "hcn_deep", "co2_deep", "formaldehyde", "peroxide"};

void report(benchmark::State& state, const Puzzle& p, std::size_t stored, std::size_t expanded, std::size_t moves) {
    state.counters["states"] = static_cast<double>(stored) / static_cast<double>(state.iterations());
    state.counters["states/s"] = benchmark::Counter(static_cast<double>(stored), benchmark::Counter::kIsRate);
    state.counters["expanded/s"] = benchmark::Counter(static_cast<double>(expanded), benchmark::Counter::kIsRate);
    state.counters["moves"] = static_cast<double>(moves);
    state.counters["atoms"] = static_cast<double>(p.molecule.size());
}

void BM_Solve(benchmark::State& state) {
    const Puzzle& p = plan(static_cast<int>(state.range(0)));
    state.SetLabel(kNames[state.range(0)]);
    std::size_t stored = 0, expanded = 0, moves = 0;
    for (auto _ : state) {
        SolveResult r = solvePuzzle(p, SolveLimits{1e9, 100'000'000});
        if (r.status != SolveStatus::Solved) state.SkipWithError("not solved");
        stored += r.statesStored;
        expanded += r.statesExpanded;
        moves = r.moves.size();
        benchmark::DoNotOptimize(r.moves.data());
    }
    report(state, p, stored, expanded, moves);
}

void BM_BreadthFirst(benchmark::State& state) {
    const Puzzle& p = plan(static_cast<int>(state.range(0)));
    state.SetLabel(kNames[state.range(0)]);
    std::size_t stored = 0, expanded = 0, moves = 0;
    for (auto _ : state) {
        SolveResult r = breadthFirstSolve(p, SolveLimits{1e9, 30'000'000});
        if (r.status != SolveStatus::Solved) state.SkipWithError("breadth-first search did not finish");
        stored += r.statesStored;
        expanded += r.statesExpanded;
        moves = r.moves.size();
    }
    report(state, p, stored, expanded, moves);
}

// The fixed set-up of every solve: placements, keys, and the distances
// from the start's atoms.
void BM_SetUp(benchmark::State& state) {
    const Puzzle& p = plan(static_cast<int>(state.range(0)));
    state.SetLabel(kNames[state.range(0)]);
    for (auto _ : state) {
        SearchModel m = buildSearchModel(p);
        for (std::uint8_t cell : m.start) benchmark::DoNotOptimize(m.distanceFrom(cell));
    }
}

}  // namespace

BENCHMARK(BM_SetUp)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Solve)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);
// Ethanol, toluene and glucose (1..3) have too many atoms for it to finish.
BENCHMARK(BM_BreadthFirst)->Arg(0)->DenseRange(4, 8)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
