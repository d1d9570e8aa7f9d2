#pragma once

#include <optional>

#include "core/molecule_pattern.h"
#include "core/plan_record.h"

namespace tarvik {

// Offsets that put the molecule's top-left cell on a board cell.
struct Placement {
    int col = 0;
    int row = 0;
    bool operator==(const Placement&) const = default;
};

// The first placement (rows outer, columns inner, both ascending) at which every molecule
// cell holds an atom of exactly its slot's kind. Allocates nothing.
std::optional<Placement> findCompletedPlacement(const PlanRecord& plan, const MoleculePattern& pattern);

inline bool isMoleculeComplete(const PlanRecord& plan, const MoleculePattern& pattern)
{
    return findCompletedPlacement(plan, pattern).has_value();
}

}  // namespace tarvik
