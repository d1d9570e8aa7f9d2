// The forward search for plans with few atoms: the same A* on the same
// bound as the general search, with everything it knows about a state in
// flat arrays under the state's dense number, so a state costs a few array
// reads instead of a hash, a probe and a copy. Most children of a state have
// been seen before, and for them that is all the work there is.
#pragma once

#include <chrono>
#include <cstddef>

#include "search_dense_index.h"
#include "search_model.h"
#include "solver.h"

namespace tarvik::plans {

// Searches from the start of `m` (whose `index` must have a size) until it
// proves the least number of moves, finds none, stores `budget` states or
// passes the deadline. Adds its counts to `result` and, when solved, sets
// its moves.
SolveStatus denseForwardSearch(const SearchModel& m, const DenseStateIndex& index, std::size_t budget,
                               std::chrono::steady_clock::time_point deadline, SolveResult& result);

}  // namespace tarvik::plans
