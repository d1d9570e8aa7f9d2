// How fast the solver searches (states per second) and how long it takes to
// prove a plan optimal, on plans made by the generator with fixed seeds:
// small, middle-sized and large molecules, short and long solutions.
#include <benchmark/benchmark.h>

#include "generator.h"
#include "molecules.h"

using namespace tarvik::plans;

namespace {

GeneratedPlan makePlan(const char* notation, int length, int size, std::uint32_t seed) {
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
    return *plan;
}

void solve(benchmark::State& state, const GeneratedPlan& plan) {
    std::size_t stored = 0;
    for (auto _ : state) {
        SolveResult r = solvePuzzle(plan.puzzle, SolveLimits{1e9, 50'000'000});
        if (r.status != SolveStatus::Solved || r.moves.size() != plan.solution.size()) state.SkipWithError("wrong result");
        stored += r.statesStored;
        benchmark::DoNotOptimize(r.moves.data());
    }
    state.counters["states/s"] = benchmark::Counter(static_cast<double>(stored), benchmark::Counter::kIsRate);
    state.counters["moves"] = static_cast<double>(plan.solution.size());
    state.counters["atoms"] = static_cast<double>(plan.puzzle.molecule.size());
}

void BM_SolveWater(benchmark::State& state) {
    static const GeneratedPlan plan = makePlan("O", 6, 9, 1);
    solve(state, plan);
}
void BM_SolveEthanol(benchmark::State& state) {
    static const GeneratedPlan plan = makePlan("CCO", 10, 11, 2);
    solve(state, plan);
}
void BM_SolveToluene(benchmark::State& state) {
    static const GeneratedPlan plan = makePlan("CC1=CC=CC=C1", 14, 12, 3);
    solve(state, plan);
}
void BM_SolveGlucose(benchmark::State& state) {
    static const GeneratedPlan plan = makePlan("OCC(O)C(O)C(O)C(O)C=O", 12, 13, 4);
    solve(state, plan);
}

}  // namespace

BENCHMARK(BM_SolveWater)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveEthanol)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveToluene)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveGlucose)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
