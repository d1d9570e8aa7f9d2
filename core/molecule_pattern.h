#pragma once

#include <array>
#include <cstdint>

#include "core/cell_codes.h"
#include "core/plan_record.h"

namespace tarvik {

// 15 x 15 slot numbers at the molecule's positions, relative to its top-left corner.
struct MoleculePattern {
    std::array<std::uint8_t, kCellCount> slots{};
    std::uint8_t at(int col, int row) const { return slots[cellIndex(col, row)]; }
    bool operator==(const MoleculePattern&) const = default;
};

// Slots 1..50 in ascending order, so that of two used slots on one cell the higher stays.
// A used slot outside the molecule box (a malformed record) is left out.
MoleculePattern buildMoleculePattern(const PlanRecord& plan);

}  // namespace tarvik
