// The solver's lower bound on the moves still needed: for one placement of the
// molecule, each kind group's targets take distinct atoms of that group at
// least cost (an assignment over interchangeable atoms); the bound is the
// least such sum over all placements, since the goal is any placement.
//
// It never overestimates and changes by at most one per move (one push moves
// one atom along one run), which lets the search close states for good.
#pragma once

#include <cstdint>
#include <vector>

#include "search_model.h"

namespace tarvik::plans {

// Least total distance when the targets of `placement` in `group` take
// distinct atoms out of `atoms` (that group's cells); kNoWay or more when
// some target cannot be reached.
int groupCost(const SearchModel& m, int placement, int group, const std::uint8_t* atoms);

// The bound of one whole state; kNoWay when no placement can be reached.
int stateBound(const SearchModel& m, const std::uint8_t* state);

// The costs of every placement for one state, kept while its children are
// bounded: a child differs in one group only, so only that group's cost is
// computed again, and placements whose total cannot come below the best so
// far (a total falls by at most one per move) are never looked at.
class PlacementCosts {
public:
    explicit PlacementCosts(const SearchModel& m);
    // Fills the table for `state`; returns its bound. `known`, when given,
    // is at least that bound, and spares the placements far above it.
    int reset(const std::uint8_t* state, int known = kNoWay);
    // The bound of the child whose group `group` now holds `atoms`, after
    // one of them moved from cell `from` to cell `to`.
    int childBound(int group, const std::uint8_t* atoms, int from, int to) const;

private:
    const SearchModel& m_;
    std::vector<int> cost_;   // [group * placements + placement]
    std::vector<int> total_;  // per placement
    std::vector<int> order_;  // placements with a total of at most bound + 1, ascending
    int bound_ = kNoWay;
    bool largeGroups_ = false;  // some group needs a full assignment
};

}  // namespace tarvik::plans
