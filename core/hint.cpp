#include "core/hint.h"

#include "core/timing.h"

namespace tarvik {

namespace {
bool isHintedSlot(const PlanRecord& plan, int slot)
{
    return isDrawnKind(plan.atomKind[slot]) && slotInMoleculeBox(plan, slot);
}
}  // namespace

bool placementFits(const PlanRecord& plan, Placement placement)
{
    for (int k = 1; k <= kSlotCount; ++k) {
        if (!isHintedSlot(plan, k)) continue;
        const int col = plan.atomCol[k] + placement.col;
        const int row = plan.atomRow[k] + placement.row;
        if (!onBoard(col, row) || plan.cell(col, row) > 50) return false;
    }
    return true;
}

std::optional<Placement> findHintPlacement(const PlanRecord& plan, RandomSource& random)
{
    const int rows = 16 - plan.molHeight;
    const int cols = 16 - plan.molWidth;
    const int order = random.below(4);
    const int rowStart = random.below(rows > 0 ? rows : 1);
    const int colStart = random.below(cols > 0 ? cols : 1);
    if (rows < 1 || cols < 1) return std::nullopt;

    const bool rowsOuter = order == 0 || order == 2;
    const bool ascending = order < 2;
    const int outerCount = rowsOuter ? rows : cols;
    const int innerCount = rowsOuter ? cols : rows;
    const int outerStart = rowsOuter ? rowStart : colStart;
    const int innerStart = rowsOuter ? colStart : rowStart;
    const auto nth = [ascending](int start, int count, int t) {
        return ascending ? (start + t) % count : (start + count - 1 - t) % count;
    };
    for (int t = 0; t < outerCount; ++t) {
        const int outer = nth(outerStart, outerCount, t);
        for (int u = 0; u < innerCount; ++u) {
            const int inner = nth(innerStart, innerCount, u);
            const Placement candidate = rowsOuter ? Placement{inner, outer} : Placement{outer, inner};
            if (placementFits(plan, candidate)) return candidate;
        }
    }
    return std::nullopt;
}

void drawHint(const PlanRecord& plan, Placement placement, SoundOutput& sound, BoardCanvas& canvas)
{
    playCue(sound, 4);
    for (int row = 0; row < kBoardSide; ++row) {
        for (int col = 0; col < kBoardSide; ++col) {
            if (isAtomCode(plan.cell(col, row))) canvas.paintAtomCell(col * kCellPixels, row * kCellPixels, 0);
        }
    }
    for (int k = 1; k <= kSlotCount; ++k) {
        if (!isHintedSlot(plan, k)) continue;
        canvas.paintAtomCell((plan.atomCol[k] + placement.col) * kCellPixels,
                             (plan.atomRow[k] + placement.row) * kCellPixels, plan.atomKind[k]);
    }
}

}  // namespace tarvik
