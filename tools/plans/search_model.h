// Everything about a plan that stays fixed while the solver searches it: the
// cells that stop atoms for good, the atoms grouped by kind, every placement
// of the molecule with its target cells, and the slide-distance tables.
//
// A search state is the compact form of a board: for each kind group, the
// cells of its atoms in ascending order (one byte each). Atoms of one kind are
// interchangeable, so sorting inside the group makes boards that differ only
// by atom numbers the same state.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search_distances.h"
#include "solver.h"

namespace tarvik::plans {

inline constexpr int kCells = 225;
// The unreachable distance, and the cost bound meaning "cannot be done".
inline constexpr std::uint8_t kFarCells = RunDistances::kFar;
inline constexpr int kNoWay = 1000;

// The blocked cells of a board as bit lines: bit x + 1 of rows[y] and bit
// y + 1 of columns[x] are set when cell (x, y) is blocked, and bits 0 and 16
// stand for the border. A slide is then one bit scan, with no loop over the
// cells it passes and no test for the edge.
struct Occupancy {
    std::array<std::uint32_t, 15> rows{};
    std::array<std::uint32_t, 15> columns{};

    void block(int cell)
    {
        rows[static_cast<std::size_t>(cell / 15)] |= 2u << (cell % 15);
        columns[static_cast<std::size_t>(cell % 15)] |= 2u << (cell / 15);
    }
    // The cell where an atom leaving `from` towards `dir` stops.
    int slideEnd(int from, int dir) const
    {
        const int x = from % 15, y = from / 15;
        const std::uint32_t row = rows[static_cast<std::size_t>(y)], column = columns[static_cast<std::size_t>(x)];
        switch (dir) {
        case Left: return y * 15 + 31 - std::countl_zero(row & ((2u << x) - 1));
        case Right: return from + std::countr_zero(row >> (x + 2));
        case Up: return (31 - std::countl_zero(column & ((2u << y) - 1))) * 15 + x;
        default: return from + 15 * std::countr_zero(column >> (y + 2));
        }
    }
};

struct SearchModel {
    // Cells that stop atoms for ever: walls, obstacles and outside cells.
    std::array<std::uint8_t, kCells> fixed{};

    int atomCount = 0;
    std::vector<int> groupStart;  // offset of each group inside a state
    std::vector<int> groupSize;   // atoms of the group on the board
    std::vector<int> groupNeed;   // atoms of the group the molecule needs
    std::vector<std::int32_t> groupKind;
    std::vector<std::uint8_t> groupOfSlot;  // group of each state position
    std::vector<std::uint8_t> start;        // the start board as a state

    // Placements whose molecule cells are all free of fixed cells. The target
    // cells of placement p and group g are targetCells[targetStart[p * groups + g] ...]
    // (groupNeed[g] of them).
    int placementCount = 0;
    std::vector<std::uint8_t> targetCells;
    std::vector<int> targetStart;
    std::vector<std::uint8_t> placementOrigin;  // top-left cell of each placement

    // Distances by single runs between cells, for the bound.
    RunDistances runs;

    // Zobrist keys per group and cell: a state's hash is the XOR over its
    // atoms, so a move updates it with two XORs.
    std::vector<std::uint64_t> zobrist;

    // No placement exists, or the board lacks atoms the molecule needs.
    bool impossible = false;
    // The board holds exactly the atoms the molecule needs and no others, so
    // every goal state is one placement with its atoms on the targets.
    bool exactAtoms = false;

    int groups() const { return static_cast<int>(groupKind.size()); }
    const std::uint8_t* targets(int placement, int group) const
    {
        return &targetCells[static_cast<std::size_t>(targetStart[static_cast<std::size_t>(placement * groups() + group)])];
    }
    const std::uint8_t* distanceFrom(int cell) const { return runs.from(cell); }
    std::uint64_t key(int group, int cell) const { return zobrist[static_cast<std::size_t>(group * kCells + cell)]; }
    std::uint64_t hash(const std::uint8_t* state) const;
    // The fixed cells and the border.
    Occupancy fixedLines;

    // Marks fixed cells, the border and the atoms of `state` in `occupied`.
    void fillOccupied(const std::uint8_t* state, Occupancy& occupied) const;
    // Moves position `slot` of `state` to `cell` and keeps its group sorted;
    // returns the new position of that atom inside the state.
    int moveAtom(std::uint8_t* state, int slot, int cell) const
    {
        const int group = groupOfSlot[static_cast<std::size_t>(slot)];
        const int begin = groupStart[static_cast<std::size_t>(group)];
        const int end = begin + groupSize[static_cast<std::size_t>(group)];
        int j = slot;
        const auto to = static_cast<std::uint8_t>(cell);
        while (j > begin && state[j - 1] > to) {
            state[j] = state[j - 1];
            --j;
        }
        while (j + 1 < end && state[j + 1] < to) {
            state[j] = state[j + 1];
            ++j;
        }
        state[j] = to;
        return j;
    }
};

SearchModel buildSearchModel(const Puzzle& puzzle);

// The board of `puzzle` with its atoms moved to the cells of `state`; the
// atoms of a kind keep their numbers in the board's row-major order.
std::array<std::uint8_t, kCells> boardOfState(const Puzzle& puzzle, const SearchModel& m, const std::uint8_t* state);

}  // namespace tarvik::plans
