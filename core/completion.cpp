#include "core/completion.h"

namespace tarvik {

std::optional<Placement> findCompletedPlacement(const PlanRecord& plan, const MoleculePattern& pattern)
{
    const int width = plan.molWidth;
    const int height = plan.molHeight;
    if (width < 1 || height < 1 || width > kBoardSide || height > kBoardSide) return std::nullopt;
    for (int oy = 0; oy <= kBoardSide - height; ++oy) {
        for (int ox = 0; ox <= kBoardSide - width; ++ox) {
            bool matches = true;
            for (int i = 0; i < height && matches; ++i) {
                for (int j = 0; j < width; ++j) {
                    const int slot = pattern.at(j, i);
                    if (slot == 0) continue;
                    const int code = plan.cell(ox + j, oy + i);
                    if (!isAtomCode(code) || plan.atomKind[code] != plan.atomKind[slot]) {
                        matches = false;
                        break;
                    }
                }
            }
            if (matches) return Placement{ox, oy};
        }
    }
    return std::nullopt;
}

}  // namespace tarvik
