#pragma once

#include <optional>

#include "core/completion.h"
#include "core/plan_record.h"
#include "core/ports.h"

namespace tarvik {

// Whether the target cell of every drawn slot inside the molecule box holds a code of at
// most 50 under this placement.
bool placementFits(const PlanRecord& plan, Placement placement);

// Draws the scan order, then the row start, then the column start from `random`, and visits
// every candidate once in that order; the first that fits wins. Allocates nothing.
std::optional<Placement> findHintPlacement(const PlanRecord& plan, RandomSource& random);

// The hint picture: cue 4, every atom cell blanked, then the drawn slots 1..50 inside the
// molecule box painted at their target cells.
void drawHint(const PlanRecord& plan, Placement placement, SoundOutput& sound, BoardCanvas& canvas);

}  // namespace tarvik
