// A plain breadth-first search over whole boards: every push of every atom,
// layer by layer, with no bound, no compact board and no backward search.
// It plays the moves with pushAtom and tests the goal with moleculeComplete,
// so it shares nothing with the fast solver but those two rules: it is the
// reference the solver is tested against and measured against. Far too slow
// for real plans beyond a few hundred thousand boards.
#pragma once

#include "solver.h"

namespace tarvik::plans {

SolveResult breadthFirstSolve(const Puzzle& puzzle, const SolveLimits& limits = {});

}  // namespace tarvik::plans
