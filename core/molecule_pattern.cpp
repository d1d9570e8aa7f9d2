#include "core/molecule_pattern.h"

namespace tarvik {

MoleculePattern buildMoleculePattern(const PlanRecord& plan)
{
    MoleculePattern pattern;
    for (int k = 1; k <= kSlotCount; ++k) {
        if (plan.atomKind[k] == 0 || !slotInMoleculeBox(plan, k)) continue;
        pattern.slots[cellIndex(plan.atomCol[k], plan.atomRow[k])] = static_cast<std::uint8_t>(k);
    }
    return pattern;
}

}  // namespace tarvik
