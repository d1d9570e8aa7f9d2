// Deeper starts for molecules too large for the backward search: the start
// of a plan is changed by one move played backwards at a time, and a change
// is kept when the forward solver proves the new start takes at least as
// many moves. Slower than the backward search, but it needs no table of
// every arrangement.
#pragma once

#include <random>

#include "generator.h"

namespace tarvik::plans {

struct ClimbOrder {
    int steps = 40;     // backward moves tried
    int maxMoves = 30;  // stop once a start needs this many
    SolveLimits limits{1.0e9, 2'000'000};  // by states only, so a seed always gives the same plan
};

// The deepest start found from `plan`, with its proven shortest solution;
// `plan` itself when no step made it deeper.
GeneratedPlan climbStart(const GeneratedPlan& plan, const ClimbOrder& order, std::mt19937& rng);

}  // namespace tarvik::plans
