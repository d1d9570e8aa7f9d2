// The bound's lane block against plain integer arithmetic, in whichever
// form this build uses (the plain-lanes test binary checks the other).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "search_lanes.h"

using namespace tarvik::plans;

namespace {

Lanes fromValues(const LaneCost (&values)[kLaneCount]) {
    Lanes out = allLanes(0);
    for (int i = 0; i < kLaneCount; ++i) setLane(out, i, values[i]);
    return out;
}

}  // namespace

TEST(SearchLanes, SumsMinimaAndTheLeastLaneMatchPlainArithmetic) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> cost(-1200, 1200);
    for (int round = 0; round < 400; ++round) {
        LaneCost a[kLaneCount], b[kLaneCount];
        for (int i = 0; i < kLaneCount; ++i) {
            a[i] = static_cast<LaneCost>(cost(rng));
            b[i] = static_cast<LaneCost>(cost(rng));
        }
        // Every lane in turn holds the least value, so a reduction that
        // skips or repeats a lane is caught.
        const int low = round % kLaneCount;
        a[low] = -2000;
        const Lanes va = fromValues(a), vb = fromValues(b);
        const Lanes sum = va + vb, diff = va - vb, low2 = least(va, vb);
        for (int i = 0; i < kLaneCount; ++i) {
            EXPECT_EQ(lane(sum, i), a[i] + b[i]);
            EXPECT_EQ(lane(diff, i), a[i] - b[i]);
            EXPECT_EQ(lane(low2, i), std::min(a[i], b[i]));
        }
        EXPECT_EQ(leastLane(va), -2000);
        EXPECT_EQ(leastLane(vb), *std::min_element(b, b + kLaneCount));
        EXPECT_EQ(leastLane(least(va, vb)), -2000);
    }
    const Lanes same = allLanes(1000);
    for (int i = 0; i < kLaneCount; ++i) EXPECT_EQ(lane(same, i), 1000);
    EXPECT_EQ(leastLane(same - allLanes(30000)), -29000);
}
