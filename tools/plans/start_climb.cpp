#include "start_climb.h"

namespace tarvik::plans {

GeneratedPlan climbStart(const GeneratedPlan& plan, const ClimbOrder& order, std::mt19937& rng) {
    GeneratedPlan best = plan;
    for (int step = 0; step < order.steps && static_cast<int>(best.solution.size()) < order.maxMoves; ++step) {
        Puzzle trial = best.puzzle;
        if (scatterAtoms(trial.board, 1, rng) != 1 || moleculeComplete(trial, trial.board)) continue;
        SolveResult result = solvePuzzle(trial, order.limits);
        if (result.status != SolveStatus::Solved) continue;
        const int length = static_cast<int>(result.moves.size());
        // Equal length moves on too: the next backward move may gain again.
        if (length < static_cast<int>(best.solution.size()) || length > order.maxMoves) continue;
        best.puzzle = trial;
        best.solution = std::move(result.moves);
        best.solveSeconds = result.seconds;
        best.states = result.statesStored;
    }
    return best;
}

}  // namespace tarvik::plans
