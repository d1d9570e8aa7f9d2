// The first generated set, as a schedule the generator can replay: which
// molecule each entry uses, on what kind of board, how hard it should be, and
// the seed that makes it come out the same every time. The catalogue keeps
// the entries of the larger molecules; each says its entry number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "generator.h"
#include "molecules.h"

namespace tarvik::plans {

struct SetEntry {
    int number = 0;  // 1-based plan number
    const MoleculeEntry* molecule = nullptr;
    MoleculeLayout layout;
    int atoms = 0;
    bool breather = false;
    GenerationOrder request;
    std::uint32_t seed = 0;
};

inline constexpr int kShippedPlanCount = 340;

// Lays out every library molecule and assigns one to each plan, easy ones
// first. Deterministic.
std::vector<SetEntry> shippedSetSchedule(int planCount = kShippedPlanCount);

// Generates one plan of the schedule; relaxes the wanted length step by step
// when the first tries find nothing. Deterministic for a given entry.
std::optional<GeneratedPlan> generateSetEntry(const SetEntry& entry);

}  // namespace tarvik::plans
