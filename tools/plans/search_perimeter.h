// Exact distances to the goal for every state within a few moves of it,
// found by a breadth-first search backwards from all goal states at once
// (every placement of the molecule, with its atoms on their targets).
//
// The forward search meets it half-way: a state found here needs exactly its
// stored number of moves, and a state not found needs more than the depth
// searched completely, which lifts the weak bound of states far from the
// goal. When the backward search runs dry, the states found are all those
// from which the molecule can be built, and any other state is lost.
//
// Only for boards that hold exactly the molecule's atoms: spare atoms could
// stand anywhere in a goal state, and there would be too many to start from.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "search_model.h"
#include "search_table.h"

namespace tarvik::plans {

class GoalPerimeter {
public:
    explicit GoalPerimeter(const SearchModel& m);

    // Searches backwards layer by layer until `budget` states are stored,
    // the search runs dry or the deadline passes.
    void build(std::size_t budget, std::chrono::steady_clock::time_point deadline);

    std::size_t size() const { return table_.size(); }
    // Every state that can still reach a goal is stored.
    bool complete() const { return complete_; }
    // A state that is not stored needs at least this many moves.
    int floor() const { return completeDepth_ + 1; }
    // The largest distance stored (that layer may be partial).
    int deepest() const { return deepest_; }
    // The distance of a stored state, or -1 (and its number in `index`).
    int find(const std::uint8_t* state, std::uint64_t hash, std::uint32_t& index) const;
    // Stored state `index` and its distance (states are numbered in the
    // order found, so the deepest come last).
    const std::uint8_t* state(std::uint32_t index) const { return table_.state(index); }
    int distance(std::uint32_t index) const { return distance_[index]; }
    // The moves that lead from stored state `index` to a goal.
    std::vector<SolveMove> pathToGoal(std::uint32_t index) const;

private:
    const SearchModel& m_;
    StateTable table_;
    std::vector<std::uint8_t> distance_;
    std::vector<std::uint32_t> next_;   // the state one move nearer the goal
    std::vector<std::uint16_t> move_;   // that move: cell * 4 + direction
    std::size_t layerBegin_ = 0;        // first state of the deepest layer
    int completeDepth_ = 0;
    int deepest_ = 0;
    bool complete_ = false;
};

}  // namespace tarvik::plans
