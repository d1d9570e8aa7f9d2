#include "core/molecule_pattern.h"

namespace tarvik {

MoleculePattern buildMoleculePattern(const PlanRecord& plan)
{
    MoleculePattern pattern;
    for (int k = 1; k <= kSlotCount; ++k) {
        if (plan.atomKind[k] == 0) continue;
        const int col = plan.atomCol[k];
        const int row = plan.atomRow[k];
        if (!onBoard(col, row)) continue;
        pattern.slots[cellIndex(col, row)] = static_cast<std::uint8_t>(k);
    }
    return pattern;
}

}  // namespace tarvik
