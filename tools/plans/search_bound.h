// The solver's lower bound on the moves still needed: for one placement of the
// molecule, each kind group's targets take distinct atoms of that group at
// least cost (an assignment over interchangeable atoms); the bound is the
// least such sum over all placements, since the goal is any placement.
//
// It never overestimates and changes by at most one per move (one push moves
// one atom along one run), which lets the search close states for good.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "search_lanes.h"
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
// computed again.
//
// Most groups are small (one atom of a kind, or two or three atoms that the
// molecule all needs): their cost for every placement at once is a few
// element-wise sums and minima over columns of distances, one column per
// atom cell and target, filled the first time an atom stands on that cell.
// Large groups need a full assignment per placement; for them placements
// whose total cannot come below the best so far (a total falls by at most
// one per move) are never looked at.
class PlacementCosts {
public:
    explicit PlacementCosts(const SearchModel& m);
    // Fills the table for `state`, which must stay as it is while its
    // children are bounded; returns its bound. `known`, when given,
    // is at least that bound, and spares large groups' assignments for
    // placements far above it.
    int reset(const std::uint8_t* state, int known = kNoWay);
    // The bound of the child whose group `group` now holds `atoms`, after
    // one of them moved from cell `from` to cell `to`.
    int childBound(int group, const std::uint8_t* atoms, int from, int to);
    // Every group is small, so that boundOf() can be used.
    bool allGroupsSmall() const { return !largeGroups_; }
    // The bound of `state` from the columns alone, without reset(): for a
    // few atoms this costs no more than a child's bound after a reset, and
    // a search that meets most children again needs few bounds per state.
    // Leaves the table of reset() as it is.
    int boundOf(const std::uint8_t* state);
    // Every group is one atom the molecule needs, and there are n of them.
    bool allLone(int n) const { return allLone_ && m_.groups() == n; }
    // boundOf() when every group is a lone atom, n of them (0: as many as
    // the plan has): the least sum of the atoms' columns, which stays far
    // below the lanes' limit. Inline, since a search of few atoms asks it
    // for most children it stores.
    template <int n>
    int loneBound(const std::uint8_t* state)
    {
        const int groups = n > 0 ? n : m_.groups();
        const Block* c[n > 0 ? n : kMaxLoneGroups];
        for (int g = 0; g < groups; ++g) c[g] = column(g, 0, state[g]);
        Block best = allLanes(static_cast<Cost>(kNoWay));
        for (int b = 0; b < blocks_; ++b) {
            Block sum = c[0][b];
            for (int g = 1; g < groups; ++g) sum = sum + c[g][b];
            best = least(best, sum);
        }
        return std::min(leastLane(best), kNoWay);
    }
    // False when the child after the atom of `group` on `from` moved to `to`
    // surely has a bound above `limit`: a bound falls only through a
    // placement whose cost falls, which takes the moved atom coming closer
    // to one of its targets there. Much cheaper than childBound.
    bool mayBoundAtMost(int group, int from, int to, int limit)
    {
        // Some placement is there already without any fall.
        if (bound_ <= limit) return true;
        // Otherwise the child needs a placement of total limit + 1 (a
        // total falls by one at most, and totals are exact or below the
        // truth) whose cost for this group falls. Such placements are few,
        // and this test runs for most moves, so it is written out here.
        if (limit != nearLimit_) gatherNear(limit);
        const std::uint8_t *before = m_.distanceFrom(from), *after = m_.distanceFrom(to);
        const int need = m_.groupNeed[static_cast<std::size_t>(group)];
        for (int p : near_) {
            const std::uint8_t* t = m_.targets(p, group);
            for (int i = 0; i < need; ++i)
                if (after[t[i]] < before[t[i]]) return true;
        }
        return false;
    }
    // The directions (bit d for direction d) in which the atom of `group`
    // on `from` could leave a child with a bound of at most `limit`: those
    // whose run holds a cell nearer to a target of a placement that could
    // fall that far. The test of mayBoundAtMost() for every stop the run
    // could have, so it is asked once per atom instead of once per move.
    unsigned directionsToBoundAtMost(int group, int from, int limit)
    {
        if (bound_ <= limit) return 0xf;
        if (limit != nearLimit_) gatherNear(limit);
        const int need = m_.groupNeed[static_cast<std::size_t>(group)];
        unsigned directions = 0;
        for (int p : near_) {
            const std::uint8_t* t = m_.targets(p, group);
            for (int i = 0; i < need; ++i) directions |= nearerRuns(t[i])[from];
        }
        return directions;
    }

private:
    // Eight placements' costs side by side. A group's cost is at most
    // kNoWay and a total at most kTotalCap, which still reads as "cannot be
    // done" after one group's cost is taken out, and cannot overflow when
    // another is put in.
    using Cost = LaneCost;
    using Block = Lanes;
    static constexpr int kLanes = kLaneCount;
    static constexpr int kTotalCap = 30000;

    bool small(int group) const { return firstRow_[static_cast<std::size_t>(group)] >= 0; }
    // Distances from `cell` to target `row` of every placement.
    const Block* column(int group, int row, int cell)
    {
        const Block* first = columnAt_[static_cast<std::size_t>(group * kCells + cell)];
        if (!first) first = fillColumns(group, cell);
        return first + static_cast<std::ptrdiff_t>(row) * rowStride_;
    }
    // Fills the columns of an atom of `group` on `cell`; returns the first.
    const Block* fillColumns(int group, int cell);
    void gatherNear(int limit);
    // Per cell, the directions whose run (up to the fixed cells) passes a
    // cell nearer to `target`; worked out the first time it is asked for.
    const std::uint8_t* nearerRuns(int target)
    {
        if (!nearerReady_[static_cast<std::size_t>(target)]) fillNearerRuns(target);
        return &nearerRuns_[static_cast<std::size_t>(target) * kCells];
    }
    void fillNearerRuns(int target);
    void smallGroupCosts(int group, const std::uint8_t* atoms, Block* out);
    int childOfTriple(int group, int from, int to);
    int childOfLargeGroup(int group, const std::uint8_t* atoms, int from, int to) const;
    Cost total(int placement) const { return lane(total_[static_cast<std::size_t>(placement / kLanes)], placement % kLanes); }

    const SearchModel& m_;
    int blocks_;                        // per row of placements
    std::vector<int> firstRow_;         // per group: its first target row, or -1 when large
    std::vector<Block> columns_;        // [(row * kCells + cell) * blocks_ + block]
    // [group * kCells + cell]: the cell's column for the group's first
    // target row, the next rows rowStride_ further on; null until filled.
    std::vector<const Block*> columnAt_;
    std::ptrdiff_t rowStride_ = 0;
    std::vector<Block> cost_;           // [group * blocks_ + block]
    std::vector<const Block*> row_;     // each group's costs: in cost_, or a lone atom's column
    std::vector<Block> total_;
    std::vector<Block> scratch_;        // a child's group costs
    std::vector<Block> direct_;         // the sums of boundOf(), apart from the parent's
    std::vector<bool> lone_;            // per group: one atom, which the molecule needs
    static constexpr int kMaxLoneGroups = 8;
    bool allLone_ = false;              // every group lone, and few of them
    std::vector<std::uint8_t> rowTargets_;  // [row * placements + placement]: the target cell
    std::vector<Cost> laneScratch_;
    std::vector<std::uint8_t> costAtoms_;  // per state position: the atoms cost_ was last filled for
    // For a group of three atoms the molecule all needs: when the atom on
    // cell restFrom_[g] moves, the least cost of the other two on the
    // targets left by each of the three ([g * 3 + target] * blocks_). Kept
    // while the state's children are bounded, since an atom has several moves.
    std::vector<Block> rest_;
    std::vector<int> restFrom_;
    const std::uint8_t* parent_ = nullptr;
    // The placements that can give a child a bound at most nearLimit_,
    // gathered when first asked for this state.
    std::vector<int> near_;
    int nearLimit_ = -1;
    std::unique_ptr<std::uint8_t[]> nearerRuns_;  // [target * kCells + cell], made when first needed
    std::vector<std::uint8_t> nearerReady_;       // per target
    std::vector<int> order_;            // placements with a total of at most bound + 1, ascending
    int bound_ = kNoWay;
    bool largeGroups_ = false;
};

}  // namespace tarvik::plans
