#include "deep_generator.h"

#include <algorithm>
#include <chrono>

namespace tarvik::plans {

namespace {

constexpr std::uint8_t kWall = 128;

// How deep a board goes, within what the order asks for: a board that does
// not finish its search only counts as deep as the layers it did finish.
int boardDepth(const BackwardSearch& search, int cap) {
    int deepest = search.deepest();
    if (!search.complete()) deepest = std::max(0, deepest - 1);
    return std::min(deepest, cap);
}

// Flips one inner cell between floor and wall, keeping the floor in one
// piece; false when the chosen cell may not change.
bool flipInnerCell(BoardCells& cells, const std::vector<int>& inner, std::mt19937& rng) {
    int c = inner[rng() % inner.size()];
    auto& v = cells[static_cast<std::size_t>(c)];
    if (v == 0) {
        v = kWall;
        if (floorIsConnected(cells)) return true;
        v = 0;
        return false;
    }
    v = 0;
    return true;
}

}  // namespace

std::optional<GeneratedPlan> generateDeepPlan(const MoleculeLayout& molecule, const DeepOrder& order, std::mt19937& rng) {
    if (molecule.atoms.empty() || static_cast<int>(molecule.atoms.size()) > BackwardSearch::kMaxAtoms) return std::nullopt;
    const int cap = std::max(order.minMoves, order.maxMoves);
    auto started = std::chrono::steady_clock::now();
    for (int attempt = 1; attempt <= order.attempts; ++attempt) {
        BoardCells best = designMaze(order.maze, rng);
        const std::vector<int> inner = innerCells(best);
        BackwardSearch search(best, molecule);
        search.run(order.limits);
        int bestDepth = search.usable() ? boardDepth(search, cap) : -1;
        for (int step = 0; step < order.climbSteps && bestDepth < cap && !inner.empty(); ++step) {
            BoardCells trial = best;
            if (!flipInnerCell(trial, inner, rng)) continue;
            BackwardSearch probe(trial, molecule);
            if (!probe.usable()) continue;
            probe.run(order.limits);
            int depth = boardDepth(probe, cap);
            // Equal depth moves on too, so the climb can cross flat ground.
            if (depth >= bestDepth) {
                best = trial;
                bestDepth = depth;
            }
        }
        if (bestDepth < order.minMoves) continue;
        BackwardSearch final(best, molecule);
        final.run(order.limits);
        const auto& layer = final.layers()[static_cast<std::size_t>(bestDepth)];
        Arrangement start = layer[rng() % layer.size()];
        GeneratedPlan plan;
        plan.solution = final.solutionFrom(start);
        if (static_cast<int>(plan.solution.size()) != bestDepth) continue;
        BoardCells walls = best;
        chooseWallTiles(walls, order.wallStyle, rng);
        plan.puzzle = final.puzzleOf(start);
        for (int c = 0; c < 225; ++c)
            if (plan.puzzle.board[static_cast<std::size_t>(c)] > 50) plan.puzzle.board[static_cast<std::size_t>(c)] = walls[static_cast<std::size_t>(c)];
        plan.states = final.stateCount();
        plan.solveSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        plan.attempt = attempt;
        return plan;
    }
    return std::nullopt;
}

}  // namespace tarvik::plans
