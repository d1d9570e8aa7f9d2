#include "core/solved_flags.h"

#include <algorithm>

namespace tarvik {

namespace {
bool inRange(int plan) { return plan >= 1 && plan <= kSolvedFlagCount; }
int limit(int planCount) { return std::clamp(planCount, 0, kSolvedFlagCount); }
}  // namespace

bool SolvedFlags::isSolved(int plan) const { return inRange(plan) && bytes[plan - 1] != 0; }

void SolvedFlags::markSolved(int plan)
{
    if (inRange(plan)) bytes[plan - 1] = 1;
}

int SolvedFlags::countSolved(int planCount) const
{
    const int n = limit(planCount);
    return static_cast<int>(std::count_if(bytes.begin(), bytes.begin() + n, [](std::uint8_t b) { return b != 0; }));
}

bool SolvedFlags::allSolved(int planCount) const { return countSolved(planCount) == limit(planCount); }

void SolvedFlags::clear(int planCount) { std::fill(bytes.begin(), bytes.begin() + limit(planCount), 0); }

}  // namespace tarvik
