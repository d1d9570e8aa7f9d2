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
#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver.h"

namespace tarvik::plans {

inline constexpr int kCells = 225;
inline constexpr int kOffBoard = kCells;  // the neighbour of an edge cell
// Slides run on the board with a blocked border round it, so that a step
// is one addition and the edge needs no test of its own.
inline constexpr int kPaddedWidth = 17;
inline constexpr int kPaddedCells = kPaddedWidth * kPaddedWidth;
inline constexpr std::array<int, 4> kPaddedStep{-1, 1, -kPaddedWidth, kPaddedWidth};
// Blocked cells of a board with its border, indexed by padded cell.
using Occupancy = std::array<std::uint8_t, kPaddedCells>;
inline constexpr auto kPaddedOf = [] {
    std::array<std::int16_t, kCells> out{};
    for (int c = 0; c < kCells; ++c) out[static_cast<std::size_t>(c)] = static_cast<std::int16_t>((c / 15 + 1) * kPaddedWidth + c % 15 + 1);
    return out;
}();
inline constexpr auto kCellOf = [] {
    std::array<std::uint8_t, kPaddedCells> out{};
    for (int c = 0; c < kCells; ++c) out[static_cast<std::size_t>((c / 15 + 1) * kPaddedWidth + c % 15 + 1)] = static_cast<std::uint8_t>(c);
    return out;
}();
// The unreachable distance, and the cost bound meaning "cannot be done".
inline constexpr std::uint8_t kFarCells = 255;
inline constexpr int kNoWay = 1000;

struct SearchModel {
    // Cells that stop atoms for ever: walls, obstacles and outside cells.
    // Index kOffBoard stands for "off the board" and is fixed too.
    std::array<std::uint8_t, kCells + 1> fixed{};
    // Neighbour of cell c in direction d (Left, Right, Up, Down) at c * 4 + d.
    std::array<std::int16_t, kCells * 4> neighbour{};

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

    // Least number of straight runs (each may stop anywhere) that bring an
    // atom from one cell to a target cell through cells that are not fixed:
    // distance[target * kCells + from]. The bound of the search rests on it:
    // one push moves one atom along one run, so no distance falls by more
    // than one per move.
    std::vector<std::uint8_t> distance;

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
    const std::uint8_t* distanceTo(int cell) const { return &distance[static_cast<std::size_t>(cell) * kCells]; }
    std::uint64_t key(int group, int cell) const { return zobrist[static_cast<std::size_t>(group * kCells + cell)]; }
    std::uint64_t hash(const std::uint8_t* state) const;
    // The fixed cells and the border, indexed by padded cell.
    Occupancy fixedPadded{};

    static int padded(int cell) { return kPaddedOf[static_cast<std::size_t>(cell)]; }
    static int unpadded(int paddedCell) { return kCellOf[static_cast<std::size_t>(paddedCell)]; }
    // The cell where an atom leaving `from` towards `dir` stops on a board
    // whose blocked cells are marked in `occupied`.
    static int slideEnd(const Occupancy& occupied, int from, int dir)
    {
        const int step = kPaddedStep[static_cast<std::size_t>(dir)];
        int at = padded(from);
        while (!occupied[static_cast<std::size_t>(at + step)]) at += step;
        return unpadded(at);
    }
    // Marks fixed cells, the border and the atoms of `state` in `occupied`.
    void fillOccupied(const std::uint8_t* state, Occupancy& occupied) const;
    // Moves position `slot` of `state` to `cell` and keeps its group sorted;
    // returns the new position of that atom inside the state.
    int moveAtom(std::uint8_t* state, int slot, int cell) const;
};

SearchModel buildSearchModel(const Puzzle& puzzle);

// The board of `puzzle` with its atoms moved to the cells of `state`; the
// atoms of a kind keep their numbers in the board's row-major order.
std::array<std::uint8_t, kCells> boardOfState(const Puzzle& puzzle, const SearchModel& m, const std::uint8_t* state);

}  // namespace tarvik::plans
