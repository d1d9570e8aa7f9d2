// The least number of straight runs (each may stop anywhere) that bring an
// atom from one cell to another through cells that are not fixed. The
// solver's bound rests on it: one push moves one atom along one run, so no
// distance falls by more than one per move.
//
// Runs are symmetric (a run back is a run too), so one search from a cell
// gives its distance to every cell and from every cell. A search answers
// only for a cell some atom stands on, the first time it is asked: most
// solves meet far fewer cells than there are targets.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace tarvik::plans {

class RunDistances {
public:
    static constexpr int kCells = 225;
    static constexpr std::uint8_t kFar = 255;  // no way there

    RunDistances() = default;
    // `fixed` marks the cells that stop atoms for good (kCells entries).
    explicit RunDistances(const std::uint8_t* fixed);
    RunDistances(RunDistances&&) = default;
    RunDistances& operator=(RunDistances&&) = default;

    // Distances from `cell` to every cell (and back), kFar where there is no way.
    const std::uint8_t* from(int cell) const
    {
        if (!ready_[static_cast<std::size_t>(cell)]) search(cell);
        return &rows_[static_cast<std::size_t>(cell) * kCells];
    }

private:
    void search(int cell) const;

    // A run moves an atom within one segment: a maximal row or column
    // stretch of free cells. Each free cell lies on one of each kind.
    std::array<std::array<std::uint16_t, 2>, kCells> segmentOf_{};
    std::vector<std::uint16_t> segmentStart_;  // cells of segment s: segmentCells_[start[s] .. start[s + 1])
    std::vector<std::uint8_t> segmentCells_;
    std::vector<std::uint16_t> crossing_;  // beside segmentCells_: the cell's segment of the other kind
    std::vector<std::uint8_t> fixed_;
    // Filled row by row when first asked for; const users may ask.
    mutable std::unique_ptr<std::uint8_t[]> rows_;
    mutable std::vector<std::uint8_t> ready_;
    mutable std::vector<std::uint8_t> level_;
    mutable std::vector<std::uint16_t> queue_;
};

}  // namespace tarvik::plans
