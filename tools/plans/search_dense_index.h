// A perfect numbering of the search states of a plan with few atoms: every
// state gets its own number below size(), so a search can keep what it knows
// about states in flat arrays, found by arithmetic instead of by hashing.
//
// Each kind group's sorted cells are numbered among all sets of that many
// free cells (the combinatorial number system over the cells' ranks), and the
// groups' numbers are mixed like digits. Worth it only while the numbers stay
// few: with more atoms size() explodes, and a hash table of the states the
// search really meets is far smaller.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search_model.h"

namespace tarvik::plans {

class DenseStateIndex {
public:
    static constexpr int kMaxAtoms = 4;

    // size() is 0 when the plan has more than kMaxAtoms atoms, or more
    // than `limit` states.
    DenseStateIndex(const SearchModel& m, std::size_t limit);

    std::size_t size() const { return size_; }
    std::uint32_t operator()(const std::uint8_t* state) const
    {
        std::uint32_t number = 0;
        for (int i = 0; i < atoms_; ++i) number += part(i, state[i]);
        return number;
    }
    // What an atom on `cell` at state position `position` adds to the number.
    std::uint32_t part(int position, int cell) const { return part_[static_cast<std::size_t>(position * kCells + cell)]; }

private:
    int atoms_ = 0;
    std::size_t size_ = 0;
    // What an atom on a cell adds at each state position: C(rank, k + 1)
    // for the k-th atom of its group, times the group's weight, where rank
    // is the cell's place among the free cells ([position * kCells + cell]).
    std::vector<std::uint32_t> part_;
};

}  // namespace tarvik::plans
