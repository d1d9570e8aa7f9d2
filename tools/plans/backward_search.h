// Exact distances to the goal for every start of a board, found by a
// breadth-first search that runs the moves backwards from every completed
// molecule. Layer k holds exactly the arrangements whose shortest solution
// has k moves, so a state taken from layer k is a start proven to need k.
//
// Reach for it when the atoms are few (at most eight) and the floor small
// enough for the arrangements to fit in memory; the search may stop at a
// state limit, and every state it stored still has its exact distance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "boards.h"
#include "molecules_layout.h"
#include "solver.h"

namespace tarvik::plans {

struct BackwardLimits {
    std::size_t maxStates = 4'000'000;
    int maxDepth = 250;
};

// An arrangement of the atoms: one cell index per atom, packed a byte each
// in the search's atom order, atoms of one kind in ascending cell order.
using Arrangement = std::uint64_t;

class BackwardSearch {
public:
    static constexpr int kMaxAtoms = 8;

    // `board` holds the plan's walls and outside cells and no atoms.
    BackwardSearch(const BoardCells& board, const MoleculeLayout& molecule);

    // False when the molecule has too many atoms or fits nowhere.
    bool usable() const { return usable_; }

    void run(const BackwardLimits& limits = {});

    // True when every arrangement from which the molecule can be completed
    // was found (the state limit was not reached).
    bool complete() const { return complete_; }
    std::size_t stateCount() const { return count_; }
    // Layer k: the arrangements needing exactly k moves (layer 0 the goals).
    const std::vector<std::vector<Arrangement>>& layers() const { return layers_; }
    int deepest() const { return static_cast<int>(layers_.size()) - 1; }

    // Least moves from this arrangement, -1 when the search has not met it.
    int distance(Arrangement a) const;

    // The start board with atom numbers as the layout numbers them (atom n
    // is layout atom n - 1; atoms of one kind in row-major order).
    Puzzle puzzleOf(Arrangement a) const;

    // A shortest solution from a found arrangement, by stepping down the layers.
    std::vector<SolveMove> solutionFrom(Arrangement a) const;

private:
    Arrangement canonical(std::array<std::uint8_t, kMaxAtoms> cells) const;
    std::array<std::uint8_t, kMaxAtoms> unpack(Arrangement a) const;
    bool insert(Arrangement a, std::uint8_t depth);
    void grow();

    BoardCells board_{};
    MoleculeLayout molecule_;
    int atoms_ = 0;
    std::vector<int> order_;       // search position j holds layout atom order_[j]
    std::vector<int> groupStart_;  // first search position of the kind of position j
    bool usable_ = false;
    bool complete_ = false;

    // Open addressing: ~0 marks an empty slot.
    std::vector<Arrangement> keys_;
    std::vector<std::uint8_t> depths_;
    std::size_t count_ = 0;
    std::vector<std::vector<Arrangement>> layers_;
};

}  // namespace tarvik::plans
